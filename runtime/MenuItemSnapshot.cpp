#include "runtime/MenuItemSnapshot.h"

#include <utility>

namespace tolmeric {

namespace {

std::unique_ptr<CMenuItemSnapshot> TakePopup(const IWindowSystem& windows, MenuId menu,
                                             std::u16string text, int32_t depth) {
  auto popup = std::make_unique<CMenuItemSnapshot>(std::move(text), menu);
  const int32_t count = windows.MenuItemCount(menu);
  for (int32_t p = 0; p < count; ++p) {
    std::u16string itemText = windows.MenuItemText(menu, p);
    const MenuId submenu = windows.SubMenu(menu, p);
    std::unique_ptr<CMenuItemSnapshot> slot;
    if (submenu != 0) {
      if (depth < kMaxMenuDepth) slot = TakePopup(windows, submenu, std::move(itemText), depth + 1);
    } else if (const int32_t id = windows.MenuItemId(menu, p); id != 0) {
      slot = std::make_unique<CMenuItemSnapshot>(std::move(itemText), id);
    }
    popup->items.push_back(std::move(slot));
  }
  return popup;
}

}  // namespace

CMenuItemSnapshot::CMenuItemSnapshot(std::u16string text, MenuId submenu)
    : text(std::move(text)), commandId(-1), submenu(submenu) {}

CMenuItemSnapshot::CMenuItemSnapshot(std::u16string text, int32_t commandId)
    : text(std::move(text)), commandId(commandId) {}

std::unique_ptr<CMenuItemSnapshot> CMenuItemSnapshot::Take(const IWindowSystem& windows,
                                                           MenuId menu, std::u16string text) {
  return TakePopup(windows, menu, std::move(text), 1);
}

int32_t CMenuItemSnapshot::ItemCount() const {
  int32_t count = 1;
  for (const auto& item : items) {
    if (item) count += item->ItemCount();
  }
  return count;
}

}  // namespace tolmeric
