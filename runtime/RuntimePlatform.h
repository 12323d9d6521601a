// Everything the run-time module needs from the platform it runs on: message
// boxes, the application's profile, its string resources, the three message
// hooks of the user-interface thread and reading a file. The module's state
// and logic are portable; on Windows the services come from Win32 and the
// framework, elsewhere (the command line, tests) from CHostPlatform.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tolmeric {

class IWindowSystem;

// An installed message hook, as the platform identifies it; null when none.
using HookHandle = void*;

class IRuntimePlatform {
 public:
  virtual ~IRuntimePlatform() = default;

  // Shows a modal message box; returns the button that closed it (IDOK = 1 ...).
  virtual int ShowMessageBox(const std::u16string& text, uint32_t style, uint32_t helpContext) = 0;

  // The application profile's string, or defaultValue when there is none.
  virtual std::u16string GetProfileText(const std::u16string& section,
                                          const std::u16string& entry,
                                          const std::u16string& defaultValue) = 0;
  virtual void WriteProfileText(const std::u16string& section, const std::u16string& entry,
                                  const std::u16string& value) = 0;

  // The application's string resource with that identifier, empty when none.
  virtual std::u16string LoadResourceString(uint32_t id) = 0;

  // The hook on messages about to be delivered, the one on messages after
  // delivery, and the one on messages retrieved from the queue, for the
  // calling thread. Null when the platform refuses.
  virtual HookHandle InstallCallWndProcHook() = 0;
  virtual HookHandle InstallCallWndProcRetHook() = 0;
  virtual HookHandle InstallGetMessageHook() = 0;
  virtual void RemoveHook(HookHandle hook) = 0;

  // The whole content of a file opened for reading (others may read it too,
  // nobody may write it meanwhile). Throws CFileError when it cannot be
  // opened or read.
  virtual std::vector<uint8_t> ReadFile(const std::filesystem::path& path) = 0;
  // The first byteCount bytes of a file (all of a shorter one), opened as by
  // ReadFile. Throws CFileError when it cannot be opened or read.
  virtual std::vector<uint8_t> ReadFileStart(const std::filesystem::path& path,
                                             size_t byteCount) = 0;

  // The windows and menus of the user-interface thread; null where there
  // are none (the command line).
  virtual IWindowSystem* WindowSystem() { return nullptr; }

  // Opens the language switch dialog for the language item; nothing where
  // there are no windows.
  virtual void OpenSwitchDialog() {}
};

// The platform of the build (Win32 on Windows, a CHostPlatform elsewhere),
// which the process's default module uses.
IRuntimePlatform& DefaultRuntimePlatform();

}  // namespace tolmeric
