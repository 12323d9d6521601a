// The application object: its name, its instance, its command line, its
// message loop and its profile. An application defines one global object of
// a class derived from CWinApp; the framework's WinMain calls its
// InitInstance, then Run, which returns ExitInstance's code when the main
// window is gone. Without a registry key the profile is an initialisation
// file named after the executable ("<ExeName>.INI", in the Windows folder
// unless the application sets m_pszProfileName to a path of its own).
#pragma once

#include <string>

#include <windows.h>

#include "framework/CmdTarget.h"
#include "framework/String.h"

namespace tolmeric {

class CWnd;

// What the command line says, filled by CWinApp::ParseCommandLine one
// parameter at a time.
class CCommandLineInfo {
 public:
  virtual ~CCommandLineInfo() = default;
  // param without its leading '-' or '/' when flag; last for the final one.
  // The base keeps the first parameter that is not a flag as the file name.
  virtual void ParseParam(LPCTSTR param, BOOL flag, BOOL last);

  CString m_strFileName;
};

class CWinApp : public CCmdTarget {
  DECLARE_DYNAMIC(CWinApp)

 public:
  // The one application object of the process; appName null takes the
  // executable's name.
  explicit CWinApp(LPCTSTR appName = nullptr);
  ~CWinApp() override;

  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // Creates the main window; FALSE ends the application (after
  // ExitInstance).
  virtual BOOL InitInstance();
  // The message loop: each message passes PreTranslateMessage, then is
  // translated and dispatched; while the queue is empty, OnIdle. Returns
  // ExitInstance's code when WM_QUIT arrives.
  virtual int Run();
  // The code the application ends with: WM_QUIT's.
  virtual int ExitInstance();
  // The objects of the message's window and its parents, then the main
  // window (whose frame translates its accelerators): TRUE when one handled
  // it.
  virtual BOOL PreTranslateMessage(MSG* msg);
  // Idle work while the queue is empty; TRUE asks for more.
  virtual BOOL OnIdle(LONG count);
  // The help command (ID_HELP): the platform's help with the help file's
  // contents, for the main window.
  void OnHelp();

  // Each parameter of the command line (after the program) to info.
  void ParseCommandLine(CCommandLineInfo& info);

  // The profile's string for section and entry, or defaultValue (empty when
  // null) when there is none.
  CString GetProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR defaultValue = nullptr);
  BOOL WriteProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR value);

  // Not owned by the application when it assigns them itself; the object
  // keeps the names it makes.
  LPCTSTR m_pszAppName = nullptr;
  LPCTSTR m_pszExeName = nullptr;
  LPCTSTR m_pszProfileName = nullptr;
  // The help file: the executable's full path with the extension ".HLP".
  LPCTSTR m_pszHelpFilePath = nullptr;
  HINSTANCE m_hInstance = nullptr;
  // The command line after the program's name, and how to show the main
  // window, as WinMain received them.
  LPTSTR m_lpCmdLine = nullptr;
  int m_nCmdShow = SW_SHOWNORMAL;
  // The main window: its frame's accelerators work, and the application
  // ends when it is destroyed.
  CWnd* m_pMainWnd = nullptr;
  // The message being handled by Run.
  MSG m_msgCur{};

 private:
  std::wstring appName_;
  std::wstring exeName_;
  std::wstring profileName_;
  std::wstring helpFilePath_;
};

// The application object, or null before it exists.
CWinApp* AfxGetApp();
// The body of the framework's WinMain: InitInstance, then Run, on the one
// application object; returns the application's exit code.
int AfxWinMain(HINSTANCE instance, HINSTANCE previous, LPTSTR commandLine, int showCommand);
// Each parameter of commandLine after the program's name to info.
void AfxParseCommandLine(LPCTSTR commandLine, CCommandLineInfo& info);
// The command line without the program's name (quoted or not) and the
// blanks after it.
LPTSTR AfxCommandLineTail(LPTSTR commandLine);
// The module of the executable.
HINSTANCE AfxGetInstanceHandle();
// The module string resources and dialogs are loaded from.
HINSTANCE AfxGetResourceHandle();

}  // namespace tolmeric
