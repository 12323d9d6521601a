// Draws a flag from its compact description into a language file's 32 by 32
// image. The flag itself is 30 by 20 pixels (3:2), framed by a one-pixel
// dark line and centred vertically; the rest of the image is the light grey
// that the flag strip treats as transparent.
//
// A description is a sequence of steps separated by ';', painted in order.
// Numbers are flag units (the flag is 30 wide and 20 high, origin at the top
// of the hoist), colours six hex digits RRGGBB:
//   h C[*w],C[*w],...      horizontal stripes from the top, relative heights w
//   v C[*w],C[*w],...      vertical stripes from the hoist, relative widths w
//   rect x0,y0,x1,y1,C     a rectangle
//   poly x,y,x,y,x,y,...,C a polygon (three corners or more)
//   bar x0,y0,x1,y1,w,C    a straight band of width w between two points
//   cross x,y,w,C          a cross of bands of width w through (x, y), edge to edge
//   saltire w,C            diagonal bands of width w from corner to corner
//   disc cx,cy,r,C         a disc
//   ring cx,cy,r,w,C       a ring of width w inside radius r
//   pie cx,cy,r,a0,a1,C    the sector from angle a0 to a1 (degrees, clockwise
//                          from the fly side)
//   star cx,cy,r,C[,a[,n[,i]]]  a star of outer radius r turned a degrees, with
//                          n points (5) and inner radius i times r (regular)
//   clip x0,y0,x1,y1       later steps paint only inside this rectangle
//   clip off               they paint the whole flag again
// Stripe edges fall on whole pixels; every other shape is smoothed.
#pragma once

#include <cstdint>
#include <string_view>

#include "LanguageData.h"

namespace tolmeric {

inline constexpr int32_t kFlagWidth = 30;
inline constexpr int32_t kFlagHeight = 20;
inline constexpr int32_t kFlagTop = (kFlagSize - kFlagHeight) / 2;
inline constexpr int32_t kFlagLeft = (kFlagSize - kFlagWidth) / 2;
// Colour values, red in the lowest byte.
inline constexpr uint32_t kFlagBackground = 0xC0C0C0;
inline constexpr uint32_t kFlagFrame = 0x404040;

// The image of a description. Throws std::invalid_argument naming the step
// when the description does not follow the words above.
FlagImage PaintFlag(std::string_view description);

}  // namespace tolmeric
