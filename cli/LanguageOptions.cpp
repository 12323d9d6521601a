#include "cli/LanguageOptions.h"

#include <cstdio>
#include <string>

#include "cli/CliSession.h"
#include "rcreader/CodePageDecoder.h"
#include "rcreader/RcLanguage.h"
#include "rcreader/RcPreprocessor.h"
#include "translation/Project.h"
#include "translation/Utf.h"

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

int PrintUsageError(const char* message, const CommandHelp& help) {
  CCliSession::PrintError(message);
  std::fprintf(stderr, "usage: %s", help.synopsis);
  return kExitUsage;
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
    for (const std::string& define : parser.Values("define")) {
      std::pair<std::u16string, std::u16string> macro;
      if (!ParseDefineOption(ArgText(define), macro)) throw UsageError("-D " + define + ": no macro name");
      options.defines.push_back(ArgText(define));
    }
    options.includeFolders = parser.Values("include");
    if (parser.Has("language-section")) {
      const std::string value = parser.Value("language-section");
      std::optional<uint16_t> language = ParseLanguageSection(ArgText(value));
      if (value == "all") {
        options.languageSection = CProject::kAllLanguages;
      } else if (language) {
        options.languageSection = *language;
      } else {
        throw UsageError("--language-section " + value + ": not a language (as 0x07,0x01 or LANG_GERMAN,SUBLANG_GERMAN)");
      }
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
    return PrintUsageError(error.what(), help);
  }
  return -1;
}

int CheckReadingOptions(const CLanguageOptions& options, RcGrammar grammar,
                        const CommandHelp& help) {
  const bool given =
      !options.defines.empty() || !options.includeFolders.empty() || options.languageSection;
  if (!given || grammar != RcGrammar::kClassic) return -1;
  return PrintUsageError(
      "-D, -I and --language-section need the compiler grammar: the classic grammar reads "
      "preprocessor lines as tokens and keeps every language",
      help);
}

void AddReadingOptions(CArgParser& parser) {
  parser.AddOption("define", true, 'D');
  parser.AddOption("include", true, 'I');
  parser.AddOption("language-section");
}

void ApplyReadingOptions(const CLanguageOptions& options, CProject& project,
                         const std::function<std::u16string(const std::string&)>& storedFolder) {
  if (!options.defines.empty()) project.defines = options.defines;
  if (!options.includeFolders.empty()) {
    project.includeFolders.clear();
    for (const std::string& folder : options.includeFolders) {
      project.includeFolders.push_back(storedFolder(folder));
    }
  }
  if (options.languageSection) project.languageSection = *options.languageSection;
}

void PrintDiagnostics(const std::vector<CRcDiagnostic>& diagnostics, DiagnosticFormat format) {
  const std::string text = FormatDiagnostics(diagnostics, format);
  std::fwrite(text.data(), 1, text.size(), stderr);
}

}  // namespace tolmeric::cli
