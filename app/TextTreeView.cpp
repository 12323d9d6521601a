#include "app/TextTreeView.h"

#include "runtime/WideTextWin32.h"

namespace tolmeric {

namespace {

// The kind images: 16-pixel cells, white transparent.
constexpr UINT kKindImages = 132;
constexpr int kKindImagePixels = 16;
constexpr COLORREF kKindImageBackground = RGB(255, 255, 255);

}  // namespace

BOOL CTextTreeView::Create(CWnd* parent, UINT id, const RECT& rect) {
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | TVS_HASBUTTONS |
                      TVS_HASLINES | TVS_LINESATROOT;
  if (!CTreeCtrl::Create(style, rect, parent, id)) return FALSE;
  if (images_.Create(kKindImages, kKindImagePixels, 0, kKindImageBackground)) {
    SetImageList(&images_, TVSIL_NORMAL);
  }
  ShowWindow(SW_SHOW);
  return TRUE;
}

void CTextTreeView::Fill(const std::vector<CTreeViewItem>& items) {
  // A large tree is filled without drawing each step.
  SendMessage(WM_SETREDRAW, FALSE);
  DeleteAllItems();
  std::vector<HTREEITEM> inserted(items.size(), nullptr);
  for (size_t i = 0; i < items.size(); ++i) {
    const CTreeViewItem& item = items[i];
    const bool hasParent = item.parent >= 0 && static_cast<size_t>(item.parent) < i &&
                           inserted[static_cast<size_t>(item.parent)] != nullptr;
    HTREEITEM parent = hasParent ? inserted[static_cast<size_t>(item.parent)] : TVI_ROOT;
    inserted[i] = InsertItem(Wide(item.text), item.image, item.image, parent, TVI_LAST);
  }
  SendMessage(WM_SETREDRAW, TRUE);
  Invalidate();
}

}  // namespace tolmeric
