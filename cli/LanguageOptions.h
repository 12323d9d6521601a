// Options that several commands share: the flag of the language file
// (--flag CODE) and the code page of scripts without byte-order mark
// (--code-page N).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/ArgParser.h"
#include "rcreader/RcDiagnostic.h"
#include "rcreader/RcGrammar.h"
#include "translation/FlagTable.h"

namespace tolmeric::cli {

struct CLanguageOptions {
  int codePage = 0;                 // 0: not given
  const CFlagEntry* flag = nullptr;  // null: not given
  std::optional<RcGrammar> grammar;  // --grammar, when given
  DiagnosticFormat diagnosticsFormat = DiagnosticFormat::kMsvc;
};

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

struct CommandHelp;

// Prints the scan's diagnostics on standard error in the chosen format; a
// JSON array is printed even when empty, the line formats print nothing.
void PrintDiagnostics(const std::vector<CRcDiagnostic>& diagnostics, DiagnosticFormat format);

// Reads the options the command declared. Returns -1 to go on, or 2 after
// printing a usage error (with the command's synopsis) for a code page the
// reader does not know or an unknown flag.
int ReadLanguageOptions(const CArgParser& parser, const CommandHelp& help,
                        CLanguageOptions& options);

}  // namespace tolmeric::cli
