// Opens one of the tool's small dialogs on its own, for screenshots:
// show-widgets flags   the flag selection dialog
// show-widgets about   the information box
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "app/AboutDlg.h"
#include "app/FlagDialog.h"
#include "framework/WinApp.h"

int wmain(int argc, wchar_t** argv) {
  using namespace tolmeric;
  if (argc != 2) return 2;
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
  ::InitCommonControlsEx(&controls);
  CWinApp app(L"Lexivane Tolmeric");
  const std::wstring which = argv[1];
  if (which == L"flags") {
    CFlagDialog dialog;
    dialog.DoModal();
  } else if (which == L"about") {
    CAboutDlg dialog;
    dialog.DoModal();
  } else {
    return 2;
  }
  return 0;
}
