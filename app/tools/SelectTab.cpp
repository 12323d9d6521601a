// Selects a page of the tool's main window from outside, as a click on its
// tab would: finds the visible top-level window whose title starts with a
// given text (waiting up to 30 seconds) and moves the focus of its tab
// control to the page, which selects it and tells the window. Run it on the
// window's desktop:
//
//   tool_select_tab.exe TITLE INDEX
//
// Exits 1 when no such window appears.
#include <windows.h>
#include <commctrl.h>

#include <cwchar>
#include <string>

#include "framework/TopWindowSearch.h"

namespace {

constexpr int kTabControlId = 1000;

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    std::fwprintf(stderr, L"usage: tool_select_tab TITLE INDEX\n");
    return 2;
  }
  const HWND found = tolmeric::WaitForTopWindow(argv[1]);
  HWND tabs = found ? ::GetDlgItem(found, kTabControlId) : nullptr;
  if (!tabs) return 1;
  const WPARAM index = static_cast<WPARAM>(std::wcstoul(argv[2], nullptr, 0));
  return ::PostMessageW(tabs, TCM_SETCURFOCUS, index, 0) ? 0 : 1;
}
