#include "cli/CliSession.h"

#include <vector>

#include "runtime/RuntimePlatform.h"
#include "runtime/RuntimeState.h"
#include "translation/AtomicFile.h"
#include "translation/Utf.h"

namespace tolmeric::cli {

CCliSession::CCliSession() {
  platform_.SetStringSource(&strings_);
  platform_.SetMessageSink(this);
  SetRuntimePlatform(&platform_);
}

CCliSession::~CCliSession() {
  SetRuntimePlatform(nullptr);
  ResetTranslationState();
}

void CCliSession::ShowMessage(const std::u16string& message) {
  std::string text = ToUtf8(message);
  std::fprintf(stderr, "%s\n", text.c_str());
}

void CCliSession::PrintError(const std::string& message) {
  std::fprintf(stderr, "tolmeric-cli: %s\n", message.c_str());
}

std::u16string ArgText(const std::string& argument) { return FromUtf8(argument); }

std::filesystem::path ArgPath(const std::string& argument) {
  return std::filesystem::path(FromUtf8(argument));
}

std::string PathText(const std::filesystem::path& path) { return ToUtf8(path.u16string()); }

void SaveTextFile(const std::filesystem::path& path, const std::string& text) {
  SaveFileAtomically(path, std::vector<uint8_t>(text.begin(), text.end()));
}

}  // namespace tolmeric::cli
