#include "framework/TabCtrl.h"

namespace tolmeric {

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)

}  // namespace tolmeric
