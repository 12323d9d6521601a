// Options that several commands share: the flag of the language file
// (--flag CODE), the code page of scripts without byte-order mark
// (--code-page N) and the reading of preprocessor lines and languages
// (-D, -I, --language-section).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cli/ArgParser.h"
#include "rcreader/RcDiagnostic.h"
#include "rcreader/RcGrammar.h"
#include "translation/FlagTable.h"

namespace tolmeric {
class CProject;
}  // namespace tolmeric

namespace tolmeric::cli {

struct CommandHelp;

struct CLanguageOptions {
  int codePage = 0;                 // 0: not given
  const CFlagEntry* flag = nullptr;  // null: not given
  std::vector<std::u16string> defines;         // -D, as given
  std::vector<std::string> includeFolders;     // -I, the arguments
  std::optional<int32_t> languageSection;      // a language or CProject::kAllLanguages
  std::optional<RcGrammar> grammar;  // --grammar, when given
  DiagnosticFormat diagnosticsFormat = DiagnosticFormat::kMsvc;
};

// Declares -D NAME[=VALUE], -I DIR and --language-section L,S.
void AddReadingOptions(CArgParser& parser);
// Returns -1 to go on, or 2 after printing a usage error (with the
// command's synopsis) when -D, -I or --language-section were given and the
// scripts are read in the classic grammar, which has no use for them.
int CheckReadingOptions(const CLanguageOptions& options, RcGrammar grammar,
                        const CommandHelp& help);
// Puts the reading options that were given into the project (each replaces
// what the project had); storedFolder gives what the project stores for a
// folder argument.
void ApplyReadingOptions(const CLanguageOptions& options, CProject& project,
                         const std::function<std::u16string(const std::string&)>& storedFolder);

// The manual page's entries of the two options, in the form of the other
// options of a command (string literals, so that a command's option text can
// be joined with them).
#define TOLMERIC_FLAG_OPTION_HELP                                      \
  "    --flag CODE\n"                                                  \
  "        The language file's flag (tolmeric-cli flags lists them).\n"
#define TOLMERIC_CODE_PAGE_OPTION_HELP                                   \
  "    --code-page N\n"                                                  \
  "        Read scripts without byte-order mark or code_page pragma in\n" \
  "        Windows code page N (874, 932, 936, 949, 950, 1250 to 1258,\n"  \
  "        65001), as the resource compiler's /c option does.\n"

#define TOLMERIC_READING_OPTIONS_HELP                                       \
  "    -D NAME[=VALUE]\n"                                                  \
  "        Define a macro for #if lines (repeatable; without a value it is\n" \
  "        1).\n"                                                          \
  "    -I DIR\n"                                                           \
  "        Search included files there, after the including file's folder\n" \
  "        (repeatable, in order).\n"                                       \
  "    --language-section L,S\n"                                           \
  "        Keep only the resources of one LANGUAGE: numbers (0x07,0x01) or\n" \
  "        names (LANG_GERMAN,SUBLANG_GERMAN); all keeps every language.\n"
#define TOLMERIC_GRAMMAR_OPTION_HELP                                        \
  "    --grammar classic|compiler\n"                                       \
  "        The grammar the scripts are read in: the resource compiler's\n"  \
  "        (braces, L\"...\" texts, every control statement, numeric\n"      \
  "        styles; the default for new projects and scans) or the classic\n" \
  "        one the tool has always read (projects made before the grammar\n" \
  "        could be chosen).\n"
#define TOLMERIC_DIAGNOSTICS_OPTION_HELP                                    \
  "    --diagnostics-format msvc|gcc|json\n"                                \
  "        How the scan's diagnostics are printed on standard error, in\n"  \
  "        English: file(line): warning TOL1002: message (msvc, the\n"      \
  "        default), file:line: warning: message [TOL1002] (gcc), or a JSON\n" \
  "        array.\n"


// Prints the scan's diagnostics on standard error in the chosen format; a
// JSON array is printed even when empty, the line formats print nothing.
void PrintDiagnostics(const std::vector<CRcDiagnostic>& diagnostics, DiagnosticFormat format);

// Reads the options the command declared. Returns -1 to go on, or 2 after
// printing a usage error (with the command's synopsis) for a code page the
// reader does not know, an unknown flag, a -D without a name or a language
// section that is none.
int ReadLanguageOptions(const CArgParser& parser, const CommandHelp& help,
                        CLanguageOptions& options);

}  // namespace tolmeric::cli
