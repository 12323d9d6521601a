// Options that several commands share: the flag of the language file
// (--flag CODE) and the code page of scripts without byte-order mark
// (--code-page N).
#pragma once

#include <cstddef>
#include <string>

#include "cli/ArgParser.h"
#include "translation/FlagTable.h"

namespace tolmeric::cli {

struct CLanguageOptions {
  int codePage = 0;                 // 0: not given
  const CFlagEntry* flag = nullptr;  // null: not given
};

// Help lines of the two options, their texts starting at column (counted
// from 0) as the command's other options do.
std::string FlagOptionHelp(size_t column);
std::string CodePageOptionHelp(size_t column);

// Reads the options the command declared. Returns -1 to go on, or 2 after
// printing a usage error for a code page the reader does not know or an
// unknown flag.
int ReadLanguageOptions(const CArgParser& parser, const char* usage, CLanguageOptions& options);

}  // namespace tolmeric::cli
