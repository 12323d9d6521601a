#include "app/FileListCtrl.h"

namespace tolmeric {

namespace {

// The file images: 16-pixel cells, white transparent.
constexpr UINT kFileImages = 133;
constexpr int kFileImagePixels = 16;
constexpr COLORREF kFileImageBackground = RGB(255, 255, 255);

}  // namespace

CFileListCtrl::~CFileListCtrl() {
  if (!m_hWnd) return;
  SetImageList(nullptr, LVSIL_SMALL);
  Detach();
}

BOOL CFileListCtrl::AttachToDialogItem(CWnd& dialog, UINT id) {
  if (!SubclassDlgItem(id, &dialog)) return FALSE;
  // The images are ours: the list must not destroy them with itself.
  ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, GetStyle() | LVS_SHAREIMAGELISTS);
  if (images_.m_hImageList ||
      images_.Create(kFileImages, kFileImagePixels, 0, kFileImageBackground)) {
    SetImageList(&images_, LVSIL_SMALL);
  }
  return TRUE;
}

}  // namespace tolmeric
