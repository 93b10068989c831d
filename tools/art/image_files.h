#pragma once
// Palettised images and the two Windows file formats the resources need:
// an 8-bit BMP and an icon file of 4-bit images.
#include <cstdint>
#include <string>
#include <vector>

struct Rgb8 {
    std::uint8_t r = 0, g = 0, b = 0;
};

struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb8> palette;
    std::vector<std::uint8_t> pixels; // palette indices, top row first
};

// An icon image: 16 colours at most; masked pixels show what lies beneath.
struct IconImage {
    IndexedImage image;
    std::vector<bool> transparent;
};

// Both return false when the file cannot be written.
bool WriteBmp8(const std::string& path, const IndexedImage& image);
bool WriteIco4(const std::string& path, const std::vector<IconImage>& images);
