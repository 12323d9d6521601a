// Opens the language switch dialog for a language file, as an application
// built with automatic installation does when the user picks the language
// item: show-switch-dialog FILE.tra. The dialog lists the language files
// beside FILE.tra. Used for screenshots of the dialog.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/WinApp.h"
#include "runtime/ApplicationInterfaceWin32.h"

int wmain(int argc, wchar_t** argv) {
  using namespace tolmeric;
  if (argc != 2) return 2;
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
  ::InitCommonControlsEx(&controls);
  CWinApp app(L"Switch dialog");
  const std::wstring file = argv[1];
  if (!StartAutomaticTranslation(file.c_str(), L"", FALSE, TRUE, TRUE)) return 1;
  const size_t slash = file.find_last_of(L"\\/");
  const std::wstring folder = slash == std::wstring::npos ? L"" : file.substr(0, slash);
  RuntimeState().switchDialogFolder = FromWide(folder.c_str());
  DoAutomaticSwitchDialog();
  return 0;
}
