// The framework's tree control (the common tree view).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/ImageList.h"
#include "framework/Wnd.h"

namespace tolmeric {

class CTreeCtrl : public CWnd {
  DECLARE_DYNAMIC(CTreeCtrl)

 public:
  CTreeCtrl() = default;

  // A child tree view with the TVS_ styles given.
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
  // Shows images as the tree's TVSIL_NORMAL or TVSIL_STATE images (null:
  // none); returns the list shown before. The tree never destroys them.
  HIMAGELIST SetImageList(CImageList* images, int kind) {
    return reinterpret_cast<HIMAGELIST>(SendMessage(
        TVM_SETIMAGELIST, kind, reinterpret_cast<LPARAM>(images ? images->m_hImageList : nullptr)));
  }
  // A new item below parent, after the item after (TVI_LAST, TVI_FIRST or
  // a sibling); null when it cannot be inserted.
  HTREEITEM InsertItem(LPCTSTR text, int image, int selectedImage, HTREEITEM parent = TVI_ROOT,
                       HTREEITEM after = TVI_LAST);
  BOOL DeleteAllItems() {
    return static_cast<BOOL>(SendMessage(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)));
  }
  UINT GetCount() const { return static_cast<UINT>(::SendMessageW(m_hWnd, TVM_GETCOUNT, 0, 0)); }
};

}  // namespace tolmeric
