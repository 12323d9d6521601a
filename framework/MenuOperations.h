// The members that read and change a menu's items, shared by the owning menu
// object (CMenu) and the borrowed menu handle (CMenuHandle). Each member is
// one call of the platform on the menu's handle m_hMenu.
#pragma once

#include <windows.h>

#include "framework/String.h"

namespace tolmeric {

template <typename Menu>
class CMenuOperations {
 public:
  HMENU GetSafeHmenu() const { return Handle(); }
  operator HMENU() const { return Handle(); }

  int GetMenuItemCount() const { return ::GetMenuItemCount(Handle()); }
  // The command identifier of the item at position; -1 for an item that
  // opens a submenu, 0 for a separator.
  UINT GetMenuItemID(int position) const { return ::GetMenuItemID(Handle(), position); }
  UINT GetMenuState(UINT id, UINT flags) const { return ::GetMenuState(Handle(), id, flags); }
  int GetMenuString(UINT id, LPTSTR text, int maxCount, UINT flags) const {
    return ::GetMenuStringW(Handle(), id, text, maxCount, flags);
  }
  // The item's whole text, however long (empty for a separator).
  int GetMenuString(UINT id, CString& text, UINT flags) const {
    const int length = ::GetMenuStringW(Handle(), id, nullptr, 0, flags);
    std::wstring buffer(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    const int read = ::GetMenuStringW(Handle(), id, buffer.data(),
                                      static_cast<int>(buffer.size()), flags);
    text = CString(buffer.c_str(), read);
    return read;
  }

  BOOL ModifyMenu(UINT position, UINT flags, UINT_PTR newId = 0, LPCTSTR text = nullptr) {
    return ::ModifyMenuW(Handle(), position, flags, newId, text);
  }
  BOOL AppendMenu(UINT flags, UINT_PTR newId = 0, LPCTSTR text = nullptr) {
    return ::AppendMenuW(Handle(), flags, newId, text);
  }
  BOOL InsertMenu(UINT position, UINT flags, UINT_PTR newId = 0, LPCTSTR text = nullptr) {
    return ::InsertMenuW(Handle(), position, flags, newId, text);
  }
  BOOL RemoveMenu(UINT position, UINT flags) { return ::RemoveMenu(Handle(), position, flags); }
  UINT EnableMenuItem(UINT id, UINT enable) { return ::EnableMenuItem(Handle(), id, enable); }
  UINT CheckMenuItem(UINT id, UINT check) {
    return static_cast<UINT>(::CheckMenuItem(Handle(), id, check));
  }

 private:
  HMENU Handle() const { return static_cast<const Menu*>(this)->m_hMenu; }
};

}  // namespace tolmeric
