// Posts WM_COMMAND with a command identifier to the top-level window whose
// title starts with a given text, as choosing a menu item would; waits up to
// 30 seconds for the window to appear. Run it on the window's desktop:
//
//   demo_post_command.exe TITLE COMMAND
//
// Exits 1 when no such window appears.
#include <windows.h>

#include <cwchar>
#include <string>

namespace {

struct Search {
  std::wstring prefix;
  HWND found = nullptr;
};

BOOL CALLBACK Visit(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  wchar_t title[512] = {};
  ::GetWindowTextW(window, title, 512);
  if (::IsWindowVisible(window) && std::wstring(title).rfind(search->prefix, 0) == 0) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    std::fwprintf(stderr, L"usage: demo_post_command TITLE COMMAND\n");
    return 2;
  }
  Search search{argv[1]};
  for (int tries = 0; tries < 60 && !search.found; ++tries) {
    if (tries > 0) ::Sleep(500);
    ::EnumWindows(&Visit, reinterpret_cast<LPARAM>(&search));
  }
  if (!search.found) return 1;
  const WPARAM command = static_cast<WPARAM>(std::wcstoul(argv[2], nullptr, 0));
  return ::PostMessageW(search.found, WM_COMMAND, command, 0) ? 0 : 1;
}
