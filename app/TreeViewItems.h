// What the tool's tree view shows, decided without the window: the items in
// the order they are inserted, each after its parent.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tolmeric {

class CProject;
class CTextNode;

struct CTreeViewItem {
  std::u16string text;
  // The image of the kind of text (the same when the item is selected).
  int32_t image;
  // The index of the parent item, earlier in the list; -1 at the top level.
  int32_t parent;
};

// The items of a tree: the root's children and all below them, depth first
// in child order, each with its text and the image of its kind; the root
// itself is not shown.
std::vector<CTreeViewItem> TreeViewItemsOf(const CTextNode& root);

// The items of the project's tree; with the test version on, the texts as
// the test language file holds them. None without a tree.
std::vector<CTreeViewItem> TreeViewItemsOf(const CProject& project);

}  // namespace tolmeric
