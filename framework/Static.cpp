#include "framework/Static.h"

#include "framework/Control.h"

namespace tolmeric {

IMPLEMENT_DYNAMIC(CStatic, CWnd)

BOOL CStatic::Create(LPCTSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return AfxCreateControl(*this, L"STATIC", text, style, rect, parent, id);
}

}  // namespace tolmeric
