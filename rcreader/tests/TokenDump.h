// Test helpers: a readable dump of a token list, and file reading.
#pragma once

#include <string>

#include "rcreader/RcTokenList.h"

namespace tolmeric {

// One line per token: "<line> <type> <text>", the text in UTF-8 with
// backslashes doubled and control characters written as \xHH.
std::string DumpTokens(const CRcTokenList& tokens);
std::string ReadTestFile(const std::string& relativePath);

}  // namespace tolmeric
