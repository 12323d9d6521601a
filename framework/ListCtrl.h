// The framework's list control (the common list view), usually a control of
// a dialog template taken over with SubclassDlgItem.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/ImageList.h"
#include "framework/String.h"
#include "framework/Wnd.h"

namespace tolmeric {

class CListCtrl : public CWnd {
  DECLARE_DYNAMIC(CListCtrl)

 public:
  CListCtrl() = default;

  // Shows images as the list's LVSIL_NORMAL, LVSIL_SMALL or LVSIL_STATE
  // images (null: none); returns the list shown before.
  HIMAGELIST SetImageList(CImageList* images, int kind) {
    return reinterpret_cast<HIMAGELIST>(SendMessage(
        LVM_SETIMAGELIST, kind, reinterpret_cast<LPARAM>(images ? images->m_hImageList : nullptr)));
  }
  // Inserts a row with text and image at index item; its index, or -1.
  int InsertItem(int item, LPCTSTR text, int image);
  BOOL DeleteAllItems() { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }
  int GetItemCount() const {
    return static_cast<int>(::SendMessageW(m_hWnd, LVM_GETITEMCOUNT, 0, 0));
  }
  UINT GetSelectedCount() const {
    return static_cast<UINT>(::SendMessageW(m_hWnd, LVM_GETSELECTEDCOUNT, 0, 0));
  }
  // The bits of mask (LVIS_SELECTED, ...) that are set in the row's state.
  UINT GetItemState(int item, UINT mask) const {
    return static_cast<UINT>(::SendMessageW(m_hWnd, LVM_GETITEMSTATE, item, mask));
  }
  BOOL SetItemState(int item, UINT state, UINT mask);
  // The text of a row (subItem 0) or of one of its columns.
  CString GetItemText(int item, int subItem) const;
  // The next row after item (-1: from the start) with the flags (LVNI_...);
  // -1 when there is none.
  int GetNextItem(int item, int flags) const {
    return static_cast<int>(::SendMessageW(m_hWnd, LVM_GETNEXTITEM, item, MAKELPARAM(flags, 0)));
  }
  // The room of each icon in icon view, in pixels.
  DWORD SetIconSpacing(int width, int height) {
    return static_cast<DWORD>(SendMessage(LVM_SETICONSPACING, 0, MAKELPARAM(width, height)));
  }
};

}  // namespace tolmeric
