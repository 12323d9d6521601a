#include "framework/WinApp.h"

#include <shellapi.h>

#include <memory>
#include <vector>

#include "framework/FrameWnd.h"
#include "framework/Menu.h"

namespace tolmeric {

namespace {

CWinApp*& CurrentApp() {
  static CWinApp* app = nullptr;
  return app;
}

// The executable's full path.
std::wstring ExecutablePath() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(),
                                              static_cast<DWORD>(buffer.size()));
    if (length == 0) return L"App";
    if (length < buffer.size()) return std::wstring(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

// The executable's path with the help file's extension instead of its own.
std::wstring HelpFilePath(std::wstring path) {
  const size_t slash = path.find_last_of(L"\\/");
  const size_t dot = path.find_last_of(L'.');
  if (dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash)) path.erase(dot);
  return path + L".HLP";
}

// The executable's file name without folder and extension.
std::wstring ExecutableTitle() {
  std::wstring path = ExecutablePath();
  const size_t slash = path.find_last_of(L"\\/");
  if (slash != std::wstring::npos) path.erase(0, slash + 1);
  const size_t dot = path.find_last_of(L'.');
  if (dot != std::wstring::npos) path.erase(dot);
  return path;
}

}  // namespace

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

void CCommandLineInfo::ParseParam(LPCTSTR param, BOOL flag, BOOL) {
  if (!flag && m_strFileName.IsEmpty()) m_strFileName = param;
}

CWinApp::CWinApp(LPCTSTR appName) {
  CurrentApp() = this;
  m_hInstance = ::GetModuleHandleW(nullptr);
  exeName_ = ExecutableTitle();
  appName_ = appName ? appName : exeName_;
  profileName_ = exeName_ + L".INI";
  helpFilePath_ = HelpFilePath(ExecutablePath());
  m_pszHelpFilePath = helpFilePath_.c_str();
  m_pszExeName = exeName_.c_str();
  m_pszAppName = appName_.c_str();
  m_pszProfileName = profileName_.c_str();
}

CWinApp::~CWinApp() {
  if (CurrentApp() == this) CurrentApp() = nullptr;
}

CString CWinApp::GetProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR defaultValue) {
  const LPCTSTR fallback = defaultValue ? defaultValue : L"";
  // The call cuts a long value to the buffer and reports size - 1: grow the
  // buffer until the value fits.
  std::vector<wchar_t> buffer(4096);
  for (;;) {
    const DWORD length = ::GetPrivateProfileStringW(section, entry, fallback, buffer.data(),
                                                    static_cast<DWORD>(buffer.size()),
                                                    m_pszProfileName);
    if (length + 1 < buffer.size() || buffer.size() >= (1u << 24)) {
      return CString(buffer.data(), static_cast<int>(length));
    }
    buffer.resize(buffer.size() * 4);
  }
}

void CWinApp::OnHelp() {
  ::WinHelpW(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr, m_pszHelpFilePath, HELP_CONTENTS, 0);
}

BOOL CWinApp::WriteProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR value) {
  return ::WritePrivateProfileStringW(section, entry, value, m_pszProfileName);
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return static_cast<int>(m_msgCur.wParam); }

BOOL CWinApp::PreTranslateMessage(MSG* msg) {
  HWND main = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
  if (CWnd::WalkPreTranslateTree(main, msg)) return TRUE;
  // A message of a window outside the main window (a modeless dialog, a
  // tool window) still gets the main frame's accelerators.
  return m_pMainWnd && !(msg->hwnd && ::IsChild(main, msg->hwnd)) && msg->hwnd != main &&
         m_pMainWnd->PreTranslateMessage(msg);
}

BOOL CWinApp::OnIdle(LONG count) {
  if (count == 0) {
    if (auto* frame = dynamic_cast<CFrameWnd*>(m_pMainWnd)) frame->OnIdleUpdateCmdUI();
    return TRUE;
  }
  // Objects made for windows and menus the framework does not own are
  // needed only while a message is handled.
  CWnd::DeleteTempMap();
  CMenu::DeleteTempMap();
  return FALSE;
}

int CWinApp::Run() {
  for (;;) {
    LONG idleCount = 0;
    while (!::PeekMessageW(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE) && OnIdle(idleCount++)) {
    }
    const BOOL got = ::GetMessageW(&m_msgCur, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    if (!PreTranslateMessage(&m_msgCur)) {
      ::TranslateMessage(&m_msgCur);
      ::DispatchMessageW(&m_msgCur);
    }
  }
  return ExitInstance();
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info) {
  AfxParseCommandLine(::GetCommandLineW(), info);
}

void AfxParseCommandLine(LPCTSTR commandLine, CCommandLineInfo& info) {
  int count = 0;
  std::unique_ptr<LPWSTR, decltype(&::LocalFree)> arguments(
      ::CommandLineToArgvW(commandLine, &count), &::LocalFree);
  if (!arguments) return;
  for (int i = 1; i < count; ++i) {
    LPCTSTR param = arguments.get()[i];
    const BOOL flag = param[0] == L'-' || param[0] == L'/';
    info.ParseParam(flag ? param + 1 : param, flag, i + 1 == count);
  }
}

LPTSTR AfxCommandLineTail(LPTSTR commandLine) {
  LPTSTR at = commandLine;
  if (*at == L'"') {
    ++at;
    while (*at && *at != L'"') ++at;
    if (*at == L'"') ++at;
  } else {
    while (*at && *at != L' ' && *at != L'\t') ++at;
  }
  while (*at == L' ' || *at == L'\t') ++at;
  return at;
}

int AfxWinMain(HINSTANCE instance, HINSTANCE, LPTSTR commandLine, int showCommand) {
  CWinApp* app = AfxGetApp();
  if (!app) return -1;
  app->m_hInstance = instance;
  app->m_lpCmdLine = commandLine;
  app->m_nCmdShow = showCommand;
  if (!app->InitInstance()) {
    if (app->m_pMainWnd) app->m_pMainWnd->DestroyWindow();
    return app->ExitInstance();
  }
  return app->Run();
}

CWinApp* AfxGetApp() { return CurrentApp(); }

HINSTANCE AfxGetInstanceHandle() {
  const CWinApp* app = AfxGetApp();
  return app && app->m_hInstance ? app->m_hInstance : ::GetModuleHandleW(nullptr);
}

HINSTANCE AfxGetResourceHandle() { return AfxGetInstanceHandle(); }

}  // namespace tolmeric
