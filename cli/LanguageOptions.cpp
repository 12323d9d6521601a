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

void AddReadingOptions(CArgParser& parser) {
  parser.AddOption("define", true, 'D');
  parser.AddOption("include", true, 'I');
  parser.AddOption("language-section");
}

void ApplyReadingOptions(const CLanguageOptions& options, CProject& project,
                         const std::function<std::u16string(const std::string&)>& storedFolder) {
  // Macros and include folders mean something only to the preprocessor.
  if (!options.defines.empty() || !options.includeFolders.empty()) project.preprocess = true;
  if (!options.defines.empty()) project.defines = options.defines;
  if (!options.includeFolders.empty()) {
    project.includeFolders.clear();
    for (const std::string& folder : options.includeFolders) {
      project.includeFolders.push_back(storedFolder(folder));
    }
  }
  if (options.languageSection) project.languageSection = *options.languageSection;
}

}  // namespace tolmeric::cli
