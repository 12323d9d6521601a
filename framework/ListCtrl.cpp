#include "framework/ListCtrl.h"

#include <vector>

namespace tolmeric {

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

int CListCtrl::InsertItem(int item, LPCTSTR text, int image) {
  LVITEMW row{};
  row.mask = LVIF_TEXT | LVIF_IMAGE;
  row.iItem = item;
  row.pszText = const_cast<LPWSTR>(text);
  row.iImage = image;
  return static_cast<int>(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row)));
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask) {
  LVITEMW row{};
  row.state = state;
  row.stateMask = mask;
  return static_cast<BOOL>(SendMessage(LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&row)));
}

CString CListCtrl::GetItemText(int item, int subItem) const {
  // The list copies at most the buffer's room: grow it until the text fits.
  std::vector<wchar_t> buffer(256);
  for (;;) {
    LVITEMW row{};
    row.iSubItem = subItem;
    row.pszText = buffer.data();
    row.cchTextMax = static_cast<int>(buffer.size());
    const int length = static_cast<int>(
        ::SendMessageW(m_hWnd, LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&row)));
    if (length < static_cast<int>(buffer.size()) - 1) return CString(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace tolmeric
