#include "framework/Menu.h"

#include "framework/HandleMap.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"

namespace tolmeric {

namespace {

using CMenuMap = CHandleMap<HMENU, CMenu, &CMenu::m_hMenu>;

CMenuMap& MenuMap() {
  thread_local CMenuMap map;
  return map;
}

}  // namespace

IMPLEMENT_DYNAMIC(CMenu, CObject)

CMenu::~CMenu() { DestroyMenu(); }

CMenu* CMenu::FromHandle(HMENU menu) { return MenuMap().FromHandle(menu); }

CMenu* CMenu::FromHandlePermanent(HMENU menu) { return MenuMap().LookupPermanent(menu); }

void CMenu::DeleteTempMap() { MenuMap().DeleteTemporary(); }

BOOL CMenu::Attach(HMENU menu) { return MenuMap().Attach(*this, menu); }

HMENU CMenu::Detach() { return MenuMap().Detach(*this); }

BOOL CMenu::CreateMenu() { return Attach(::CreateMenu()); }

BOOL CMenu::CreatePopupMenu() { return Attach(::CreatePopupMenu()); }

BOOL CMenu::LoadMenu(UINT resourceId) { return LoadMenu(MAKEINTRESOURCEW(resourceId)); }

BOOL CMenu::LoadMenu(LPCTSTR resourceName) {
  return Attach(::LoadMenuW(AfxGetResourceHandle(), resourceName));
}

BOOL CMenu::DestroyMenu() {
  if (!m_hMenu) return FALSE;
  return ::DestroyMenu(Detach());
}

CMenu* CMenu::GetSubMenu(int position) const {
  return FromHandle(::GetSubMenu(m_hMenu, position));
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect) {
  return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner ? owner->m_hWnd : nullptr, rect);
}

}  // namespace tolmeric
