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

#include "framework/TopWindowSearch.h"

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    std::fwprintf(stderr, L"usage: demo_post_command TITLE COMMAND\n");
    return 2;
  }
  const HWND found = tolmeric::WaitForTopWindow(argv[1]);
  if (!found) return 1;
  const WPARAM command = static_cast<WPARAM>(std::wcstoul(argv[2], nullptr, 0));
  return ::PostMessageW(found, WM_COMMAND, command, 0) ? 0 : 1;
}
