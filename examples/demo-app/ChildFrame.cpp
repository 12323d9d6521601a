#include "examples/demo-app/ChildFrame.h"

namespace demo {

IMPLEMENT_DYNCREATE(CChildFrame, __X_CMDIChildWnd)

}  // namespace demo
