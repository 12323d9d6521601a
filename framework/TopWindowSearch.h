// Finds a visible top-level window by the start of its title, waiting for it
// to appear. Used by the small programs that drive a running application
// from outside (screenshot scripts).
#pragma once

#include <windows.h>

#include <string>

namespace tolmeric {

namespace detail {

struct TopWindowSearch {
  std::wstring prefix;
  HWND found = nullptr;
};

inline BOOL CALLBACK VisitTopWindow(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<TopWindowSearch*>(lParam);
  wchar_t title[512] = {};
  ::GetWindowTextW(window, title, 512);
  if (::IsWindowVisible(window) && std::wstring(title).rfind(search->prefix, 0) == 0) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace detail

// The first visible top-level window whose title starts with prefix, looked
// for every half second for up to 30 seconds; null when none appears.
inline HWND WaitForTopWindow(const std::wstring& prefix) {
  detail::TopWindowSearch search{prefix};
  for (int tries = 0; tries < 60 && !search.found; ++tries) {
    if (tries > 0) ::Sleep(500);
    ::EnumWindows(&detail::VisitTopWindow, reinterpret_cast<LPARAM>(&search));
  }
  return search.found;
}

}  // namespace tolmeric
