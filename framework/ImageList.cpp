#include "framework/ImageList.h"

#include "framework/Bitmap.h"

namespace tolmeric {

BOOL CImageList::Create(UINT bitmapId, int width, int grow, COLORREF mask) {
  if (m_hImageList || width <= 0) return FALSE;
  CBitmap bitmap;
  BITMAP info{};
  if (!bitmap.LoadBitmap(bitmapId) || !bitmap.GetBitmap(&info)) return FALSE;
  // A list of full colour: the images keep their colours whatever the
  // bitmap's depth and palette.
  m_hImageList = ::ImageList_Create(width, info.bmHeight, ILC_COLOR24 | ILC_MASK,
                                    info.bmWidth / width, grow);
  if (m_hImageList && ::ImageList_AddMasked(m_hImageList, bitmap, mask) >= 0) return TRUE;
  DeleteImageList();
  return FALSE;
}

BOOL CImageList::DeleteImageList() {
  if (!m_hImageList) return FALSE;
  HIMAGELIST list = m_hImageList;
  m_hImageList = nullptr;
  return ::ImageList_Destroy(list);
}

}  // namespace tolmeric
