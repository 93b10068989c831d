#pragma once
// A 5 x 7 dot font for the Latin captions of the pictures.
#include "canvas.h"

#include <string_view>

// Draws text with its top left corner at (x, y), each dot scale pixels wide;
// letters are upper case, unknown characters leave a blank. Returns the width.
double DrawPixelText(Canvas& canvas, double x, double y, std::string_view text, double scale,
                     Rgb colour);
double PixelTextWidth(std::string_view text, double scale);
