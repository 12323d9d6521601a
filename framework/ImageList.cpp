#include "framework/ImageList.h"

#include "framework/WinApp.h"

namespace tolmeric {

BOOL CImageList::Create(UINT bitmapId, int width, int grow, COLORREF mask) {
  if (m_hImageList) return FALSE;
  // A section keeps the bitmap's colours, so the list has its depth.
  m_hImageList = ::ImageList_LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(bitmapId), width,
                                        grow, mask, IMAGE_BITMAP, LR_CREATEDIBSECTION);
  return m_hImageList != nullptr;
}

BOOL CImageList::DeleteImageList() {
  if (!m_hImageList) return FALSE;
  HIMAGELIST list = m_hImageList;
  m_hImageList = nullptr;
  return ::ImageList_Destroy(list);
}

}  // namespace tolmeric
