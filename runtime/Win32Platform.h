// The run-time module's platform on Windows: the framework's message box,
// the application object's profile, the application's string resources, the
// thread's window-procedure hooks and Win32 file reading.
#pragma once

#include <functional>

#include <windows.h>

#include "runtime/RuntimePlatform.h"

namespace tolmeric {

class CWin32Platform : public IRuntimePlatform {
 public:
  // What the hooks do with a message before and after its delivery. The
  // window translation sets them; without them the hooks only hand every
  // message on.
  using CallWndProcHandler = std::function<void(const CWPSTRUCT&)>;
  using CallWndProcRetHandler = std::function<void(const CWPRETSTRUCT&)>;
  static void SetCallWndProcHandler(CallWndProcHandler handler);
  static void SetCallWndProcRetHandler(CallWndProcRetHandler handler);

  int ShowMessageBox(const std::u16string& text, uint32_t style, uint32_t helpContext) override;
  std::u16string GetProfileText(const std::u16string& section, const std::u16string& entry,
                                  const std::u16string& defaultValue) override;
  void WriteProfileText(const std::u16string& section, const std::u16string& entry,
                          const std::u16string& value) override;
  std::u16string LoadResourceString(uint32_t id) override;
  HookHandle InstallCallWndProcHook() override;
  HookHandle InstallCallWndProcRetHook() override;
  void RemoveHook(HookHandle hook) override;
  std::vector<uint8_t> ReadFile(const std::filesystem::path& path) override;

 private:
  static LRESULT CALLBACK CallWndProc(int code, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK CallWndProcRet(int code, WPARAM wParam, LPARAM lParam);
};

}  // namespace tolmeric
