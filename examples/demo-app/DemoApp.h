// The demo's application object. It starts the run-time module with the
// German language file beside the executable, before any window exists;
// the profile (demo.ini) remembers the language chosen last.
#pragma once

#include "examples/demo-app/DemoSettings.h"
#include "runtime/BaseClassesWin32.h"

namespace demo {
using namespace tolmeric;

class CDemoApp : public __X_CWinApp {
 public:
  BOOL InitInstance() override;

  // The editor's options, shown and changed by the options sheet.
  CDemoSettings settings;

 protected:
  void OnAppAbout();
  void OnViewOptions();

  DECLARE_MESSAGE_MAP()
};

CDemoApp& DemoApp();

}  // namespace demo
