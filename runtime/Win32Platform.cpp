#include "runtime/Win32Platform.h"

#include <algorithm>

#include "framework/MessageBox.h"
#include "framework/String.h"
#include "framework/WinApp.h"
#include "runtime/HookProceduresWin32.h"
#include "runtime/LanguageSwitchDialog.h"
#include "runtime/WideTextWin32.h"
#include "translation/FileError.h"

namespace tolmeric {

namespace {

// An open file handle, closed with the object.
class CFileHandle {
 public:
  explicit CFileHandle(HANDLE handle) : handle_(handle) {}
  ~CFileHandle() {
    if (IsValid()) ::CloseHandle(handle_);
  }
  CFileHandle(const CFileHandle&) = delete;
  CFileHandle& operator=(const CFileHandle&) = delete;

  bool IsValid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace

int CWin32Platform::ShowMessageBox(const std::u16string& text, uint32_t style,
                               uint32_t helpContext) {
  return AfxMessageBox(Wide(text), style, helpContext);
}

std::u16string CWin32Platform::GetProfileText(const std::u16string& section,
                                                const std::u16string& entry,
                                                const std::u16string& defaultValue) {
  CWinApp* app = AfxGetApp();
  if (!app) return defaultValue;
  const CString value = app->GetProfileString(Wide(section), Wide(entry), Wide(defaultValue));
  return FromWide(value);
}

void CWin32Platform::WriteProfileText(const std::u16string& section,
                                        const std::u16string& entry,
                                        const std::u16string& value) {
  if (CWinApp* app = AfxGetApp()) app->WriteProfileString(Wide(section), Wide(entry), Wide(value));
}

std::u16string CWin32Platform::LoadResourceString(uint32_t id) {
  CString text;
  if (!text.LoadString(id)) return {};
  return FromWide(text);
}

HookHandle CWin32Platform::InstallCallWndProcHook() {
  return ::SetWindowsHookExW(WH_CALLWNDPROC, &OnCallWndProc, nullptr, ::GetCurrentThreadId());
}

HookHandle CWin32Platform::InstallCallWndProcRetHook() {
  return ::SetWindowsHookExW(WH_CALLWNDPROCRET, &OnCallWndProcRet, nullptr,
                             ::GetCurrentThreadId());
}

HookHandle CWin32Platform::InstallGetMessageHook() {
  return ::SetWindowsHookExW(WH_GETMESSAGE, &OnGetMessage, nullptr, ::GetCurrentThreadId());
}

void CWin32Platform::RemoveHook(HookHandle hook) {
  ::UnhookWindowsHookEx(static_cast<HHOOK>(hook));
}

void CWin32Platform::OpenSwitchDialog() { DoAutomaticSwitchDialog(); }

std::vector<uint8_t> CWin32Platform::ReadFile(const std::filesystem::path& path) {
  return ReadFileStart(path, static_cast<size_t>(-1));
}

std::vector<uint8_t> CWin32Platform::ReadFileStart(const std::filesystem::path& path,
                                                   size_t byteCount) {
  // Others may read the file meanwhile, nobody may write it.
  CFileHandle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsValid()) throw CFileError(FileErrorKind::kCannotOpen, path);
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0) {
    throw CFileError(FileErrorKind::kCannotOpen, path);
  }
  std::vector<uint8_t> bytes(std::min(static_cast<size_t>(size.QuadPart), byteCount));
  size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
    DWORD read = 0;
    if (!::ReadFile(file.Get(), bytes.data() + done, chunk, &read, nullptr) || read == 0) {
      throw CFileError(FileErrorKind::kEndOfFile, path);
    }
    done += read;
  }
  return bytes;
}

}  // namespace tolmeric
