#include "runtime/HostPlatform.h"

#include <fstream>

#include "translation/Archive.h"
#include "translation/FileError.h"
#include "translation/MessageSink.h"
#include "translation/StringSource.h"

namespace tolmeric {

int CHostPlatform::ShowMessageBox(const std::u16string& text, uint32_t style,
                              uint32_t helpContext) {
  messages_.push_back({text, style, helpContext});
  if (sink_) sink_->ShowMessage(text);
  return answer_;
}

std::u16string CHostPlatform::GetProfileText(const std::u16string& section,
                                               const std::u16string& entry,
                                               const std::u16string& defaultValue) {
  const auto found = profile_.find({section, entry});
  return found == profile_.end() ? defaultValue : found->second;
}

void CHostPlatform::WriteProfileText(const std::u16string& section,
                                       const std::u16string& entry,
                                       const std::u16string& value) {
  profile_[{section, entry}] = value;
}

std::u16string CHostPlatform::LoadResourceString(uint32_t id) {
  const auto found = strings_.find(id);
  if (found != strings_.end()) return found->second;
  return stringSource_ ? stringSource_->LoadString(id) : std::u16string();
}

HookHandle CHostPlatform::InstallHook() {
  // Distinct non-null values; nothing is ever dereferenced.
  const HookHandle hook = reinterpret_cast<HookHandle>(nextHook_++);
  hooks_.insert(hook);
  ++hooksEverInstalled_;
  return hook;
}

HookHandle CHostPlatform::InstallCallWndProcHook() { return InstallHook(); }

HookHandle CHostPlatform::InstallCallWndProcRetHook() { return InstallHook(); }

HookHandle CHostPlatform::InstallGetMessageHook() { return InstallHook(); }

void CHostPlatform::RemoveHook(HookHandle hook) { hooks_.erase(hook); }

std::vector<uint8_t> CHostPlatform::ReadFile(const std::filesystem::path& path) {
  return ReadWholeFile(path);
}

std::vector<uint8_t> CHostPlatform::ReadFileStart(const std::filesystem::path& path,
                                                  size_t byteCount) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw CFileError(FileErrorKind::kCannotOpen, path, LastSystemError());
  std::vector<uint8_t> bytes(byteCount);
  file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(byteCount));
  if (file.bad()) throw CFileError(FileErrorKind::kCannotOpen, path, LastSystemError());
  bytes.resize(static_cast<size_t>(file.gcount()));
  return bytes;
}

}  // namespace tolmeric
