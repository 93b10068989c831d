#pragma once
// Reduces a true-colour picture to a palette of at most 256 colours.
#include "canvas.h"
#include "image_files.h"

// Median cut over the picture's colours, then each pixel takes the nearest entry.
IndexedImage Quantize(const Canvas& canvas, int colours);
