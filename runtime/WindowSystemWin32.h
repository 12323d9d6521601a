// The windows and menus of the user-interface thread as the module sees
// them, over Win32 and the framework's window and menu objects. Every member
// is one query or change of the platform; what to do with the texts is the
// portable code's decision.
#pragma once

#include "runtime/WindowSystem.h"

namespace tolmeric {

class CWin32WindowSystem : public IWindowSystem {
 public:
  bool IsWindow(WindowId window) const override;
  std::u16string WindowText(WindowId window) const override;
  void WriteWindowText(WindowId window, const std::u16string& text) override;
  WindowId FirstChild(WindowId window) const override;
  WindowId NextSibling(WindowId window) const override;
  WindowId Parent(WindowId window) const override;
  bool IsChildWindow(WindowId window) const override;
  MenuId Menu(WindowId window) const override;
  MenuId FrameDefaultMenu(WindowId window) const override;
  void DrawMenuBar(WindowId window) override;
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
};

}  // namespace tolmeric
