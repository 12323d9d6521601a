// What the tool's tree view shows, decided without the window: the items in
// the order they are inserted, each after its parent.
#pragma once

#include <cstdint>
#include <string>

namespace tolmeric {

struct CTreeViewItem {
  std::u16string text;
  // The image of the kind of text (the same when the item is selected).
  int32_t image;
  // The index of the parent item, earlier in the list; -1 at the top level.
  int32_t parent;
};

}  // namespace tolmeric
