#include "cli/CliSession.h"

#include <vector>

#include "translation/AtomicFile.h"
#include "translation/ProjectPaths.h"
#include "translation/TextTreeDump.h"
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

void CCliSession::PrintWarning(const std::string& message) {
  std::fprintf(stderr, "tolmeric-cli: warning: %s\n", message.c_str());
}

namespace {

const char* const kCommonOptions =
    "    -q, --quiet\n"
    "        Print nothing but errors and warnings.\n"
    "    -v, --verbose\n"
    "        Also name every file written.\n"
    "    -h, --help\n"
    "        Print this page.\n";

const char* const kExitStatus =
    "EXIT STATUS\n"
    "    0   done\n"
    "    1   a file could not be read, written or replaced, or is not what the\n"
    "        command needs; with --strict also problems or warnings of the scan.\n"
    "        Nothing that was there before is damaged.\n"
    "    2   usage error: an unknown or missing option or operand, or an output\n"
    "        that is one of the inputs or another output. Nothing is written.\n";

void PrintManualPage(const CommandHelp& help) {
  std::printf("NAME\n    tolmeric-cli %s - %s\n\nSYNOPSIS\n    %s\nDESCRIPTION\n%s\nOPTIONS\n%s%s\n%s",
              help.name, help.summary, help.synopsis, help.description, help.options,
              kCommonOptions, kExitStatus);
}

}  // namespace

int ParseCommand(CArgParser& parser, const std::vector<std::string>& args, const CommandHelp& help,
                 size_t minOperands, size_t maxOperands,
                 std::initializer_list<const char*> requiredOptions) {
  parser.AddFlag("help", 'h');
  parser.AddFlag("quiet", 'q');
  parser.AddFlag("verbose", 'v');
  try {
    parser.Parse(args);
    if (parser.Has("help")) {
      PrintManualPage(help);
      return kExitOk;
    }
    if (parser.Has("quiet") && parser.Has("verbose")) {
      throw UsageError("--quiet and --verbose exclude each other");
    }
    const size_t n = parser.Operands().size();
    if (n < minOperands) throw UsageError(n == 0 ? "missing operand" : "missing operands");
    if (n > maxOperands) throw UsageError("unexpected operand " + parser.Operands()[maxOperands]);
    for (const char* option : requiredOptions) {
      if (!parser.Has(option)) throw UsageError(std::string("--") + option + " is missing");
    }
  } catch (const UsageError& error) {
    CCliSession::PrintError(error.what());
    std::fprintf(stderr, "usage: %s", help.synopsis);
    return kExitUsage;
  }
  return -1;
}

Verbosity VerbosityOf(const CArgParser& parser) {
  if (parser.Has("quiet")) return Verbosity::kQuiet;
  return parser.Has("verbose") ? Verbosity::kVerbose : Verbosity::kNormal;
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

namespace tolmeric::cli {

namespace {

bool HasUnpairedSurrogate(const std::u16string& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      return true;
    }
  }
  return false;
}

}  // namespace

std::filesystem::path StoredPath(const std::filesystem::path& folder, const std::u16string& stored,
                                 const std::filesystem::path& project) {
  if (HasUnpairedSurrogate(stored)) {
    throw CommandError(PathText(project) + ": the stored name " + QuoteText(stored) +
                       " holds an unpaired surrogate and cannot be a file name");
  }
  return ResolveStoredPath(folder, stored);
}

}  // namespace tolmeric::cli
