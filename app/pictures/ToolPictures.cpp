#include "ToolPictures.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "PixelCanvas.h"

namespace tolmeric {
namespace {

// The standard palette, opaque.
constexpr uint32_t kBlack = Rgb(0, 0, 0);
constexpr uint32_t kMaroon = Rgb(128, 0, 0);
constexpr uint32_t kGreen = Rgb(0, 128, 0);
constexpr uint32_t kOlive = Rgb(128, 128, 0);
constexpr uint32_t kNavy = Rgb(0, 0, 128);
constexpr uint32_t kPurple = Rgb(128, 0, 128);
constexpr uint32_t kTeal = Rgb(0, 128, 128);
constexpr uint32_t kSilver = Rgb(192, 192, 192);
constexpr uint32_t kGrey = Rgb(128, 128, 128);
constexpr uint32_t kRed = Rgb(255, 0, 0);
constexpr uint32_t kLime = Rgb(0, 255, 0);
constexpr uint32_t kYellow = Rgb(255, 255, 0);
constexpr uint32_t kBlue = Rgb(0, 0, 255);
constexpr uint32_t kFuchsia = Rgb(255, 0, 255);
constexpr uint32_t kAqua = Rgb(0, 255, 255);
constexpr uint32_t kWhite = Rgb(255, 255, 255);

// White is the small images' transparent colour: their paper is a shade off.
constexpr uint32_t kPaper = Rgb(252, 252, 252);

constexpr int32_t kGlyphSize = 24;

// ---------------------------------------------------------------------------
// Parts that several pictures share. Corners are inclusive pixels.

// A sheet with its top right corner folded over.
void DrawPage(CPixelCanvas& c, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t fold,
              uint32_t paper, uint32_t outline) {
  c.FillRect(x0, y0, x1 + 1, y1 + 1, paper);
  for (int32_t y = y0; y < y0 + fold; ++y) {
    for (int32_t x = x1 - fold + 1 + (y - y0); x <= x1; ++x) c.Put(x, y, kClear);
  }
  c.FillPolygon({{x1 - fold + 0.5, y0 + 0.5}, {x1 - fold + 0.5, y0 + fold + 0.5}, {x1 + 0.5, y0 + fold + 0.5}},
                kSilver);
  c.Line(x0, y0, x1 - fold, y0, outline);
  c.Line(x1 - fold, y0, x1, y0 + fold, outline);
  c.Line(x1 - fold, y0, x1 - fold, y0 + fold, outline);
  c.Line(x1 - fold, y0 + fold, x1, y0 + fold, outline);
  c.Line(x1, y0 + fold, x1, y1, outline);
  c.Line(x0, y1, x1, y1, outline);
  c.Line(x0, y0, x0, y1, outline);
}

// Lines of a script on a page: (indent, length, colour) from top to bottom,
// every `step` rows.
struct CTextLine {
  int32_t indent;
  int32_t length;
  uint32_t colour;
};
void DrawLines(CPixelCanvas& c, int32_t x, int32_t y, int32_t step, const std::vector<CTextLine>& lines) {
  for (const CTextLine& line : lines) {
    c.Line(x + line.indent, y, x + line.indent + line.length - 1, y, line.colour);
    y += step;
  }
}

// A filled star with an outline of its own colour around it.
void DrawStar(CPixelCanvas& c, double cx, double cy, double radius, uint32_t fill, uint32_t outline) {
  c.FillPolygon(StarCorners(cx, cy, radius + 1.3, 0.47), outline);
  c.FillPolygon(StarCorners(cx, cy, radius, 0.45), fill);
}

// A closed folder from (x0, y0) to (x1, y1), its tab `tab` pixels wide.
void DrawFolder(CPixelCanvas& c, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t tab,
                uint32_t fill, uint32_t outline) {
  c.FillRect(x0, y0, x0 + tab + 1, y0 + 3, fill);
  c.FrameRect(x0, y0, x0 + tab + 1, y0 + 3, outline);
  c.FillRect(x0, y0 + 2, x1 + 1, y1 + 1, fill);
  c.FrameRect(x0, y0 + 2, x1 + 1, y1 + 1, outline);
}

// A floppy disk, s pixels square: a metal shutter above, a label below.
void DrawFloppy(CPixelCanvas& c, int32_t x, int32_t y, int32_t s) {
  const int32_t last = s - 1;
  const int32_t cut = s / 7;
  const std::vector<CPoint2> body = {{x + 0.5, y + 0.5},
                                     {x + last - cut + 0.5, y + 0.5},
                                     {x + last + 0.5, y + cut + 0.5},
                                     {x + last + 0.5, y + last + 0.5},
                                     {x + 0.5, y + last + 0.5}};
  c.FillPolygon(body, kNavy);
  c.FillRect(x, y, x + last, y + 1, kNavy);
  c.OutlinePolygon(body, kBlack);
  // Shutter with its window.
  const int32_t shutterLeft = x + s / 4;
  const int32_t shutterRight = x + last - s / 4 - 1;
  const int32_t shutterBottom = y + s * 3 / 8;
  c.FillRect(shutterLeft, y + 1, shutterRight + 1, shutterBottom + 1, kSilver);
  c.Line(shutterLeft, y + 1, shutterLeft, shutterBottom, kWhite);
  c.FillRect(shutterRight - s / 6 + 1, y + 2, shutterRight, shutterBottom, kNavy);
  // Label with writing.
  const int32_t labelTop = y + s / 2;
  c.FillRect(x + 2, labelTop, x + last - 1, y + last, kWhite);
  for (int32_t row = labelTop + 2; row < y + last - 1; row += 2) {
    c.Line(x + 4, row, x + last - 4, row, kSilver);
  }
}

// A pencil lying from its tip at (tx, ty) up and to the right.
void DrawPencil(CPixelCanvas& c, double tx, double ty, double length, double half) {
  const double d = std::sqrt(0.5);
  auto at = [&](double along, double across) {
    return CPoint2{tx + (along + across) * d, ty + (-along + across) * d};
  };
  const std::vector<CPoint2> outline = {at(0, 0), at(4, -half), at(length, -half), at(length, half), at(4, half)};
  c.FillPolygon(outline, kBlack);
  const double inner = half - 1.1;
  c.FillPolygon({at(1.6, 0), at(4.2, -inner), at(4.2, inner)}, kWhite);
  c.FillPolygon({at(4.2, -inner), at(length - 4.5, -inner), at(length - 4.5, inner), at(4.2, inner)}, kYellow);
  c.FillPolygon({at(4.2, 0.2), at(length - 4.5, 0.2), at(length - 4.5, inner), at(4.2, inner)}, kOlive);
  c.FillPolygon({at(length - 3.5, -inner), at(length - 1.2, -inner), at(length - 1.2, inner), at(length - 3.5, inner)},
                kRed);
  c.FillPolygon({at(0, 0), at(1.6, -0.9), at(1.6, 0.9)}, kBlack);
}

// A plus or a minus sign with a black rim, centred on the pixel corner (cx, cy).
void DrawSign(CPixelCanvas& c, int32_t cx, int32_t cy, bool plus, uint32_t fill) {
  c.FillRect(cx - 6, cy - 3, cx + 6, cy + 3, kBlack);
  if (plus) c.FillRect(cx - 3, cy - 6, cx + 3, cy + 6, kBlack);
  c.FillRect(cx - 5, cy - 2, cx + 5, cy + 2, fill);
  if (plus) c.FillRect(cx - 2, cy - 5, cx + 2, cy + 5, fill);
}

// ---------------------------------------------------------------------------
// The buttons' pictures, 24 by 24, on transparency.

void DrawScriptPage(CPixelCanvas& c) {
  DrawPage(c, 3, 1, 18, 22, 5, kWhite, kBlack);
  DrawLines(c, 5, 5, 3,
            {{0, 7, kNavy}, {2, 8, kBlack}, {2, 6, kTeal}, {0, 10, kNavy}, {2, 7, kBlack}, {0, 5, kTeal}});
}

CPixelCanvas DrawGlyph(ButtonPicture picture) {
  CPixelCanvas c(kGlyphSize, kGlyphSize, kClear);
  switch (picture) {
    case ButtonPicture::kNewProject:
      DrawPage(c, 3, 2, 17, 22, 5, kWhite, kBlack);
      DrawStar(c, 16.5, 7.5, 6.2, kYellow, kOlive);
      break;
    case ButtonPicture::kOpenProject:
      DrawFolder(c, 1, 3, 19, 20, 7, kOlive, kBlack);
      DrawPage(c, 5, 4, 16, 14, 3, kWhite, kBlack);
      DrawLines(c, 7, 8, 2, {{0, 6, kGrey}, {0, 5, kGrey}});
      c.FillPolygon({{6, 11}, {24, 11}, {19.5, 21}, {1, 21}}, kBlack);
      c.FillPolygon({{7.2, 12}, {22.4, 12}, {18.8, 20}, {2.6, 20}}, kYellow);
      break;
    case ButtonPicture::kSave:
      DrawFloppy(c, 2, 2, 20);
      break;
    case ButtonPicture::kSaveAs:
      DrawFloppy(c, 0, 6, 17);
      DrawPencil(c, 11.5, 14.5, 15, 2.6);
      break;
    case ButtonPicture::kAddScript:
      DrawScriptPage(c);
      DrawSign(c, 17, 17, true, kGreen);
      break;
    case ButtonPicture::kRemoveScript:
      DrawScriptPage(c);
      DrawSign(c, 17, 18, false, kRed);
      break;
    case ButtonPicture::kTestVersion:
      // A page whose lines carry markers at both ends, and a test tube.
      DrawPage(c, 1, 1, 15, 22, 4, kWhite, kBlack);
      for (int32_t row = 6; row <= 18; row += 3) {
        const int32_t end = row % 2 == 0 ? 12 : 10;
        c.Line(3, row, 4, row, kRed);
        c.Line(5, row, end - 2, row, kBlack);
        c.Line(end - 1, row, end, row, kRed);
      }
      c.FillRect(15, 2, 23, 4, kBlack);
      c.FillRect(16, 3, 22, 4, kSilver);
      c.FillRect(16, 4, 22, 19, kBlack);
      c.FillDisc(19, 19, 3, kBlack);
      c.FillRect(17, 4, 21, 19, kAqua);
      c.FillRect(17, 11, 21, 19, kGreen);
      c.FillDisc(19, 19, 2, kGreen);
      c.Line(18, 5, 18, 10, kWhite);
      break;
  }
  return c;
}

// The lit-up colour of each palette colour.
uint32_t Brighter(uint32_t colour) {
  static const std::pair<uint32_t, uint32_t> kLit[] = {
      {kMaroon, kRed}, {kGreen, kLime},   {kOlive, kYellow}, {kNavy, kBlue},
      {kPurple, kFuchsia}, {kTeal, kAqua}, {kGrey, kSilver},
  };
  for (const auto& [dark, lit] : kLit) {
    if (colour == dark) return lit;
  }
  return colour;
}

bool IsDark(uint32_t colour) {
  const uint32_t red = colour & 0xFF;
  const uint32_t green = colour >> 8 & 0xFF;
  const uint32_t blue = colour >> 16 & 0xFF;
  return red * 3 + green * 6 + blue < 10 * 150;
}

// The picture lit up, or engraved in grey as a disabled control shows it.
CPixelCanvas Restyled(const CPixelCanvas& glyph, ButtonState state) {
  if (state == ButtonState::kNormal || state == ButtonState::kPressed) return glyph;
  CPixelCanvas out(glyph.width() + 1, glyph.height() + 1, kClear);
  for (int32_t y = 0; y < glyph.height(); ++y) {
    for (int32_t x = 0; x < glyph.width(); ++x) {
      const uint32_t colour = glyph.At(x, y);
      if (colour == kClear) continue;
      if (state == ButtonState::kHot) {
        out.Put(x, y, Brighter(colour));
      } else if (IsDark(colour)) {
        out.Put(x + 1, y + 1, kWhite);
      }
    }
  }
  if (state == ButtonState::kDisabled) {
    for (int32_t y = 0; y < glyph.height(); ++y) {
      for (int32_t x = 0; x < glyph.width(); ++x) {
        if (glyph.At(x, y) != kClear && IsDark(glyph.At(x, y))) out.Put(x, y, kGrey);
      }
    }
  }
  return out;
}

// Raised: light above and left, shadow below and right. Pressed: a dark rim
// with the shadow inside above and left. Hot: raised, with a blue rim inside.
void DrawButtonFrame(CPixelCanvas& c, ButtonState state) {
  const int32_t last = kButtonSize - 1;
  if (state == ButtonState::kPressed) {
    c.FrameRect(0, 0, kButtonSize, kButtonSize, kBlack);
    c.Line(1, 1, last - 1, 1, kGrey);
    c.Line(1, 1, 1, last - 1, kGrey);
    return;
  }
  c.Line(0, 0, last, 0, kWhite);
  c.Line(0, 0, 0, last, kWhite);
  c.Line(0, last, last, last, kBlack);
  c.Line(last, 0, last, last, kBlack);
  c.Line(1, last - 1, last - 1, last - 1, kGrey);
  c.Line(last - 1, 1, last - 1, last - 1, kGrey);
  if (state == ButtonState::kHot) c.FrameRect(2, 2, last - 1, last - 1, kBlue);
}

// ---------------------------------------------------------------------------
// The small images, 16 by 16 on white.

// A pixel font's rows, '#' set.
void DrawBitmapText(CPixelCanvas& c, int32_t x, int32_t y, const std::vector<const char*>& rows,
                    uint32_t colour) {
  for (size_t row = 0; row < rows.size(); ++row) {
    for (int32_t column = 0; rows[row][column] != '\0'; ++column) {
      if (rows[row][column] == '#') c.Put(x + column, y + static_cast<int32_t>(row), colour);
    }
  }
}

void DrawRaised(CPixelCanvas& c, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
  c.FillRect(x0, y0, x1 + 1, y1 + 1, kSilver);
  c.Line(x0, y0, x1, y0, kWhite);
  c.Line(x0, y0, x0, y1, kWhite);
  c.Line(x0, y1, x1, y1, kBlack);
  c.Line(x1, y0, x1, y1, kBlack);
  c.Line(x0 + 1, y1 - 1, x1 - 1, y1 - 1, kGrey);
  c.Line(x1 - 1, y0 + 1, x1 - 1, y1 - 1, kGrey);
}

using SmallPicture = void (*)(CPixelCanvas&);

const SmallPicture kTreePictures[] = {
    // Dialog: a window with a title bar, a field and a button.
    [](CPixelCanvas& c) {
      c.FillRect(0, 1, 16, 15, kSilver);
      c.FrameRect(0, 1, 16, 15, kGrey);
      c.FillRect(1, 2, 15, 5, kNavy);
      c.FillRect(12, 3, 14, 4, kWhite);
      c.FillRect(2, 7, 9, 10, kPaper);
      c.FrameRect(2, 7, 9, 10, kGrey);
      DrawRaised(c, 9, 10, 14, 13);
    },
    // Menu: a bar with a drop-down list.
    [](CPixelCanvas& c) {
      c.FillRect(0, 1, 16, 5, kSilver);
      c.FrameRect(0, 1, 16, 5, kGrey);
      c.Line(2, 3, 4, 3, kBlack);
      c.Line(8, 3, 11, 3, kBlack);
      c.FillRect(1, 2, 6, 4, kNavy);
      c.Line(2, 3, 4, 3, kWhite);
      c.FillRect(1, 5, 11, 15, kPaper);
      c.FrameRect(1, 5, 11, 15, kGrey);
      DrawLines(c, 3, 7, 3, {{0, 5, kBlack}, {0, 6, kBlack}, {0, 4, kBlack}});
    },
    // Other control or string: a text field with its caret.
    [](CPixelCanvas& c) {
      c.FillRect(0, 3, 16, 13, kPaper);
      c.Line(0, 3, 15, 3, kGrey);
      c.Line(0, 3, 0, 12, kGrey);
      c.Line(1, 4, 14, 4, kBlack);
      c.Line(1, 4, 1, 11, kBlack);
      c.Line(0, 12, 15, 12, kSilver);
      c.Line(15, 3, 15, 12, kSilver);
      DrawBitmapText(c, 3, 6, {".....#...", "..##.#...", ".#.#.##..", ".#.#.#.#.", "..##.##.."}, kBlack);
      c.Line(11, 6, 11, 10, kBlue);
    },
    // Menu item: one chosen line with a check mark.
    [](CPixelCanvas& c) {
      c.FillRect(0, 4, 16, 12, kNavy);
      DrawBitmapText(c, 1, 5, {"....#", "...##", "#.##.", "###..", ".#..."}, kWhite);
      c.Line(7, 7, 14, 7, kWhite);
    },
    // String table: numbered rows.
    [](CPixelCanvas& c) {
      c.FillRect(0, 1, 16, 15, kPaper);
      c.FrameRect(0, 1, 16, 15, kGrey);
      c.FillRect(1, 2, 15, 4, kTeal);
      c.Line(5, 4, 5, 13, kSilver);
      for (int32_t row = 6; row <= 12; row += 3) {
        c.Line(2, row, 3, row, kNavy);
        c.Line(7, row, row == 9 ? 11 : 13, row, kBlack);
      }
    },
    // Popup: a list whose middle line opens another.
    [](CPixelCanvas& c) {
      c.FillRect(1, 1, 15, 15, kPaper);
      c.FrameRect(1, 1, 15, 15, kGrey);
      c.FillRect(2, 6, 14, 10, kNavy);
      DrawLines(c, 4, 4, 4, {{0, 6, kBlack}, {0, 6, kWhite}, {0, 5, kBlack}});
      c.FillPolygon({{11, 6}, {11, 10}, {13, 8}}, kWhite);
    },
    // Button.
    [](CPixelCanvas& c) {
      c.FrameRect(0, 3, 16, 13, kBlack);
      DrawRaised(c, 1, 4, 14, 11);
      c.Line(5, 7, 10, 7, kBlack);
      c.Line(5, 8, 10, 8, kBlack);
    },
    // Group box: an etched frame with a label in its top line.
    [](CPixelCanvas& c) {
      c.FrameRect(0, 4, 15, 15, kGrey);
      c.FrameRect(1, 5, 16, 16, kSilver);
      c.FillRect(2, 2, 11, 7, kWhite);
      c.Line(3, 4, 9, 4, kBlack);
      c.Line(3, 5, 9, 5, kBlack);
      DrawLines(c, 4, 9, 3, {{0, 7, kGrey}, {0, 5, kGrey}});
    },
    // Static text.
    [](CPixelCanvas& c) {
      DrawBitmapText(c, 1, 3,
                     {"...##.......", "...##.......", "..#..#......", "..#..#..###.", ".#....#....#",
                      ".######.####", "#......##..#", "#......##..#", "#......#.###"},
                     kBlack);
    },
};

const SmallPicture kFilePictures[] = {
    // Language file: a page with a globe.
    [](CPixelCanvas& c) {
      DrawPage(c, 1, 0, 12, 15, 4, kPaper, kGrey);
      DrawLines(c, 3, 5, 2, {{0, 5, kGrey}, {0, 4, kGrey}});
      c.FillDisc(10.5, 11, 5, kNavy);
      c.FillDisc(10.5, 11, 4.2, kBlue);
      c.FillPolygon({{8, 8}, {11, 7.5}, {11, 11}, {9, 13}, {8, 11}}, kLime);
      c.FillPolygon({{12, 11}, {14, 10}, {14, 13}, {12, 14}}, kLime);
    },
    // Script: a page of coloured lines.
    [](CPixelCanvas& c) {
      DrawPage(c, 2, 0, 13, 15, 4, kPaper, kGrey);
      DrawLines(c, 4, 4, 2,
                {{0, 4, kNavy}, {2, 5, kBlack}, {2, 4, kTeal}, {0, 7, kNavy}, {2, 5, kBlack}, {0, 3, kTeal}});
    },
    // Project: a folder holding a page.
    [](CPixelCanvas& c) {
      DrawFolder(c, 0, 2, 15, 14, 5, Rgb(240, 200, 60), Rgb(140, 100, 0));
      DrawPage(c, 3, 1, 11, 9, 2, kPaper, kGrey);
      c.FillRect(1, 7, 15, 14, Rgb(250, 220, 90));
      c.Line(0, 6, 15, 6, Rgb(140, 100, 0));
    },
};

template <size_t N>
CRgbImage DrawStrip(const SmallPicture (&pictures)[N]) {
  CPixelCanvas strip(kSmallImageSize * static_cast<int32_t>(N), kSmallImageSize, kWhite);
  for (size_t i = 0; i < N; ++i) {
    CPixelCanvas cell(kSmallImageSize, kSmallImageSize, kWhite);
    pictures[i](cell);
    strip.Draw(cell, kSmallImageSize * static_cast<int32_t>(i), 0);
  }
  return strip.image();
}

// ---------------------------------------------------------------------------
// The icon and the information box's picture, drawn at four times their size
// and reduced, so that their curves come out smooth.

constexpr int32_t kDetail = 4;

// A speech bubble: a rounded box with a tail at the bottom, in units of the
// picture (u pixels each).
void DrawBubble(CPixelCanvas& c, double u, double x0, double y0, double x1, double y1, bool tailLeft,
                uint32_t fill, uint32_t rim) {
  const double radius = 3 * u;
  auto rounded = [&](double grow) {
    return [=](CPoint2 p) {
      const double dx = std::max({x0 * u + radius - p.x, 0.0, p.x - (x1 * u - radius)});
      const double dy = std::max({y0 * u + radius - p.y, 0.0, p.y - (y1 * u - radius)});
      return std::hypot(dx, dy) <= radius + grow;
    };
  };
  const double tx = tailLeft ? x0 + 3 : x1 - 3;
  const double tip = tailLeft ? x0 + 1 : x1 - 1;
  const std::vector<CPoint2> tail = {
      {tx * u - 2 * u, y1 * u - u}, {tx * u + 2 * u, y1 * u - u}, {tip * u, (y1 + 4) * u}};
  const double line = 1.0 * u;
  c.FillWhere(rounded(line), rim);
  c.FillPolygon({{tail[0].x - line, tail[0].y}, {tail[1].x + line, tail[1].y}, {tail[2].x, tail[2].y + 1.6 * line}},
                rim);
  c.FillWhere(rounded(0), fill);
  c.FillPolygon(tail, fill);
}

// The letter A and the character for "writing", in a box of the given size
// with its top-left corner at (x, y), in picture units.
void DrawLetterA(CPixelCanvas& c, double u, double x, double y, double size, double weight, uint32_t colour) {
  auto p = [&](double fx, double fy) { return CPoint2{(x + fx * size) * u, (y + fy * size) * u}; };
  c.Stroke(p(0.1, 1), p(0.5, 0), weight * u, colour);
  c.Stroke(p(0.5, 0), p(0.9, 1), weight * u, colour);
  c.Stroke(p(0.27, 0.62), p(0.73, 0.62), weight * u, colour);
}

void DrawWritingSign(CPixelCanvas& c, double u, double x, double y, double size, double weight,
                     uint32_t colour) {
  auto p = [&](double fx, double fy) { return CPoint2{(x + fx * size) * u, (y + fy * size) * u}; };
  c.Stroke(p(0.45, -0.02), p(0.55, 0.1), weight * u, colour);
  c.Stroke(p(0.02, 0.3), p(0.98, 0.3), weight * u, colour);
  c.Stroke(p(0.78, 0.42), p(0.05, 1), weight * u, colour);
  c.Stroke(p(0.24, 0.42), p(0.95, 1), weight * u, colour);
}

constexpr uint32_t kBubbleBlue = Rgb(40, 110, 210);
constexpr uint32_t kBubbleBlueRim = Rgb(20, 60, 140);
constexpr uint32_t kBubbleOrange = Rgb(245, 150, 30);
constexpr uint32_t kBubbleOrangeRim = Rgb(170, 80, 10);

// Two bubbles, a blue one with an A and an orange one with the character for
// writing, filling a square of 32 picture units of u pixels each.
void DrawBubbles(CPixelCanvas& c, double u, double weight) {
  DrawBubble(c, u, 1.5, 1.5, 20, 17, true, kBubbleBlue, kBubbleBlueRim);
  DrawLetterA(c, u, 5.2, 3.8, 11, weight, kWhite);
  DrawBubble(c, u, 12, 12.5, 30.5, 27.5, false, kBubbleOrange, kBubbleOrangeRim);
  DrawWritingSign(c, u, 15.8, 14.5, 11, weight, kWhite);
}

}  // namespace

CRgbImage DrawButton(ButtonPicture picture, ButtonState state) {
  CPixelCanvas c(kButtonSize, kButtonSize, kSilver);
  DrawButtonFrame(c, state);
  const int32_t offset = (kButtonSize - kGlyphSize) / 2 + (state == ButtonState::kPressed ? 1 : 0);
  c.Draw(Restyled(DrawGlyph(picture), state), offset, offset);
  return c.image();
}

CRgbImage DrawTreeImages() { return DrawStrip(kTreePictures); }

CRgbImage DrawFileImages() { return DrawStrip(kFilePictures); }

CRgbImage DrawAboutPicture() {
  const int32_t size = kAboutPictureSize * kDetail;
  const double u = size / 32.0;
  CPixelCanvas c(size, size, kClear);
  // A sky from light to deeper blue, and a globe rising behind the bubbles.
  for (int32_t y = 0; y < size; ++y) {
    const uint32_t t = static_cast<uint32_t>(y * 255 / size);
    c.FillRect(0, y, size, y + 1, Rgb(236 - t * 50 / 255, 244 - t * 34 / 255, 255 - t * 15 / 255));
  }
  const double gx = 22 * u;
  const double gy = 25 * u;
  const double gr = 13 * u;
  c.FillDisc(gx, gy, gr + 0.6 * u, Rgb(30, 80, 150));
  c.FillDisc(gx, gy, gr, Rgb(90, 160, 225));
  const double grid = 0.45 * u;
  for (double a : {0.35, 0.75}) {
    c.FillWhere(
        [&](CPoint2 p) {
          const double ex = (p.x - gx) / (gr * a);
          const double ey = (p.y - gy) / gr;
          const double r = std::hypot(ex, ey);
          return std::hypot(p.x - gx, p.y - gy) < gr && std::abs(r - 1) * gr * a < grid;
        },
        Rgb(200, 228, 250));
  }
  for (double fy : {-0.5, 0.0, 0.5}) {
    const double yy = gy + fy * gr;
    const double half = std::sqrt(1 - fy * fy) * gr;
    c.Stroke({gx - half, yy}, {gx + half, yy}, 2 * grid, Rgb(200, 228, 250));
  }
  c.Stroke({gx, gy - gr}, {gx, gy + gr}, 2 * grid, Rgb(200, 228, 250));
  DrawBubbles(c, u * 0.9, 2.2);
  return c.Reduced(kDetail).image();
}

std::vector<CRgbImage> DrawToolIcon() {
  std::vector<CRgbImage> icons;
  for (int32_t size : {32, 16}) {
    CPixelCanvas c(size * kDetail, size * kDetail, kClear);
    DrawBubbles(c, size * kDetail / 32.0, size == 16 ? 3.2 : 2.6);
    icons.push_back(c.Reduced(kDetail).image());
  }
  return icons;
}

}  // namespace tolmeric
