#include "framework/WinApp.h"

#include <vector>

namespace tolmeric {

namespace {

CWinApp*& CurrentApp() {
  static CWinApp* app = nullptr;
  return app;
}

// The executable's file name without folder and extension.
std::wstring ExecutableTitle() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(),
                                              static_cast<DWORD>(buffer.size()));
    if (length == 0) return L"App";
    if (length < buffer.size()) {
      std::wstring path(buffer.data(), length);
      const size_t slash = path.find_last_of(L"\\/");
      if (slash != std::wstring::npos) path.erase(0, slash + 1);
      const size_t dot = path.find_last_of(L'.');
      if (dot != std::wstring::npos) path.erase(dot);
      return path;
    }
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace

CWinApp::CWinApp(LPCTSTR appName) {
  CurrentApp() = this;
  m_hInstance = ::GetModuleHandleW(nullptr);
  exeName_ = ExecutableTitle();
  appName_ = appName ? appName : exeName_;
  profileName_ = exeName_ + L".INI";
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

BOOL CWinApp::WriteProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR value) {
  return ::WritePrivateProfileStringW(section, entry, value, m_pszProfileName);
}

CWinApp* AfxGetApp() { return CurrentApp(); }

HINSTANCE AfxGetInstanceHandle() {
  const CWinApp* app = AfxGetApp();
  return app && app->m_hInstance ? app->m_hInstance : ::GetModuleHandleW(nullptr);
}

HINSTANCE AfxGetResourceHandle() { return AfxGetInstanceHandle(); }

}  // namespace tolmeric
