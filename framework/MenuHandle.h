// A menu handle borrowed from its owner: reads and changes the menu's items,
// never destroys it. Copied freely.
#pragma once

#include <windows.h>

#include "framework/MenuOperations.h"

namespace tolmeric {

class CMenuHandle : public CMenuOperations<CMenuHandle> {
 public:
  CMenuHandle(HMENU menu = nullptr) : m_hMenu(menu) {}

  bool IsMenu() const { return ::IsMenu(m_hMenu) != FALSE; }
  // The submenu the item at position opens; a null handle when none.
  CMenuHandle GetSubMenu(int position) const { return CMenuHandle(::GetSubMenu(m_hMenu, position)); }

  HMENU m_hMenu;
};

}  // namespace tolmeric
