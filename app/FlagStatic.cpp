#include "app/FlagStatic.h"

#include "app/FlagChoice.h"

namespace tolmeric {

BEGIN_MESSAGE_MAP(CFlagStatic, CStatic)
  ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL CFlagStatic::Create(CWnd* parent, const RECT& rect, HBITMAP flag) {
  flag_.DeleteObject();
  flag_.Attach(flag);
  if (!CStatic::Create(L"", WS_CHILD | WS_VISIBLE, rect, parent)) return FALSE;
  ShowWindow(SW_SHOW);
  return TRUE;
}

void CFlagStatic::OnPaint() {
  PAINTSTRUCT paint{};
  HDC dc = ::BeginPaint(m_hWnd, &paint);
  // Beside the flag, the background a static of the parent has.
  const auto background = reinterpret_cast<HBRUSH>(::SendMessageW(
      ::GetParent(m_hWnd), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
      reinterpret_cast<LPARAM>(m_hWnd)));
  if (background) ::FillRect(dc, &paint.rcPaint, background);
  if (flag_.m_hObject) {
    HDC memory = ::CreateCompatibleDC(dc);
    HGDIOBJ old = ::SelectObject(memory, flag_.m_hObject);
    ::BitBlt(dc, 0, 0, kFlagCellPixels, kFlagCellPixels, memory, 0, 0, SRCCOPY);
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
  }
  ::EndPaint(m_hWnd, &paint);
}

}  // namespace tolmeric
