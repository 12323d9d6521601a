// The tree view of the texts: one item per text of the tree, with the image
// of its kind. It only shows them; the items cannot be edited.
#pragma once

#include <windows.h>

#include <vector>

#include "app/TreeViewItems.h"
#include "framework/ImageList.h"
#include "framework/TreeCtrl.h"

namespace tolmeric {

class CTextTreeView : public CTreeCtrl {
 public:
  CTextTreeView() = default;

  // The tree view as a visible child id of parent, with buttons and lines
  // (at the top level too) and the kind images.
  BOOL Create(CWnd* parent, UINT id, const RECT& rect);
  // Shows items in place of the present ones, each as the last child of its
  // parent; an item whose parent is not an earlier item goes to the top
  // level.
  void Fill(const std::vector<CTreeViewItem>& items);

 private:
  CImageList images_;
};

}  // namespace tolmeric
