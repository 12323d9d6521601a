#include "cli/LanguageOptions.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <string>

#include "cli/CliSession.h"
#include "rcreader/CodePageDecoder.h"

namespace tolmeric::cli {

namespace {

// digits, at most six of them
int ParseCodePage(const std::string& text) {
  if (text.empty() || text.size() > 6) return 0;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return 0;
    value = value * 10 + (c - '0');
  }
  return CCodePageDecoder::IsSupported(value) ? value : 0;
}

// "  OPTION" padded to column, then the lines of text, each further one
// indented to column.
std::string OptionHelp(const std::string& option, std::initializer_list<const char*> lines,
                       size_t column) {
  std::string help = "  " + option;
  help.resize(std::max(help.size() + 1, column), ' ');
  for (const char* line : lines) {
    if (help.back() == '\n') help.append(column, ' ');
    help += line;
    help += '\n';
  }
  return help;
}

}  // namespace

std::string FlagOptionHelp(size_t column) {
  return OptionHelp("--flag CODE", {"the language file's flag (tolmeric-cli flags lists them)"},
                    column);
}

std::string CodePageOptionHelp(size_t column) {
  return OptionHelp("--code-page N",
                    {"read scripts without byte-order mark or code_page pragma in",
                     "Windows code page N (874, 932, 936, 949, 950, 1250 to 1258,",
                     "65001), as the resource compiler's /c option does"},
                    column);
}

int ReadLanguageOptions(const CArgParser& parser, const char* usage, CLanguageOptions& options) {
  try {
    if (parser.Has("code-page")) {
      const std::string value = parser.Value("code-page");
      options.codePage = ParseCodePage(value);
      if (options.codePage == 0) throw UsageError("--code-page " + value + ": not a code page the reader knows");
    }
    if (parser.Has("flag")) {
      const std::string code = parser.Value("flag");
      options.flag = FindFlag(code);
      if (options.flag == nullptr) throw UsageError("--flag " + code + ": unknown (tolmeric-cli flags lists them)");
    }
  } catch (const UsageError& error) {
    CCliSession::PrintError(error.what());
    std::fputs(usage, stderr);
    return kExitUsage;
  }
  return -1;
}

}  // namespace tolmeric::cli
