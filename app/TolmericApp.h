// The tool's application object: loads the tool's own language file, runs
// the main window as a modal dialog and ends when it closes. Its exit
// (the module's base class) shuts the run-time module down.
#pragma once

#include <windows.h>

#include "runtime/BaseClassesWin32.h"

namespace tolmeric {

class CTolmericApp : public __X_CWinApp {
 public:
  CTolmericApp() = default;

  // Returns FALSE: the application ends when the main window has closed.
  BOOL InitInstance() override;

 protected:
  // The language command of the main window's menu: the switch dialog,
  // then the main window's tab captions in the new language.
  void OnSwitchLanguage();
  void OnHelpCommand();

  DECLARE_MESSAGE_MAP()
};

}  // namespace tolmeric
