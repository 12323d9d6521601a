// A point in pixels, as window messages carry it.
#pragma once

#include <windows.h>

namespace tolmeric {

struct CPoint : POINT {
  CPoint() : POINT{0, 0} {}
  CPoint(int px, int py) : POINT{px, py} {}
};

}  // namespace tolmeric
