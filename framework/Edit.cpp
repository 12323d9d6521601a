#include "framework/Edit.h"

#include "framework/WinApp.h"

namespace tolmeric {

IMPLEMENT_DYNAMIC(CEdit, CWnd)

BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CreateEx(0, style, rect, parent, id);
}

BOOL CEdit::CreateEx(DWORD exStyle, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  HWND window = ::CreateWindowExW(exStyle, L"EDIT", L"", style | WS_CHILD, rect.left, rect.top,
                                  rect.right - rect.left, rect.bottom - rect.top,
                                  parent ? parent->m_hWnd : nullptr,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                  AfxGetInstanceHandle(), nullptr);
  return window && Attach(window);
}

}  // namespace tolmeric
