#include "cli/CliSession.h"

#include <vector>

#include "translation/AtomicFile.h"
#include "translation/Utf.h"

namespace tolmeric::cli {

CCliSession::CCliSession() {
  platform_.SetStringSource(&strings_);
  platform_.SetMessageSink(this);
  module_.Activate();
}

CCliSession::~CCliSession() = default;

void CCliSession::ShowMessage(const std::u16string& message) {
  std::string text = ToUtf8(message);
  std::fprintf(stderr, "%s\n", text.c_str());
}

void CCliSession::PrintError(const std::string& message) {
  std::fprintf(stderr, "tolmeric-cli: %s\n", message.c_str());
}

int ParseCommand(CArgParser& parser, const std::vector<std::string>& args, const char* usage,
                 const char* help, size_t minOperands, size_t maxOperands,
                 std::initializer_list<const char*> requiredOptions) {
  parser.AddFlag("help");
  try {
    parser.Parse(args);
    if (parser.Has("help")) {
      std::fputs(usage, stdout);
      std::fputs(help, stdout);
      return kExitOk;
    }
    const size_t n = parser.Operands().size();
    if (n < minOperands) throw UsageError(n == 0 ? "missing operand" : "missing operands");
    if (n > maxOperands) throw UsageError("unexpected operand " + parser.Operands()[maxOperands]);
    for (const char* option : requiredOptions) {
      if (!parser.Has(option)) throw UsageError(std::string("--") + option + " is missing");
    }
  } catch (const UsageError& error) {
    CCliSession::PrintError(error.what());
    std::fputs(usage, stderr);
    return kExitUsage;
  }
  return -1;
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
