#include "framework/StatusBar.h"

#include <commctrl.h>

#include "framework/WinApp.h"

namespace tolmeric {

namespace {

// The width of text in the bar's font, with the pane's borders.
int TextWidth(HWND bar, const CString& text) {
  HDC context = ::GetDC(bar);
  HGDIOBJ old = ::SelectObject(
      context, reinterpret_cast<HGDIOBJ>(::SendMessageW(bar, WM_GETFONT, 0, 0)));
  SIZE size{};
  ::GetTextExtentPoint32W(context, text, text.GetLength(), &size);
  ::SelectObject(context, old);
  ::ReleaseDC(bar, context);
  return size.cx + 2 * ::GetSystemMetrics(SM_CXEDGE) + 8;
}

}  // namespace

IMPLEMENT_DYNAMIC(CStatusBar, CWnd)

BOOL CStatusBar::Create(CWnd* parent, DWORD style, UINT id) {
  HWND bar = ::CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, style | WS_CHILD, 0, 0, 0, 0,
                               parent ? parent->m_hWnd : nullptr,
                               reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                               AfxGetInstanceHandle(), nullptr);
  return bar && SubclassWindow(bar);
}

BOOL CStatusBar::SetIndicators(const UINT* ids, int count) {
  if (count < 1) return FALSE;
  widths_.clear();
  std::vector<CString> texts;
  for (int index = 0; index < count; ++index) {
    texts.emplace_back(ids[index] == ID_SEPARATOR ? nullptr : MAKEINTRESOURCEW(ids[index]));
    if (index > 0) widths_.push_back(TextWidth(m_hWnd, texts.back()));
  }
  UpdatePanes();
  for (int index = 0; index < count; ++index) SetPaneText(index, texts[index]);
  return TRUE;
}

void CStatusBar::UpdatePanes() {
  RECT client{};
  GetClientRect(&client);
  // Right edges: pane 0 takes what the indicators leave; the last pane ends
  // at the bar's right edge.
  std::vector<int> edges(widths_.size() + 1);
  int right = client.right;
  for (size_t pane = widths_.size(); pane > 0; --pane) {
    edges[pane] = pane == widths_.size() ? -1 : right;
    right -= widths_[pane - 1];
  }
  edges[0] = widths_.empty() ? -1 : right;
  SendMessage(SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

BOOL CStatusBar::SetPaneText(int index, LPCTSTR text, BOOL update) {
  const BOOL set =
      static_cast<BOOL>(SendMessage(SB_SETTEXTW, index, reinterpret_cast<LPARAM>(text)));
  if (update) ::UpdateWindow(m_hWnd);
  return set;
}

CString CStatusBar::GetPaneText(int index) const {
  const LRESULT length = ::SendMessageW(m_hWnd, SB_GETTEXTLENGTHW, index, 0);
  std::wstring text(LOWORD(length) + 1u, L'\0');
  ::SendMessageW(m_hWnd, SB_GETTEXTW, index, reinterpret_cast<LPARAM>(text.data()));
  return CString(text.c_str());
}

}  // namespace tolmeric
