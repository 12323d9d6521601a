// What the run-time module needs to know about, and do to, the windows and
// menus of the application's user-interface thread. Every decision about
// texts is made by portable code over this interface; on Windows it is a
// thin layer over Win32 (each member one API call), in tests a fake window
// tree.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace tolmeric {

// A window or menu handle as an integer; 0 is none. Portable code only
// compares and passes them on.
using WindowId = uintptr_t;
using MenuId = uintptr_t;

// The deepest nesting of submenus that is followed: a menu that contains
// itself cannot make a walk loop.
inline constexpr int32_t kMaxMenuDepth = 64;

// The name of the window message that tells a frame its language changed
// (registered with the window manager, so its number is the same in every
// module of the process).
inline constexpr char16_t kLanguageChangedMessageName[] = u"TolmericLanguageChanged";

// The framework object that a registry creates for a window that has none
// while it translates it again (see CWindowRegistry::CreateWrapper).
enum class WindowObjectKind { kDialog, kPlainWindow };

// A temporary framework object attached to a window or a menu; destroying
// the lease detaches and destroys it.
class CWindowObjectLease {
 public:
  virtual ~CWindowObjectLease() = default;
};

// How a menu item is written: a popup (opens submenu) or a command item.
struct CMenuItemWrite {
  bool popup = false;
  MenuId submenu = 0;       // for a popup
  int32_t commandId = 0;    // for a command item
  std::u16string text;
  bool operator==(const CMenuItemWrite&) const = default;
};

class IWindowSystem {
 public:
  virtual ~IWindowSystem() = default;

  // Windows.
  virtual bool IsWindow(WindowId window) const = 0;
  virtual std::u16string WindowText(WindowId window) const = 0;
  virtual void WriteWindowText(WindowId window, const std::u16string& text) = 0;
  // Direct children in the window manager's order: the first child, then
  // each next sibling; 0 after the last.
  virtual WindowId FirstChild(WindowId window) const = 0;
  virtual WindowId NextSibling(WindowId window) const = 0;
  virtual WindowId Parent(WindowId window) const = 0;
  // The WS_CHILD style.
  virtual bool IsChildWindow(WindowId window) const = 0;
  // The window's menu (menu bar), 0 when none.
  virtual MenuId Menu(WindowId window) const = 0;
  // For a frame window (its framework object is a CFrameWnd or derived), its
  // default menu; 0 for any other window or when it has none.
  virtual MenuId FrameDefaultMenu(WindowId window) const = 0;
  // The redraw of a window's menu bar.
  virtual void DrawMenuBar(WindowId window) = 0;
  // Sends the window the language-changed message and waits for its answer.
  virtual void NotifyLanguageChanged(WindowId window) = 0;
  // The window's answer to the property sheet's tab-control query; 0 when it
  // is no property sheet.
  virtual WindowId SheetTabControl(WindowId window) const = 0;
  // The flags word of the property page description that a page's
  // initialisation message points to (its lParam).
  virtual uint32_t PageDescriptionFlags(intptr_t initDialogParam) const = 0;
  // A temporary framework object of that kind for a window that has no
  // permanent one; null when it has one already.
  virtual std::unique_ptr<CWindowObjectLease> LeaseWindowObject(WindowId window,
                                                                 WindowObjectKind kind) = 0;
  // A temporary framework menu object attached to a menu that has no object
  // of its own, for the time of its translation; null when it is no menu.
  virtual std::unique_ptr<CWindowObjectLease> LeaseMenuObject(MenuId menu) = 0;

  // Tab controls (the labels of a property sheet's pages).
  virtual int32_t TabCount(WindowId tabControl) const = 0;
  virtual std::u16string TabText(WindowId tabControl, int32_t index) const = 0;
  virtual void SetTabText(WindowId tabControl, int32_t index, const std::u16string& text) = 0;

  // Menus, by position.
  virtual bool IsMenu(MenuId menu) const = 0;
  virtual int32_t MenuItemCount(MenuId menu) const = 0;
  // The whole text of the item, however long.
  virtual std::u16string MenuItemText(MenuId menu, int32_t position) const = 0;
  // The command identifier; -1 for an item that opens a submenu, 0 for a
  // separator.
  virtual int32_t MenuItemId(MenuId menu, int32_t position) const = 0;
  // The submenu the item opens, 0 when none.
  virtual MenuId SubMenu(MenuId menu, int32_t position) const = 0;
  // Rewrites the item at position (no other flags: enabled, unchecked).
  virtual void ModifyMenuItem(MenuId menu, int32_t position, const CMenuItemWrite& item) = 0;
  virtual void AppendMenuSeparator(MenuId menu) = 0;
  virtual void AppendMenuItem(MenuId menu, int32_t commandId, const std::u16string& text) = 0;
  // Enables the command item by command identifier.
  virtual void EnableMenuCommand(MenuId menu, int32_t commandId) = 0;
};

}  // namespace tolmeric
