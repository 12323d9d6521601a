#include "runtime/WindowRegistry.h"

#include <algorithm>
#include <set>
#include <utility>

#include "runtime/RuntimeModule.h"

namespace tolmeric {

void CWindowRegistry::Add(WindowId window, uint32_t mode) {
  IWindowSystem* windows = module_.Windows();
  if (!windows) return;
  const MenuId menu = windows->IsChildWindow(window) ? 0 : windows->Menu(window);
  entries_.push_back({window, mode, menu, false});
  Purge();
}

void CWindowRegistry::AddPopupMenu(MenuId menu) {
  entries_.push_back({0, 0, menu, true});
  Purge();
}

void CWindowRegistry::Purge() {
  IWindowSystem* windows = module_.Windows();
  // An entry goes when an earlier one (alive or not) has the same window and
  // menu, or when its window and menu are both gone; the rest keep their
  // order.
  std::set<std::pair<WindowId, MenuId>> earlier;
  std::vector<Entry> kept;
  kept.reserve(entries_.size());
  for (const Entry& entry : entries_) {
    const bool repeated = !earlier.insert({entry.window, entry.menu}).second;
    const bool alive = windows && (windows->IsWindow(entry.window) || windows->IsMenu(entry.menu));
    if (!repeated && alive) kept.push_back(entry);
  }
  entries_ = std::move(kept);
}

void CWindowRegistry::Forget(WindowId window) {
  if (window == 0) return;
  std::erase_if(entries_, [window](const Entry& entry) { return entry.window == window; });
}

bool CWindowRegistry::MenuContains(const IWindowSystem& windows, MenuId menu, MenuId wanted,
                                   int32_t depth) const {
  const int32_t count = windows.MenuItemCount(menu);
  for (int32_t p = 0; p < count; ++p) {
    const MenuId submenu = windows.SubMenu(menu, p);
    if (submenu == 0) continue;
    if (submenu == wanted) return true;
    if (depth < kMaxMenuDepth && MenuContains(windows, submenu, wanted, depth + 1)) return true;
  }
  return false;
}

bool CWindowRegistry::ContainsMenu(MenuId menu) const {
  const IWindowSystem* windows = module_.Windows();
  if (!windows || menu == 0) return false;
  for (const Entry& entry : entries_) {
    if (entry.menu == 0 || !windows->IsMenu(entry.menu)) continue;
    // A registered context menu itself is translated again when it opens
    // (its handle may have been given to a new menu); its submenus were
    // translated with it.
    if (!entry.popup && entry.menu == menu) return true;
    if (MenuContains(*windows, entry.menu, menu, 1)) return true;
  }
  return false;
}

void CWindowRegistry::Retranslate() {
  IWindowSystem* windows = module_.Windows();
  if (!windows) return;
  Purge();
  const CTextNode* menus = FindMenuCategory(module_.LookupData());
  // By index: translating may touch the registry.
  for (size_t i = 0; i < entries_.size(); ++i) {
    const Entry entry = entries_[i];
    std::unique_ptr<CWindowObjectLease> wrapper;
    if (windows->IsWindow(entry.window)) {
      wrapper = windows->LeaseWindowObject(entry.window, CreateWrapper());
      Translate(entry.window, entry.mode);
    }
    if (entry.menu != 0 && windows->IsMenu(entry.menu)) {
      module_.TranslateMenu(entry.menu, menus, entry.popup);
    }
  }
}

void CWindowRegistry::NotifyLanguageChanged() {
  IWindowSystem* windows = module_.Windows();
  if (!windows) return;
  // A copy, each window once: a window's answer may touch the registry.
  std::vector<WindowId> told;
  std::set<WindowId> seen;
  for (const Entry& entry : entries_) {
    if (entry.window != 0 && seen.insert(entry.window).second) told.push_back(entry.window);
  }
  for (WindowId window : told) {
    if (windows->IsWindow(window)) windows->NotifyLanguageChanged(window);
  }
}

void CWindowRegistry::Translate(WindowId window, uint32_t mode) {
  if (kind_ == Kind::kDialogs) {
    module_.RetranslateDialog(window, mode);
  } else {
    module_.TranslateMenuBars(window, FindMenuCategory(module_.LookupData()));
  }
}

WindowObjectKind CWindowRegistry::CreateWrapper() const {
  return kind_ == Kind::kDialogs ? WindowObjectKind::kDialog : WindowObjectKind::kPlainWindow;
}

}  // namespace tolmeric
