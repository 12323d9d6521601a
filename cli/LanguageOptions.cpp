#include "cli/LanguageOptions.h"

#include <cstdio>
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

}  // namespace

int ReadLanguageOptions(const CArgParser& parser, const CommandHelp& help,
                        CLanguageOptions& options) {
  try {
    if (parser.Has("code-page")) {
      const std::string value = parser.Value("code-page");
      options.codePage = ParseCodePage(value);
      if (options.codePage == 0) throw UsageError("--code-page " + value + ": not a code page the reader knows");
    }
    if (parser.Has("grammar")) {
      const std::string name = parser.Value("grammar");
      options.grammar = ParseGrammarName(name);
      if (!options.grammar) throw UsageError("--grammar " + name + ": classic or compiler");
    }
    if (parser.Has("diagnostics-format")) {
      const std::string name = parser.Value("diagnostics-format");
      const std::optional<DiagnosticFormat> format = ParseDiagnosticFormat(name);
      if (!format) throw UsageError("--diagnostics-format " + name + ": msvc, gcc or json");
      options.diagnosticsFormat = *format;
    }
    if (parser.Has("flag")) {
      const std::string code = parser.Value("flag");
      options.flag = FindFlag(code);
      if (options.flag == nullptr) throw UsageError("--flag " + code + ": unknown (tolmeric-cli flags lists them)");
    }
  } catch (const UsageError& error) {
    CCliSession::PrintError(error.what());
    std::fprintf(stderr, "usage: %s", help.synopsis);
    return kExitUsage;
  }
  return -1;
}

void PrintDiagnostics(const std::vector<CRcDiagnostic>& diagnostics, DiagnosticFormat format) {
  const std::string text = FormatDiagnostics(diagnostics, format);
  std::fwrite(text.data(), 1, text.size(), stderr);
}

}  // namespace tolmeric::cli
