// A document's window inside the main frame. Its menu (IDR_DEMOTYPE) takes
// over the frame's menu bar while it is active; the base class translates
// the bar after each such change.
#pragma once

#include "runtime/BaseClassesWin32.h"

namespace demo {
using namespace tolmeric;

class CChildFrame : public __X_CMDIChildWnd {
  DECLARE_DYNCREATE(CChildFrame)

 public:
  CChildFrame() = default;
};

}  // namespace demo
