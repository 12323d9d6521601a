// The windows and menus that the module has translated, so that a language
// switch can translate them again: one class for the translated dialogs and
// for the windows whose menus were translated, told apart by its kind.
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/WindowSystem.h"

namespace tolmeric {

class CRuntimeModule;

class CWindowRegistry {
 public:
  enum class Kind { kDialogs, kMenus };
  struct Entry {
    WindowId window = 0;
    uint32_t mode = 0;      // dialog mode at registration, 0 for menu windows
    MenuId menu = 0;        // the window's menu at registration, or 0
    bool popup = false;     // a context menu registered by its handle alone
    bool operator==(const Entry&) const = default;
  };

  CWindowRegistry(CRuntimeModule& module, Kind kind) : module_(module), kind_(kind) {}
  virtual ~CWindowRegistry() = default;
  CWindowRegistry(const CWindowRegistry&) = delete;
  CWindowRegistry& operator=(const CWindowRegistry&) = delete;

  // Registers a window with its mode and (for a top-level window) its menu,
  // then purges.
  void Add(WindowId window, uint32_t mode);
  // Registers a context menu by its handle, then purges.
  void AddPopupMenu(MenuId menu);
  // Drops entries that repeat an earlier one (same window and menu) or whose
  // window and menu are both gone.
  void Purge();
  // Drops the entries of a window that is being destroyed, before its handle
  // can be given to another window.
  void Forget(WindowId window);
  // Whether menu is a registered window's menu or one of its submenus, at
  // any depth. Context menus registered by handle do not count: they are
  // translated again whenever they open.
  bool ContainsMenu(MenuId menu) const;
  // Translates every live entry again from the switch data, then its menu.
  void Retranslate();

  // Tells every live registered window, once each, that the language
  // changed.
  void NotifyLanguageChanged();

  // One window again: a dialog from the switch data, or a window's menus.
  void Translate(WindowId window, uint32_t mode);
  // The framework object made for a window without one while it is
  // translated again.
  WindowObjectKind CreateWrapper() const;

  const std::vector<Entry>& Entries() const { return entries_; }
  Kind GetKind() const { return kind_; }

 private:
  bool MenuContains(const IWindowSystem& windows, MenuId menu, MenuId wanted, int32_t depth) const;

  CRuntimeModule& module_;
  Kind kind_;
  std::vector<Entry> entries_;
};

// The dialogs the module translated (property pages with their mode).
class CDialogRegistry : public CWindowRegistry {
 public:
  explicit CDialogRegistry(CRuntimeModule& module) : CWindowRegistry(module, Kind::kDialogs) {}
};

// The windows whose menus the module translated, and context menus.
class CMenuRegistry : public CWindowRegistry {
 public:
  explicit CMenuRegistry(CRuntimeModule& module) : CWindowRegistry(module, Kind::kMenus) {}
};

}  // namespace tolmeric
