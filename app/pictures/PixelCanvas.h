// A picture being drawn: filled rectangles, lines, polygons, discs and
// strokes. Shapes colour the pixels whose centres they cover, so a picture
// drawn at its own size stays crisp; drawn at several times its size and
// reduced, it comes out smoothed.
#pragma once

#include <cstdint>
#include <vector>

#include "translation/BitmapFile.h"

namespace tolmeric {

// An opaque colour value from its red, green and blue.
constexpr uint32_t Rgb(uint32_t red, uint32_t green, uint32_t blue) {
  return red | green << 8 | blue << 16 | 0xFF000000u;
}
inline constexpr uint32_t kClear = 0;  // fully transparent

struct CPoint2 {
  double x;
  double y;
};

class CPixelCanvas {
 public:
  CPixelCanvas(int32_t width, int32_t height, uint32_t background);

  int32_t width() const { return image_.width; }
  int32_t height() const { return image_.height; }
  const CRgbImage& image() const { return image_; }

  uint32_t At(int32_t x, int32_t y) const;
  // Pixels outside the canvas are left alone.
  void Put(int32_t x, int32_t y, uint32_t colour);
  // The pixels from (x0, y0) up to but not including (x1, y1).
  void FillRect(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t colour);
  // The one-pixel border of that rectangle.
  void FrameRect(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t colour);
  // A one-pixel line from pixel to pixel, both ends included.
  void Line(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t colour);
  // The inside of a polygon (even-odd rule).
  void FillPolygon(const std::vector<CPoint2>& corners, uint32_t colour);
  // The closed line through the pixels of the corners.
  void OutlinePolygon(const std::vector<CPoint2>& corners, uint32_t colour);
  void FillDisc(double cx, double cy, double radius, uint32_t colour);
  // A band of the given width from one point to another, with round ends.
  void Stroke(CPoint2 from, CPoint2 to, double width, uint32_t colour);
  // Every pixel whose centre satisfies inside(CPoint2).
  template <typename Inside>
  void FillWhere(Inside inside, uint32_t colour) {
    for (int32_t y = 0; y < image_.height; ++y) {
      for (int32_t x = 0; x < image_.width; ++x) {
        if (inside(CPoint2{x + 0.5, y + 0.5})) Put(x, y, colour);
      }
    }
  }
  // Another picture with its top-left corner at (x, y); its transparent
  // pixels leave this one's showing.
  void Draw(const CPixelCanvas& other, int32_t x, int32_t y);

  // Each block of factor by factor pixels averaged into one, weighted by
  // opacity.
  CPixelCanvas Reduced(int32_t factor) const;

 private:
  CRgbImage image_;
};

// The five-pointed star with its centre, outer radius and the inner radius
// as a share of it, one point upwards.
std::vector<CPoint2> StarCorners(double cx, double cy, double radius, double inner = 0.45);

}  // namespace tolmeric
