// The framework's menu object. It owns the menu it is attached to: the
// destructor destroys a menu that is still attached, so a menu the object
// only borrows is detached first. Temporary objects for menus without an
// object of their own come from FromHandle and never destroy their menu.
#pragma once

#include <windows.h>

#include "framework/MenuOperations.h"
#include "framework/Object.h"

namespace tolmeric {

class CWnd;

class CMenu : public CObject, public CMenuOperations<CMenu> {
  DECLARE_DYNAMIC(CMenu)

 public:
  CMenu() = default;
  ~CMenu() override;
  CMenu(const CMenu&) = delete;
  CMenu& operator=(const CMenu&) = delete;

  // The object attached to menu, else a temporary one; null for null.
  static CMenu* FromHandle(HMENU menu);
  static CMenu* FromHandlePermanent(HMENU menu);
  // Deletes the temporary objects (their menus stay).
  static void DeleteTempMap();

  // Takes menu over; FALSE when the object holds a menu already or menu is
  // null.
  BOOL Attach(HMENU menu);
  // Gives the menu up without destroying it.
  HMENU Detach();

  BOOL CreateMenu();
  BOOL CreatePopupMenu();
  BOOL LoadMenu(UINT resourceId);
  BOOL LoadMenu(LPCTSTR resourceName);
  BOOL DestroyMenu();

  // The submenu the item at position opens (a temporary object unless it has
  // one of its own); null when none.
  CMenu* GetSubMenu(int position) const;
  BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect = nullptr);

  HMENU m_hMenu = nullptr;
};

}  // namespace tolmeric
