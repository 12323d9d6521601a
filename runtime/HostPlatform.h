// The run-time module's platform outside Windows: for the command line and
// for tests. Messages go to a sink and are recorded, the profile lives in
// memory, string resources come from a table, hooks are only counted, and
// files are read with the standard library.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "runtime/RuntimePlatform.h"

namespace tolmeric {

class IMessageSink;
class IStringSource;

class CHostPlatform : public IRuntimePlatform {
 public:
  struct Message {
    std::u16string text;
    uint32_t style = 0;
    uint32_t helpContext = 0;
  };

  CHostPlatform() = default;

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
  IWindowSystem* WindowSystem() override { return windows_; }

  // The windows the module sees (not owned; null: none).
  void SetWindowSystem(IWindowSystem* windows) { windows_ = windows; }

  // Where messages are shown as well (not owned; may be null).
  void SetMessageSink(IMessageSink* sink) { sink_ = sink; }
  // What every message box answers (IDOK by default).
  void SetMessageBoxAnswer(int answer) { answer_ = answer; }
  // String resources: a table of one's own, else a string source (not owned).
  void SetString(uint32_t id, std::u16string text) { strings_[id] = std::move(text); }
  void SetStringSource(const IStringSource* source) { stringSource_ = source; }

  const std::vector<Message>& Messages() const { return messages_; }
  void ClearMessages() { messages_.clear(); }
  // The profile, by section and entry.
  const std::map<std::pair<std::u16string, std::u16string>, std::u16string>& Profile() const {
    return profile_;
  }
  // Hooks installed and not yet removed.
  const std::set<HookHandle>& InstalledHooks() const { return hooks_; }
  // Hooks installed so far, removed or not.
  int32_t HooksEverInstalled() const { return hooksEverInstalled_; }

 private:
  HookHandle InstallHook();

  IMessageSink* sink_ = nullptr;
  IWindowSystem* windows_ = nullptr;
  int answer_ = 1;
  std::vector<Message> messages_;
  std::map<std::pair<std::u16string, std::u16string>, std::u16string> profile_;
  std::map<uint32_t, std::u16string> strings_;
  const IStringSource* stringSource_ = nullptr;
  std::set<HookHandle> hooks_;
  int32_t hooksEverInstalled_ = 0;
  uintptr_t nextHook_ = 1;
};

}  // namespace tolmeric
