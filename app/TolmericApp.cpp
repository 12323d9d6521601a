#include "app/TolmericApp.h"

#include <commctrl.h>

#include <memory>
#include <string>

#include "app/ProjectSession.h"
#include "app/TolmericDlg.h"
#include "runtime/ApplicationInterfaceWin32.h"

namespace tolmeric {
namespace {

// The identifiers of the switch dialog's nine texts in the tool's string
// table, and the help command its Help button sends.
constexpr UINT kFirstSwitchTextId = 61204;
constexpr UINT kSwitchHelpCommandId = 123;

// The folder of a file path, ending with a backslash (empty without one).
std::u16string FolderOf(const std::u16string& path) {
  const size_t slash = path.find_last_of(u'\\');
  return slash == std::u16string::npos ? std::u16string() : path.substr(0, slash + 1);
}

}  // namespace

BEGIN_MESSAGE_MAP(CTolmericApp, __X_CWinApp)
  ON_COMMAND(kLanguageCommandId, OnSwitchLanguage)
  ON_COMMAND(kHelpButtonId, OnHelpCommand)
END_MESSAGE_MAP()

BOOL CTolmericApp::InitInstance() {
  const std::u16string exeFolder = FolderOf(FromWide(m_pszHelpFilePath));
  LoadTranslationFile(Wide(ToolLanguageFilePath(exeFolder)));
  // The framework's controls: list, tree and tab controls, tips.
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&controls);

  auto window = std::make_unique<CTolmericDlg>();
  window->commandLine = m_lpCmdLine;
  m_pMainWnd = window.get();
  window->DoModal();
  m_pMainWnd = nullptr;
  return FALSE;
}

void CTolmericApp::OnSwitchLanguage() {
  const UINT first = kFirstSwitchTextId;
  DoSwitchDialog(L"", TRUE, TRUE, kSwitchHelpCommandId, first, first + 1, first + 2, first + 3,
                 first + 4, first + 5, first + 6, first + 7, first + 8, FALSE);
  if (auto* window = dynamic_cast<CTolmericDlg*>(m_pMainWnd)) {
    window->SetTabCaptions();
    // The switch gives the window its caption from the dialog's resource:
    // the title names the project again.
    window->UpdateControls();
    window->Invalidate();
  }
}

void CTolmericApp::OnHelpCommand() { OnHelp(); }

}  // namespace tolmeric
