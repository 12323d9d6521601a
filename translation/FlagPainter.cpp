#include "FlagPainter.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tolmeric {
namespace {

constexpr int32_t kSamples = 4;  // per pixel and direction
constexpr int32_t kCanvasWidth = kFlagWidth * kSamples;
constexpr int32_t kCanvasHeight = kFlagHeight * kSamples;
constexpr double kPi = 3.14159265358979323846;

struct Point {
  double x;
  double y;
};

// The flag at kSamples by kSamples points per pixel, as RRGGBB values.
class CFlagCanvas {
 public:
  CFlagCanvas() : samples_(static_cast<size_t>(kCanvasWidth) * kCanvasHeight, 0xFFFFFF) {}

  // Later fills change only samples inside this rectangle.
  void Clip(double x0, double y0, double x1, double y1) { clip_ = {x0, y0, x1, y1}; }

  // Colours every sample whose centre lies inside the shape and the clip.
  void Fill(const std::function<bool(Point)>& inside, uint32_t rgb) {
    for (int32_t row = 0; row < kCanvasHeight; ++row) {
      for (int32_t column = 0; column < kCanvasWidth; ++column) {
        const Point p{(column + 0.5) / kSamples, (row + 0.5) / kSamples};
        if (p.x >= clip_[0] && p.x < clip_[2] && p.y >= clip_[1] && p.y < clip_[3] && inside(p)) samples_[static_cast<size_t>(row) * kCanvasWidth + column] = rgb;
      }
    }
  }

  // The average of the samples of flag pixel (x, y) as a colour value.
  uint32_t Pixel(int32_t x, int32_t y) const {
    uint32_t sum[3] = {0, 0, 0};
    for (int32_t row = y * kSamples; row < (y + 1) * kSamples; ++row) {
      for (int32_t column = x * kSamples; column < (x + 1) * kSamples; ++column) {
        const uint32_t rgb = samples_[static_cast<size_t>(row) * kCanvasWidth + column];
        sum[0] += (rgb >> 16) & 0xFF;
        sum[1] += (rgb >> 8) & 0xFF;
        sum[2] += rgb & 0xFF;
      }
    }
    constexpr uint32_t n = kSamples * kSamples;
    const uint32_t red = (sum[0] + n / 2) / n;
    const uint32_t green = (sum[1] + n / 2) / n;
    const uint32_t blue = (sum[2] + n / 2) / n;
    return red | (green << 8) | (blue << 16);
  }

 private:
  std::vector<uint32_t> samples_;
  std::array<double, 4> clip_{0, 0, kFlagWidth, kFlagHeight};
};

[[noreturn]] void Fail(std::string_view step, const char* why) {
  throw std::invalid_argument("flag step \"" + std::string(step) + "\": " + why);
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  while (true) {
    const size_t end = text.find(separator, start);
    parts.push_back(Trim(text.substr(start, end - start)));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

// colour = six hex digits RRGGBB
uint32_t ParseColour(std::string_view text, std::string_view step) {
  uint32_t rgb = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), rgb, 16);
  if (text.size() != 6 || error != std::errc() || end != text.data() + text.size())
    Fail(step, "a colour is six hex digits");
  return rgb;
}

// number = ["-"] digits ["." digits]
double ParseNumber(std::string_view text, std::string_view step) {
  // std::from_chars for double is missing from some standard libraries.
  bool negative = false;
  if (!text.empty() && text.front() == '-') {
    negative = true;
    text.remove_prefix(1);
  }
  double value = 0;
  double scale = 0;
  bool digits = false;
  for (const char c : text) {
    if (c == '.' && scale == 0) {
      scale = 1;
    } else if (c >= '0' && c <= '9') {
      digits = true;
      if (scale == 0) {
        value = value * 10 + (c - '0');
      } else {
        scale /= 10;
        value += scale * (c - '0');
      }
    } else {
      Fail(step, "not a number");
    }
  }
  if (!digits) Fail(step, "not a number");
  return negative ? -value : value;
}

// count numbers, one colour, then up to trailing further operands.
struct Operands {
  std::vector<double> numbers;
  uint32_t colour = 0;
  std::vector<std::string_view> rest;  // what follows the colour
};

Operands ParseOperands(std::string_view args, std::string_view step, size_t count,
                       size_t trailing = 0) {
  const std::vector<std::string_view> parts = Split(args, ',');
  if (parts.size() < count + 1 || parts.size() > count + 1 + trailing)
    Fail(step, "wrong number of operands");
  Operands operands;
  for (size_t i = 0; i < count; ++i) operands.numbers.push_back(ParseNumber(parts[i], step));
  operands.colour = ParseColour(parts[count], step);
  operands.rest.assign(parts.begin() + static_cast<std::ptrdiff_t>(count) + 1, parts.end());
  return operands;
}

// Squares, not std::hypot, so that every platform draws the same pixels.
double Distance2(Point a, Point b) { return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y); }

// Even-odd rule.
bool InsidePolygon(const std::vector<Point>& corners, Point p) {
  bool inside = false;
  for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
    const Point a = corners[i];
    const Point b = corners[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
      inside = !inside;
  }
  return inside;
}

std::vector<Point> BandCorners(Point from, Point to, double width) {
  const double length = std::sqrt(Distance2(to, from));
  const double nx = length > 0 ? -(to.y - from.y) / length * width / 2 : 0;
  const double ny = length > 0 ? (to.x - from.x) / length * width / 2 : 0;
  return {{from.x + nx, from.y + ny},
          {to.x + nx, to.y + ny},
          {to.x - nx, to.y - ny},
          {from.x - nx, from.y - ny}};
}

std::vector<Point> StarCorners(Point centre, double radius, double turn, int32_t points,
                               double inner) {
  std::vector<Point> corners;
  for (int32_t i = 0; i < 2 * points; ++i) {
    const double angle = (turn - 90 + 180.0 / points * i) * kPi / 180;
    const double r = (i % 2 == 0) ? radius : radius * inner;
    corners.push_back({centre.x + r * std::cos(angle), centre.y + r * std::sin(angle)});
  }
  return corners;
}

// Stripe edges fall on whole pixels.
void PaintStripes(CFlagCanvas& canvas, std::string_view args, std::string_view step,
                  bool horizontal) {
  std::vector<std::pair<uint32_t, double>> stripes;
  double total = 0;
  for (const std::string_view part : Split(args, ',')) {
    const size_t star = part.find('*');
    const double weight = star == std::string_view::npos
                              ? 1.0
                              : ParseNumber(part.substr(star + 1), step);
    if (weight <= 0) Fail(step, "a stripe needs a positive width");
    stripes.emplace_back(ParseColour(Trim(part.substr(0, star)), step), weight);
    total += weight;
  }
  const double side = horizontal ? kFlagHeight : kFlagWidth;
  // Rounded towards the nearer edge so that symmetric stripes stay symmetric.
  const auto snap = [side](double at) {
    return at <= side / 2 ? std::round(at) : side - std::round(side - at);
  };
  double before = 0;
  for (const auto& [rgb, weight] : stripes) {
    const double from = snap(before / total * side);
    before += weight;
    const double to = snap(before / total * side);
    canvas.Fill(
        [&, from, to](Point p) {
          const double at = horizontal ? p.y : p.x;
          return at >= from && at < to;
        },
        rgb);
  }
}

void PaintPolygon(CFlagCanvas& canvas, std::vector<Point> corners, uint32_t rgb) {
  canvas.Fill([&](Point p) { return InsidePolygon(corners, p); }, rgb);
}

void PaintHorizontal(CFlagCanvas& canvas, std::string_view args, std::string_view step) {
  PaintStripes(canvas, args, step, true);
}

void PaintVertical(CFlagCanvas& canvas, std::string_view args, std::string_view step) {
  PaintStripes(canvas, args, step, false);
}

void PaintRect(CFlagCanvas& canvas, std::string_view args, std::string_view step) {
  const Operands o = ParseOperands(args, step, 4);
  const auto& n = o.numbers;
  canvas.Fill([&](Point p) { return p.x >= n[0] && p.x < n[2] && p.y >= n[1] && p.y < n[3]; },
              o.colour);
}

void PaintPoly(CFlagCanvas& canvas, std::string_view args, std::string_view step) {
  const size_t count = Split(args, ',').size() - 1;
  if (count < 6 || count % 2 != 0) Fail(step, "a polygon needs pairs of three corners or more");
  const Operands o = ParseOperands(args, step, count);
  std::vector<Point> corners;
  for (size_t i = 0; i < count; i += 2) corners.push_back({o.numbers[i], o.numbers[i + 1]});
  PaintPolygon(canvas, corners, o.colour);
}

void PaintBar(CFlagCanvas& canvas, std::string_view args, std::string_view step) {
  const Operands o = ParseOperands(args, step, 5);
  const auto& n = o.numbers;
  PaintPolygon(canvas, BandCorners({n[0], n[1]}, {n[2], n[3]}, n[4]), o.colour);
}

void PaintCross(CFlagCanvas& canvas, std::string_view args, std::string_view step) {
  const Operands o = ParseOperands(args, step, 3);
  const auto& n = o.numbers;
  const double half = n[2] / 2;
  canvas.Fill([&](Point p) { return std::abs(p.x - n[0]) < half || std::abs(p.y - n[1]) < half; },
              o.colour);
}

// Both bands run on past the corners so that their ends leave no notch.
void PaintSaltire(CFlagCanvas& canvas, std::string_view args, std::string_view step) {
  const Operands o = ParseOperands(args, step, 1);
  const double width = o.numbers[0];
  const double dx = 2 * width * kFlagWidth / (kFlagWidth + kFlagHeight);
  const double dy = 2 * width * kFlagHeight / (kFlagWidth + kFlagHeight);
  PaintPolygon(canvas, BandCorners({-dx, -dy}, {kFlagWidth + dx, kFlagHeight + dy}, width),
               o.colour);
  PaintPolygon(canvas, BandCorners({-dx, kFlagHeight + dy}, {kFlagWidth + dx, -dy}, width),
               o.colour);
}

void PaintDisc(CFlagCanvas& canvas, std::string_view args, std::string_view step) {
  const Operands o = ParseOperands(args, step, 3);
  const auto& n = o.numbers;
  canvas.Fill([&](Point p) { return Distance2(p, {n[0], n[1]}) <= n[2] * n[2]; }, o.colour);
}

void PaintRing(CFlagCanvas& canvas, std::string_view args, std::string_view step) {
  const Operands o = ParseOperands(args, step, 4);
  const auto& n = o.numbers;
  const double inner = std::max(n[2] - n[3], 0.0);
  canvas.Fill(
      [&](Point p) {
        const double d = Distance2(p, {n[0], n[1]});
        return d <= n[2] * n[2] && d >= inner * inner;
      },
      o.colour);
}

void PaintPie(CFlagCanvas& canvas, std::string_view args, std::string_view step) {
  const Operands o = ParseOperands(args, step, 5);
  const auto& n = o.numbers;
  canvas.Fill(
      [&](Point p) {
        if (Distance2(p, {n[0], n[1]}) > n[2] * n[2]) return false;
        const double angle = std::atan2(p.y - n[1], p.x - n[0]) * 180 / kPi;
        // The angle counted from a0 onwards, 0 to 360.
        const double from = std::fmod(std::fmod(angle - n[3], 360) + 360, 360);
        return from <= n[4] - n[3];
      },
      o.colour);
}

void PaintStar(CFlagCanvas& canvas, std::string_view args, std::string_view step) {
  const Operands o = ParseOperands(args, step, 3, 3);
  const double turn = o.rest.size() > 0 ? ParseNumber(o.rest[0], step) : 0;
  const double points = o.rest.size() > 1 ? ParseNumber(o.rest[1], step) : 5;
  // 0.381966 makes the edges of a five-pointed star line up.
  const double inner = o.rest.size() > 2 ? ParseNumber(o.rest[2], step) : 0.381966;
  if (points < 3 || points > 64 || points != std::floor(points))
    Fail(step, "a star has 3 to 64 points");
  PaintPolygon(canvas,
               StarCorners({o.numbers[0], o.numbers[1]}, o.numbers[2], turn,
                           static_cast<int32_t>(points), inner),
               o.colour);
}

void SetClip(CFlagCanvas& canvas, std::string_view args, std::string_view step) {
  if (args == "off") {
    canvas.Clip(0, 0, kFlagWidth, kFlagHeight);
    return;
  }
  const std::vector<std::string_view> parts = Split(args, ',');
  if (parts.size() != 4) Fail(step, "a clip is four numbers or off");
  canvas.Clip(ParseNumber(parts[0], step), ParseNumber(parts[1], step),
              ParseNumber(parts[2], step), ParseNumber(parts[3], step));
}

using StepPainter = void (*)(CFlagCanvas&, std::string_view args, std::string_view step);

struct Word {
  std::string_view word;
  StepPainter paint;
};

constexpr Word kWords[] = {
    {"h", PaintHorizontal}, {"v", PaintVertical}, {"rect", PaintRect}, {"poly", PaintPoly},
    {"bar", PaintBar},      {"cross", PaintCross}, {"saltire", PaintSaltire},
    {"disc", PaintDisc},    {"ring", PaintRing},   {"pie", PaintPie},
    {"star", PaintStar},    {"clip", SetClip},
};

// step = word " " operands
void PaintStep(CFlagCanvas& canvas, std::string_view step) {
  const size_t blank = step.find(' ');
  if (blank == std::string_view::npos) Fail(step, "a word and its operands");
  const std::string_view word = step.substr(0, blank);
  for (const Word& entry : kWords) {
    if (entry.word == word) return entry.paint(canvas, Trim(step.substr(blank + 1)), step);
  }
  Fail(step, "unknown word");
}

}  // namespace

FlagImage PaintFlag(std::string_view description) {
  CFlagCanvas canvas;
  for (const std::string_view step : Split(description, ';')) {
    if (!step.empty()) PaintStep(canvas, step);
  }
  FlagImage image;
  image.fill(kFlagBackground);
  for (int32_t row = kFlagTop - 1; row <= kFlagTop + kFlagHeight; ++row) {
    for (int32_t column = kFlagLeft - 1; column <= kFlagLeft + kFlagWidth; ++column) {
      image[static_cast<size_t>(row) * kFlagSize + column] = kFlagFrame;
    }
  }
  for (int32_t y = 0; y < kFlagHeight; ++y) {
    for (int32_t x = 0; x < kFlagWidth; ++x) {
      uint32_t colour = canvas.Pixel(x, y);
      // The strip's transparent grey must not punch holes into a flag.
      if (colour == kFlagBackground) colour = 0xC1C1C1;
      image[static_cast<size_t>(kFlagTop + y) * kFlagSize + kFlagLeft + x] = colour;
    }
  }
  return image;
}

}  // namespace tolmeric
