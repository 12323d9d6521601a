// A live menu read item by item, as the menu matching sees it: a tree of
// items with their texts (read whole) and command identifiers, one slot per
// position, and an empty slot for a separator or an item without command.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "runtime/WindowSystem.h"

namespace tolmeric {

class CMenuItemSnapshot {
 public:
  // A popup: commandId -1, its menu in submenu, one slot per position.
  CMenuItemSnapshot(std::u16string text, MenuId submenu);
  // A command item.
  CMenuItemSnapshot(std::u16string text, int32_t commandId);
  virtual ~CMenuItemSnapshot() = default;

  // Reads the menu and its submenus (at most kMaxMenuDepth levels deep, so
  // a menu that contains itself cannot loop).
  static std::unique_ptr<CMenuItemSnapshot> Take(const IWindowSystem& windows, MenuId menu,
                                                 std::u16string text = {});

  bool IsPopup() const { return commandId == -1; }
  // 1 plus the item counts of the non-empty slots.
  int32_t ItemCount() const;
  int32_t SlotCount() const { return static_cast<int32_t>(items.size()); }

  std::u16string text;
  int32_t commandId = -1;
  MenuId submenu = 0;
  std::vector<std::unique_ptr<CMenuItemSnapshot>> items;
};

}  // namespace tolmeric
