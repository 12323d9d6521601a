// Windows and menus in memory, for testing the module's translation without
// a window manager. Dialogs and menus are written as small texts:
//
//   caption "Info"            popup "&Datei"
//   child "OK"                  item 100 "&Öffnen"
//   child ""                    separator
//                               none "no command"
//                               popup "Zuletzt"
//                                 item 101 "a.txt"
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "runtime/WindowSystem.h"
#include "runtime/tests/TreeText.h"

namespace tolmeric::testing {

class CFakeWindowSystem : public IWindowSystem {
 public:
  struct Window {
    std::u16string text;
    WindowId parent = 0;
    std::vector<WindowId> children;
    bool child = false;
    MenuId menu = 0;
    MenuId defaultMenu = 0;   // a frame's default menu
    WindowId tabControl = 0;  // a property sheet's answer to the tab query
    std::vector<std::u16string> tabs;
    bool alive = true;
  };
  struct Item {
    std::u16string text;
    int32_t id = 0;
    MenuId submenu = 0;
    bool enabled = false;
  };
  struct MenuData {
    std::vector<Item> items;
    bool alive = true;
  };

  // A window with its own text; a child window when parent is not 0.
  WindowId AddWindow(WindowId parent, std::u16string text);
  // A dialog (top-level unless parent is given) from its text or lines.
  WindowId AddDialog(const std::string& text, WindowId parent = 0);
  WindowId AddDialog(const std::vector<CTextLine>& lines, WindowId parent = 0);
  // A menu and its submenus from their text or lines; menus are numbered in
  // the order they are written.
  MenuId AddMenu(const std::string& text);
  MenuId AddMenu(const std::vector<CTextLine>& lines);
  void DestroyWindow(WindowId window) { windows_.at(window).alive = false; }
  void DestroyMenu(MenuId menu) { menus_.at(menu).alive = false; }
  Window& At(WindowId window) { return windows_.at(window); }
  MenuData& MenuAt(MenuId menu) { return menus_.at(menu); }
  void SetPageDescriptionFlags(intptr_t param, uint32_t flags) { pageFlags_[param] = flags; }

  // The dialog's texts, caption first, in UTF-8.
  std::vector<std::string> Texts(WindowId dialog) const;
  // The menu in the syntax above (disabled items marked "disabled").
  std::string DumpMenu(MenuId menu) const;
  // The framework objects leased so far, by kind, and those still out.
  std::vector<WindowObjectKind> leasedKinds;
  std::vector<MenuId> leasedMenus;
  int32_t leasesOut = 0;
  int32_t menuBarRedraws = 0;
  // The windows told that the language changed, each with its menu bar as
  // it was at that moment.
  std::vector<std::pair<WindowId, std::string>> languageNotices;

  bool IsWindow(WindowId window) const override;
  std::u16string WindowText(WindowId window) const override;
  void WriteWindowText(WindowId window, const std::u16string& text) override;
  WindowId FirstChild(WindowId window) const override;
  WindowId NextSibling(WindowId window) const override;
  WindowId Parent(WindowId window) const override;
  bool IsChildWindow(WindowId window) const override;
  MenuId Menu(WindowId window) const override;
  MenuId FrameDefaultMenu(WindowId window) const override;
  void DrawMenuBar(WindowId) override { ++menuBarRedraws; }
  void NotifyLanguageChanged(WindowId window) override;
  WindowId SheetTabControl(WindowId window) const override;
  uint32_t PageDescriptionFlags(intptr_t initDialogParam) const override;
  std::unique_ptr<CWindowObjectLease> LeaseWindowObject(WindowId window,
                                                         WindowObjectKind kind) override;
  std::unique_ptr<CWindowObjectLease> LeaseMenuObject(MenuId menu) override;
  int32_t TabCount(WindowId tabControl) const override;
  std::u16string TabText(WindowId tabControl, int32_t index) const override;
  void SetTabText(WindowId tabControl, int32_t index, const std::u16string& text) override;
  bool IsMenu(MenuId menu) const override;
  int32_t MenuItemCount(MenuId menu) const override;
  std::u16string MenuItemText(MenuId menu, int32_t position) const override;
  int32_t MenuItemId(MenuId menu, int32_t position) const override;
  MenuId SubMenu(MenuId menu, int32_t position) const override;
  void ModifyMenuItem(MenuId menu, int32_t position, const CMenuItemWrite& item) override;
  void AppendMenuSeparator(MenuId menu) override;
  void AppendMenuItem(MenuId menu, int32_t commandId, const std::u16string& text) override;
  void EnableMenuCommand(MenuId menu, int32_t commandId) override;

 private:
  MenuId AddMenuLines(const std::vector<CTextLine>& lines, size_t& next, int32_t depth);
  void DumpMenuLines(MenuId menu, int32_t depth, std::string& out) const;
  const Window* Find(WindowId window) const;
  const Item* FindItem(MenuId menu, int32_t position) const;

  // Handles start high and apart so that a window and a menu never share one.
  std::map<WindowId, Window> windows_;
  std::map<MenuId, MenuData> menus_;
  std::map<intptr_t, uint32_t> pageFlags_;
  WindowId nextWindow_ = 0x1000;
  MenuId nextMenu_ = 0x9000;
};

}  // namespace tolmeric::testing
