#include "runtime/WindowSystemWin32.h"

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <string>

#include "framework/Dialog.h"
#include "framework/FrameWnd.h"
#include "framework/MenuHandle.h"
#include "framework/MenuWrapper.h"
#include "framework/Wnd.h"
#include "runtime/ApplicationInterfaceWin32.h"
#include "runtime/BaseClassesWin32.h"
#include "runtime/WideTextWin32.h"

namespace tolmeric {

namespace {

HWND Hwnd(WindowId window) { return reinterpret_cast<HWND>(window); }
HMENU Hmenu(MenuId menu) { return reinterpret_cast<HMENU>(menu); }
WindowId Id(HWND window) { return reinterpret_cast<WindowId>(window); }
MenuId Id(HMENU menu) { return reinterpret_cast<MenuId>(menu); }


// A framework object attached to a window that had none, for one
// translation; detached (the window stays) and deleted with the lease.
class CWin32WindowObjectLease : public CWindowObjectLease {
 public:
  CWin32WindowObjectLease(std::unique_ptr<CWnd> object, HWND window) : object_(std::move(object)) {
    object_->Attach(window);
  }
  ~CWin32WindowObjectLease() override { object_->Detach(); }

 private:
  std::unique_ptr<CWnd> object_;
};

class CWin32MenuObjectLease : public CWindowObjectLease {
 public:
  // A menu with an object of its own keeps it and is not attached again.
  explicit CWin32MenuObjectLease(HMENU menu)
      : attached_(!CMenu::FromHandlePermanent(menu) && wrapper_.Attach(menu)) {}
  ~CWin32MenuObjectLease() override {
    if (attached_) wrapper_.Detach();
  }

 private:
  CMenuWrapper wrapper_;
  bool attached_;
};

// The longest tab label read: a label is read into a growing buffer until
// it fits, but never without end.
constexpr size_t kMaxTabText = size_t{1} << 20;

}  // namespace

bool CWin32WindowSystem::IsWindow(WindowId window) const { return ::IsWindow(Hwnd(window)); }

std::u16string CWin32WindowSystem::WindowText(WindowId window) const {
  CWnd object;
  object.m_hWnd = Hwnd(window);
  CString text;
  object.GetWindowText(text);
  object.m_hWnd = nullptr;
  return FromWide(text);
}

void CWin32WindowSystem::WriteWindowText(WindowId window, const std::u16string& text) {
  ::SetWindowTextW(Hwnd(window), Wide(text));
}

WindowId CWin32WindowSystem::FirstChild(WindowId window) const {
  return Id(::GetWindow(Hwnd(window), GW_CHILD));
}

WindowId CWin32WindowSystem::NextSibling(WindowId window) const {
  return Id(::GetWindow(Hwnd(window), GW_HWNDNEXT));
}

WindowId CWin32WindowSystem::Parent(WindowId window) const { return Id(::GetParent(Hwnd(window))); }

bool CWin32WindowSystem::IsChildWindow(WindowId window) const {
  return (::GetWindowLongPtrW(Hwnd(window), GWL_STYLE) & WS_CHILD) != 0;
}

MenuId CWin32WindowSystem::Menu(WindowId window) const {
  // A child window's "menu" is its control identifier.
  if (IsChildWindow(window)) return 0;
  return Id(::GetMenu(Hwnd(window)));
}

MenuId CWin32WindowSystem::FrameDefaultMenu(WindowId window) const {
  const CWnd* object = CWnd::FromHandlePermanent(Hwnd(window));
  if (!IsTranslatedKindOf(object, RUNTIME_CLASS(CFrameWnd))) return 0;
  return Id(static_cast<const CFrameWnd*>(object)->m_hMenuDefault);
}

void CWin32WindowSystem::DrawMenuBar(WindowId window) { ::DrawMenuBar(Hwnd(window)); }

void CWin32WindowSystem::NotifyLanguageChanged(WindowId window) {
  ::SendMessageW(Hwnd(window), LanguageChangedMessage(), 0, 0);
}

WindowId CWin32WindowSystem::SheetTabControl(WindowId window) const {
  return static_cast<WindowId>(::SendMessageW(Hwnd(window), PSM_GETTABCONTROL, 0, 0));
}

uint32_t CWin32WindowSystem::PageDescriptionFlags(intptr_t initDialogParam) const {
  if (initDialogParam == 0) return 0;
  return reinterpret_cast<const PROPSHEETPAGEW*>(initDialogParam)->dwFlags;
}

std::unique_ptr<CWindowObjectLease> CWin32WindowSystem::LeaseWindowObject(WindowId window,
                                                                          WindowObjectKind kind) {
  if (CWnd::FromHandlePermanent(Hwnd(window))) return nullptr;
  std::unique_ptr<CWnd> object;
  if (kind == WindowObjectKind::kDialog) {
    object = std::make_unique<CDialog>();
  } else {
    object = std::make_unique<CWnd>();
  }
  return std::make_unique<CWin32WindowObjectLease>(std::move(object), Hwnd(window));
}

std::unique_ptr<CWindowObjectLease> CWin32WindowSystem::LeaseMenuObject(MenuId menu) {
  if (!::IsMenu(Hmenu(menu))) return nullptr;
  return std::make_unique<CWin32MenuObjectLease>(Hmenu(menu));
}

int32_t CWin32WindowSystem::TabCount(WindowId tabControl) const {
  return static_cast<int32_t>(::SendMessageW(Hwnd(tabControl), TCM_GETITEMCOUNT, 0, 0));
}

std::u16string CWin32WindowSystem::TabText(WindowId tabControl, int32_t index) const {
  // The tab control tells no length: the buffer grows until the label fits.
  for (size_t room = 1024;; room *= 2) {
    std::u16string buffer(room, u'\0');
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = reinterpret_cast<LPWSTR>(buffer.data());
    item.cchTextMax = static_cast<int>(room);
    if (!::SendMessageW(Hwnd(tabControl), TCM_GETITEMW, static_cast<WPARAM>(index),
                        reinterpret_cast<LPARAM>(&item))) {
      return {};
    }
    std::u16string label(reinterpret_cast<const char16_t*>(item.pszText));
    if (label.size() + 1 < room || room >= kMaxTabText) return label;
  }
}

void CWin32WindowSystem::SetTabText(WindowId tabControl, int32_t index, const std::u16string& text) {
  std::u16string copy = text;
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = reinterpret_cast<LPWSTR>(copy.data());
  ::SendMessageW(Hwnd(tabControl), TCM_SETITEMW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
}

bool CWin32WindowSystem::IsMenu(MenuId menu) const { return ::IsMenu(Hmenu(menu)); }

int32_t CWin32WindowSystem::MenuItemCount(MenuId menu) const {
  const int count = CMenuHandle(Hmenu(menu)).GetMenuItemCount();
  return count > 0 ? count : 0;
}

std::u16string CWin32WindowSystem::MenuItemText(MenuId menu, int32_t position) const {
  CString text;
  CMenuHandle(Hmenu(menu)).GetMenuString(static_cast<UINT>(position), text, MF_BYPOSITION);
  return FromWide(text);
}

int32_t CWin32WindowSystem::MenuItemId(MenuId menu, int32_t position) const {
  return static_cast<int32_t>(CMenuHandle(Hmenu(menu)).GetMenuItemID(position));
}

MenuId CWin32WindowSystem::SubMenu(MenuId menu, int32_t position) const {
  return Id(CMenuHandle(Hmenu(menu)).GetSubMenu(position).m_hMenu);
}

void CWin32WindowSystem::ModifyMenuItem(MenuId menu, int32_t position, const CMenuItemWrite& item) {
  const UINT flags = MF_BYPOSITION | MF_STRING | (item.popup ? MF_POPUP : 0);
  const UINT_PTR id = item.popup ? static_cast<UINT_PTR>(item.submenu)
                                 : static_cast<UINT_PTR>(static_cast<UINT>(item.commandId));
  CMenuHandle(Hmenu(menu)).ModifyMenu(static_cast<UINT>(position), flags, id, Wide(item.text));
}

void CWin32WindowSystem::AppendMenuSeparator(MenuId menu) {
  CMenuHandle(Hmenu(menu)).AppendMenu(MF_SEPARATOR);
}

void CWin32WindowSystem::AppendMenuItem(MenuId menu, int32_t commandId, const std::u16string& text) {
  CMenuHandle(Hmenu(menu)).AppendMenu(MF_STRING, static_cast<UINT>(commandId), Wide(text));
}

void CWin32WindowSystem::EnableMenuCommand(MenuId menu, int32_t commandId) {
  CMenuHandle(Hmenu(menu)).EnableMenuItem(static_cast<UINT>(commandId), MF_BYCOMMAND | MF_ENABLED);
}

}  // namespace tolmeric
