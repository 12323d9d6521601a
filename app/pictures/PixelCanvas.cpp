#include "PixelCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tolmeric {
namespace {

double SegmentDistance(CPoint2 p, CPoint2 a, CPoint2 b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double length = dx * dx + dy * dy;
  double t = length > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

bool InsidePolygon(CPoint2 p, const std::vector<CPoint2>& corners) {
  bool inside = false;
  for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
    const CPoint2 a = corners[i];
    const CPoint2 b = corners[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
      inside = !inside;
    }
  }
  return inside;
}

}  // namespace

CPixelCanvas::CPixelCanvas(int32_t width, int32_t height, uint32_t background)
    : image_{width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height, background)} {}

uint32_t CPixelCanvas::At(int32_t x, int32_t y) const {
  return image_.pixels[static_cast<size_t>(y) * image_.width + x];
}

void CPixelCanvas::Put(int32_t x, int32_t y, uint32_t colour) {
  if (x < 0 || y < 0 || x >= image_.width || y >= image_.height) return;
  image_.pixels[static_cast<size_t>(y) * image_.width + x] = colour;
}

void CPixelCanvas::FillRect(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t colour) {
  for (int32_t y = y0; y < y1; ++y) {
    for (int32_t x = x0; x < x1; ++x) Put(x, y, colour);
  }
}

void CPixelCanvas::FrameRect(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t colour) {
  Line(x0, y0, x1 - 1, y0, colour);
  Line(x0, y1 - 1, x1 - 1, y1 - 1, colour);
  Line(x0, y0, x0, y1 - 1, colour);
  Line(x1 - 1, y0, x1 - 1, y1 - 1, colour);
}

// Bresenham's line.
void CPixelCanvas::Line(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t colour) {
  const int32_t dx = std::abs(x1 - x0);
  const int32_t dy = -std::abs(y1 - y0);
  const int32_t sx = x0 < x1 ? 1 : -1;
  const int32_t sy = y0 < y1 ? 1 : -1;
  int32_t error = dx + dy;
  for (;;) {
    Put(x0, y0, colour);
    if (x0 == x1 && y0 == y1) return;
    const int32_t twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x0 += sx;
    }
    if (twice <= dx) {
      error += dx;
      y0 += sy;
    }
  }
}

void CPixelCanvas::FillPolygon(const std::vector<CPoint2>& corners, uint32_t colour) {
  if (corners.size() < 3) return;
  FillWhere([&](CPoint2 p) { return InsidePolygon(p, corners); }, colour);
}

void CPixelCanvas::OutlinePolygon(const std::vector<CPoint2>& corners, uint32_t colour) {
  for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
    Line(static_cast<int32_t>(std::floor(corners[j].x)), static_cast<int32_t>(std::floor(corners[j].y)),
         static_cast<int32_t>(std::floor(corners[i].x)), static_cast<int32_t>(std::floor(corners[i].y)),
         colour);
  }
}

void CPixelCanvas::FillDisc(double cx, double cy, double radius, uint32_t colour) {
  FillWhere([&](CPoint2 p) { return std::hypot(p.x - cx, p.y - cy) <= radius; }, colour);
}

void CPixelCanvas::Stroke(CPoint2 from, CPoint2 to, double width, uint32_t colour) {
  FillWhere([&](CPoint2 p) { return SegmentDistance(p, from, to) <= width / 2; }, colour);
}

void CPixelCanvas::Draw(const CPixelCanvas& other, int32_t x, int32_t y) {
  for (int32_t row = 0; row < other.height(); ++row) {
    for (int32_t column = 0; column < other.width(); ++column) {
      const uint32_t colour = other.At(column, row);
      if (colour >> 24 != 0) Put(x + column, y + row, colour);
    }
  }
}

CPixelCanvas CPixelCanvas::Reduced(int32_t factor) const {
  CPixelCanvas reduced(image_.width / factor, image_.height / factor, kClear);
  for (int32_t y = 0; y < reduced.height(); ++y) {
    for (int32_t x = 0; x < reduced.width(); ++x) {
      uint32_t sum[4] = {0, 0, 0, 0};
      for (int32_t row = y * factor; row < (y + 1) * factor; ++row) {
        for (int32_t column = x * factor; column < (x + 1) * factor; ++column) {
          const uint32_t colour = At(column, row);
          const uint32_t alpha = colour >> 24;
          for (int32_t channel = 0; channel < 3; ++channel) sum[channel] += (colour >> (8 * channel) & 0xFF) * alpha;
          sum[3] += alpha;
        }
      }
      if (sum[3] == 0) continue;
      uint32_t colour = (sum[3] + factor * factor / 2) / (factor * factor) << 24;
      for (int32_t channel = 0; channel < 3; ++channel) {
        colour |= (sum[channel] + sum[3] / 2) / sum[3] << (8 * channel);
      }
      reduced.Put(x, y, colour);
    }
  }
  return reduced;
}

std::vector<CPoint2> StarCorners(double cx, double cy, double radius, double inner) {
  constexpr double kPi = 3.14159265358979323846;
  std::vector<CPoint2> corners;
  for (int32_t i = 0; i < 10; ++i) {
    const double r = i % 2 == 0 ? radius : radius * inner;
    const double angle = -kPi / 2 + i * kPi / 5;
    corners.push_back({cx + r * std::cos(angle), cy + r * std::sin(angle)});
  }
  return corners;
}

}  // namespace tolmeric
