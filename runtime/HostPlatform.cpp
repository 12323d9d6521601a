#include "runtime/HostPlatform.h"

#include <fstream>

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

void CHostPlatform::RemoveHook(HookHandle hook) { hooks_.erase(hook); }

std::vector<uint8_t> CHostPlatform::ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::error_code error;
  const bool regular = std::filesystem::is_regular_file(path, error);
  if (!in || !regular) throw CFileError(FileErrorKind::kCannotOpen, path);
  const auto size = std::filesystem::file_size(path, error);
  if (error) throw CFileError(FileErrorKind::kCannotOpen, path);
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (static_cast<size_t>(in.gcount()) != bytes.size()) {
    throw CFileError(FileErrorKind::kEndOfFile, path);
  }
  return bytes;
}

}  // namespace tolmeric
