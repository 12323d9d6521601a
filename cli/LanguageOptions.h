// Options that several commands share: the flag of the language file
// (--flag CODE) and the code page of scripts without byte-order mark
// (--code-page N).
#pragma once

#include "cli/ArgParser.h"
#include "translation/FlagTable.h"

namespace tolmeric::cli {

struct CLanguageOptions {
  int codePage = 0;                 // 0: not given
  const CFlagEntry* flag = nullptr;  // null: not given
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

struct CommandHelp;

// Reads the options the command declared. Returns -1 to go on, or 2 after
// printing a usage error (with the command's synopsis) for a code page the
// reader does not know or an unknown flag.
int ReadLanguageOptions(const CArgParser& parser, const CommandHelp& help,
                        CLanguageOptions& options);

}  // namespace tolmeric::cli
