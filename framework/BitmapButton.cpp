#include "framework/BitmapButton.h"

namespace tolmeric {

namespace {

// Loads id into bitmap; TRUE for no bitmap wanted (0).
BOOL LoadOptional(CBitmap& bitmap, UINT id) { return id == 0 || bitmap.LoadBitmap(id); }

}  // namespace

IMPLEMENT_DYNAMIC(CBitmapButton, CButton)

BOOL CBitmapButton::LoadBitmaps(UINT normalId, UINT selectedId, UINT focusId, UINT disabledId) {
  m_bitmap.DeleteObject();
  m_bitmapSel.DeleteObject();
  m_bitmapFocus.DeleteObject();
  m_bitmapDisabled.DeleteObject();
  const BOOL normal = m_bitmap.LoadBitmap(normalId);
  const BOOL selected = LoadOptional(m_bitmapSel, selectedId);
  const BOOL focus = LoadOptional(m_bitmapFocus, focusId);
  const BOOL disabled = LoadOptional(m_bitmapDisabled, disabledId);
  return normal && selected && focus && disabled;
}

void CBitmapButton::SizeToContent() {
  BITMAP info{};
  if (!m_bitmap.GetBitmap(&info)) return;
  ::SetWindowPos(m_hWnd, nullptr, 0, 0, info.bmWidth, info.bmHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CBitmapButton::DrawItem(LPDRAWITEMSTRUCT item) {
  const CBitmap* bitmap = &m_bitmap;
  if ((item->itemState & ODS_SELECTED) && m_bitmapSel.m_hObject) {
    bitmap = &m_bitmapSel;
  } else if ((item->itemState & ODS_FOCUS) && m_bitmapFocus.m_hObject) {
    bitmap = &m_bitmapFocus;
  } else if ((item->itemState & ODS_DISABLED) && m_bitmapDisabled.m_hObject) {
    bitmap = &m_bitmapDisabled;
  }
  if (!bitmap->m_hObject) return;
  HDC memory = ::CreateCompatibleDC(item->hDC);
  HGDIOBJ old = ::SelectObject(memory, bitmap->m_hObject);
  const RECT& rect = item->rcItem;
  ::BitBlt(item->hDC, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, memory,
           0, 0, SRCCOPY);
  ::SelectObject(memory, old);
  ::DeleteDC(memory);
}

}  // namespace tolmeric
