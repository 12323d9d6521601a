// Windows bitmap (.bmp) and icon (.ico) files of pictures held as colour
// values: the flag strip, the tool's button images, image strips and icon.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace tolmeric {

// A picture, row-major from the top-left corner. A colour value holds red in
// the lowest byte, then green and blue; the top byte is the opacity (255
// opaque) where a file keeps one (icons) and is ignored elsewhere.
struct CRgbImage {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint32_t> pixels;
};

// The sixteen colours of the standard palette in the order of their indices
// (black, maroon, green, olive, navy, purple, teal, silver, grey, red, lime,
// yellow, blue, fuchsia, aqua, white), top byte 0.
const std::array<uint32_t, 16>& StandardPalette();

// A bottom-up 24-bit bitmap file.
std::vector<uint8_t> BitmapFile24(const CRgbImage& image);

// A bottom-up 4-bit bitmap file with the standard palette. Throws
// std::invalid_argument naming the pixel when a colour is not one of the
// palette's.
std::vector<uint8_t> BitmapFile4(const CRgbImage& image);

// An icon file with one 32-bit image (with its opacity and a mask of the
// fully transparent pixels) per picture, each square, 1 to 256 pixels.
// Throws std::invalid_argument for any other size.
std::vector<uint8_t> IconFile(const std::vector<CRgbImage>& images);

}  // namespace tolmeric
