#include "BitmapFile.h"

#include <stdexcept>
#include <string>

namespace tolmeric {
namespace {

constexpr uint32_t kInfoHeaderBytes = 40;  // BITMAPINFOHEADER
constexpr uint32_t kFileHeaderBytes = 14;  // BITMAPFILEHEADER

void PutU16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void PutU32(std::vector<uint8_t>& out, uint32_t value) {
  PutU16(out, value & 0xFFFF);
  PutU16(out, value >> 16);
}

// Rows of a bitmap start on four-byte boundaries.
uint32_t RowBytes(int32_t width, uint32_t bitsPerPixel) {
  return (static_cast<uint32_t>(width) * bitsPerPixel + 31) / 32 * 4;
}

uint32_t At(const CRgbImage& image, int32_t column, int32_t row) {
  return image.pixels[static_cast<size_t>(row) * image.width + column];
}

void CheckSize(const CRgbImage& image) {
  if (image.width <= 0 || image.height <= 0 ||
      image.pixels.size() != static_cast<size_t>(image.width) * image.height) {
    throw std::invalid_argument("a picture's pixels do not fill its size");
  }
}

// The information header; height is twice the picture's in an icon, whose
// mask follows the colours.
void PutInfoHeader(std::vector<uint8_t>& out, const CRgbImage& image, int32_t height,
                   uint32_t bitsPerPixel, uint32_t imageBytes, uint32_t paletteSize) {
  PutU32(out, kInfoHeaderBytes);
  PutU32(out, static_cast<uint32_t>(image.width));
  PutU32(out, static_cast<uint32_t>(height));
  PutU16(out, 1);  // planes
  PutU16(out, bitsPerPixel);
  for (uint32_t value : {0u, imageBytes, 2835u, 2835u, paletteSize, 0u}) PutU32(out, value);
}

// File header and information header of a bitmap file, its palette to follow.
std::vector<uint8_t> BitmapHeaders(const CRgbImage& image, uint32_t bitsPerPixel,
                                   uint32_t paletteSize) {
  CheckSize(image);
  const uint32_t imageBytes = RowBytes(image.width, bitsPerPixel) * image.height;
  const uint32_t offset = kFileHeaderBytes + kInfoHeaderBytes + paletteSize * 4;
  std::vector<uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  PutU32(out, offset + imageBytes);
  PutU32(out, 0);
  PutU32(out, offset);
  PutInfoHeader(out, image, image.height, bitsPerPixel, imageBytes, paletteSize);
  return out;
}

void PutBgr(std::vector<uint8_t>& out, uint32_t colour) {
  out.push_back(static_cast<uint8_t>(colour >> 16));
  out.push_back(static_cast<uint8_t>(colour >> 8));
  out.push_back(static_cast<uint8_t>(colour));
}

uint32_t PaletteIndex(uint32_t colour, int32_t column, int32_t row) {
  const auto& palette = StandardPalette();
  for (uint32_t index = 0; index < palette.size(); ++index) {
    if (palette[index] == (colour & 0xFFFFFF)) return index;
  }
  throw std::invalid_argument("pixel " + std::to_string(column) + "," + std::to_string(row) +
                              " is not a colour of the standard palette");
}

void PadRow(std::vector<uint8_t>& out, size_t rowStart, uint32_t rowBytes) {
  out.resize(rowStart + rowBytes, 0);
}

}  // namespace

const std::array<uint32_t, 16>& StandardPalette() {
  static const std::array<uint32_t, 16> palette = {
      0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
      0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
  return palette;
}

std::vector<uint8_t> BitmapFile24(const CRgbImage& image) {
  std::vector<uint8_t> out = BitmapHeaders(image, 24, 0);
  const uint32_t rowBytes = RowBytes(image.width, 24);
  for (int32_t row = image.height; row-- > 0;) {
    const size_t rowStart = out.size();
    for (int32_t column = 0; column < image.width; ++column) PutBgr(out, At(image, column, row));
    PadRow(out, rowStart, rowBytes);
  }
  return out;
}

std::vector<uint8_t> BitmapFile4(const CRgbImage& image) {
  std::vector<uint8_t> out = BitmapHeaders(image, 4, 16);
  for (uint32_t colour : StandardPalette()) {
    PutBgr(out, colour);
    out.push_back(0);
  }
  const uint32_t rowBytes = RowBytes(image.width, 4);
  for (int32_t row = image.height; row-- > 0;) {
    const size_t rowStart = out.size();
    for (int32_t column = 0; column < image.width; column += 2) {
      const uint32_t high = PaletteIndex(At(image, column, row), column, row);
      const uint32_t low =
          column + 1 < image.width ? PaletteIndex(At(image, column + 1, row), column + 1, row) : 0;
      out.push_back(static_cast<uint8_t>(high << 4 | low));
    }
    PadRow(out, rowStart, rowBytes);
  }
  return out;
}

// ICONDIR, one ICONDIRENTRY per picture, then per picture its information
// header, its 32-bit colours and its 1-bit mask (1 = transparent), bottom-up.
std::vector<uint8_t> IconFile(const std::vector<CRgbImage>& images) {
  std::vector<uint8_t> out;
  PutU16(out, 0);
  PutU16(out, 1);  // icon
  PutU16(out, static_cast<uint32_t>(images.size()));
  uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
  std::vector<uint8_t> data;
  for (const CRgbImage& image : images) {
    CheckSize(image);
    if (image.width != image.height || image.width > 256) {
      throw std::invalid_argument("an icon's picture must be square, at most 256 pixels");
    }
    const uint32_t maskRowBytes = RowBytes(image.width, 1);
    const uint32_t colourBytes = RowBytes(image.width, 32) * image.height;
    const uint32_t bytes = kInfoHeaderBytes + colourBytes + maskRowBytes * image.height;
    out.push_back(static_cast<uint8_t>(image.width));  // 256 is written as 0
    out.push_back(static_cast<uint8_t>(image.height));
    out.push_back(0);  // no palette
    out.push_back(0);
    PutU16(out, 1);
    PutU16(out, 32);
    PutU32(out, bytes);
    PutU32(out, offset);
    offset += bytes;

    PutInfoHeader(data, image, image.height * 2, 32, colourBytes, 0);
    for (int32_t row = image.height; row-- > 0;) {
      for (int32_t column = 0; column < image.width; ++column) {
        const uint32_t colour = At(image, column, row);
        PutBgr(data, colour);
        data.push_back(static_cast<uint8_t>(colour >> 24));
      }
    }
    for (int32_t row = image.height; row-- > 0;) {
      const size_t rowStart = data.size();
      data.resize(rowStart + maskRowBytes, 0);
      for (int32_t column = 0; column < image.width; ++column) {
        if ((At(image, column, row) >> 24) == 0) data[rowStart + column / 8] |= 0x80 >> (column % 8);
      }
    }
  }
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

}  // namespace tolmeric
