// The application object: its name, its instance and its profile. Without a
// registry key the profile is an initialisation file named after the
// executable ("<ExeName>.INI", in the Windows folder unless the application
// sets m_pszProfileName to a path of its own).
#pragma once

#include <string>

#include <windows.h>

#include "framework/String.h"

namespace tolmeric {

class CWinApp {
 public:
  // The one application object of the process; appName null takes the
  // executable's name.
  explicit CWinApp(LPCTSTR appName = nullptr);
  virtual ~CWinApp();

  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // The profile's string for section and entry, or defaultValue (empty when
  // null) when there is none.
  CString GetProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR defaultValue = nullptr);
  BOOL WriteProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR value);

  // Not owned by the application when it assigns them itself; the object
  // keeps the names it makes.
  LPCTSTR m_pszAppName = nullptr;
  LPCTSTR m_pszExeName = nullptr;
  LPCTSTR m_pszProfileName = nullptr;
  HINSTANCE m_hInstance = nullptr;

 private:
  std::wstring appName_;
  std::wstring exeName_;
  std::wstring profileName_;
};

// The application object, or null before it exists.
CWinApp* AfxGetApp();
// The module of the executable.
HINSTANCE AfxGetInstanceHandle();
// The module string resources and dialogs are loaded from.
HINSTANCE AfxGetResourceHandle();

}  // namespace tolmeric
