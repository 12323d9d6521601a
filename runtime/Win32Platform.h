// The run-time module's platform on Windows: the framework's message box,
// the application object's profile, the application's string resources, the
// thread's window-procedure hooks and Win32 file reading.
#pragma once

#include <windows.h>

#include "runtime/RuntimePlatform.h"
#include "runtime/WindowSystemWin32.h"

namespace tolmeric {

class CWin32Platform : public IRuntimePlatform {
 public:
  int ShowMessageBox(const std::u16string& text, uint32_t style, uint32_t helpContext) override;
  std::u16string GetProfileText(const std::u16string& section, const std::u16string& entry,
                                  const std::u16string& defaultValue) override;
  void WriteProfileText(const std::u16string& section, const std::u16string& entry,
                          const std::u16string& value) override;
  std::u16string LoadResourceString(uint32_t id) override;
  HookHandle InstallCallWndProcHook() override;
  HookHandle InstallCallWndProcRetHook() override;
  HookHandle InstallGetMessageHook() override;
  void RemoveHook(HookHandle hook) override;
  std::vector<uint8_t> ReadFile(const std::filesystem::path& path) override;
  std::vector<uint8_t> ReadFileStart(const std::filesystem::path& path, size_t byteCount) override;
  IWindowSystem* WindowSystem() override { return &windows_; }
  // The automatic switch dialog.
  void OpenSwitchDialog() override;

 private:
  CWin32WindowSystem windows_;
};

}  // namespace tolmeric
