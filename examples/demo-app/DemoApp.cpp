#include "examples/demo-app/DemoApp.h"

#include <string>

#include "examples/demo-app/DemoDialogs.h"
#include "examples/demo-app/DemoResource.h"
#include "examples/demo-app/MainFrame.h"
#include "runtime/ApplicationInterfaceWin32.h"

namespace demo {

namespace {

// The folder of the executable, with a trailing backslash.
std::wstring ExecutableFolder() {
  std::wstring path(MAX_PATH, L'\0');
  DWORD length = 0;
  while ((length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
         path.size()) {
    path.resize(path.size() * 2);
  }
  path.resize(length);
  return path.substr(0, path.find_last_of(L"\\/") + 1);
}

}  // namespace

BEGIN_MESSAGE_MAP(CDemoApp, __X_CWinApp)
  ON_COMMAND(IDM_APP_ABOUT, OnAppAbout)
  ON_COMMAND(IDM_VIEW_OPTIONS, OnViewOptions)
END_MESSAGE_MAP()

BOOL CDemoApp::InitInstance() {
  // The switch dialog lists the language files of the current folder: the
  // ones beside the executable.
  const std::wstring folder = ExecutableFolder();
  ::SetCurrentDirectoryW(folder.c_str());
  const std::wstring german = folder + L"demo.tra";
  StartAutomaticTranslation(german.c_str(), L"Demo", TRUE, TRUE, TRUE);

  auto* frame = new CMainFrame;
  // A frame whose window failed has deleted itself with it.
  if (!frame->LoadFrame(IDR_MAINFRAME)) return FALSE;
  m_pMainWnd = frame;
  // The frame takes its title from the resources as they are; the
  // application's title is one of its strings, so it comes translated.
  CString title;
  LoadTranslatedString(title, IDR_MAINFRAME);
  frame->SetWindowText(title);
  frame->OpenDocument();
  frame->ShowWindow(m_nCmdShow);
  ::UpdateWindow(frame->m_hWnd);
  return TRUE;
}

void CDemoApp::OnAppAbout() {
  CDialog about(IDD_ABOUTBOX, m_pMainWnd);
  about.DoModal();
}

void CDemoApp::OnViewOptions() { ShowOptionsSheet(m_pMainWnd, settings); }

CDemoApp& DemoApp() { return static_cast<CDemoApp&>(*AfxGetApp()); }

}  // namespace demo

// The one application object.
demo::CDemoApp theApp;
