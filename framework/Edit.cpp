#include "framework/Edit.h"

#include "framework/Control.h"

namespace tolmeric {

IMPLEMENT_DYNAMIC(CEdit, CWnd)

BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return AfxCreateControl(*this, L"EDIT", L"", style, rect, parent, id);
}

BOOL CEdit::CreateEx(DWORD exStyle, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return AfxCreateControl(*this, L"EDIT", L"", style, rect, parent, id, exStyle);
}

}  // namespace tolmeric
