// An image list of the common controls, owned by its framework object and
// destroyed with it. A control shows it without taking it over (a list view
// needs LVS_SHAREIMAGELISTS for that).
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace tolmeric {

class CImageList {
 public:
  CImageList() = default;
  ~CImageList() { DeleteImageList(); }
  CImageList(const CImageList&) = delete;
  CImageList& operator=(const CImageList&) = delete;

  // The images of a bitmap resource side by side, each width pixels wide,
  // in full colour; the list grows by grow images; pixels of colour mask
  // are transparent. FALSE when the bitmap cannot be loaded or this holds a
  // list already.
  BOOL Create(UINT bitmapId, int width, int grow, COLORREF mask);
  BOOL DeleteImageList();
  int GetImageCount() const { return ::ImageList_GetImageCount(m_hImageList); }
  HIMAGELIST GetSafeHandle() const { return m_hImageList; }
  operator HIMAGELIST() const { return m_hImageList; }

  HIMAGELIST m_hImageList = nullptr;
};

}  // namespace tolmeric
