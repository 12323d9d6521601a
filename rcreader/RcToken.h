// One token of a resource script, as the token list hands it out: a view of
// the text the list keeps, valid as long as the list lives.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tolmeric {

enum RcTokenType : int32_t {
  kTokenNone = 0,        // the empty token before the first and after the last
  kTokenIdentifier = 1,
  kTokenNumber = 2,
  kTokenQuoted = 3,      // text holds the decoded content without the quotes
  kTokenCharacter = 4,
};

struct CRcToken {
  std::u16string_view text;
  int32_t type = kTokenNone;
  // The script's name as the caller passed it; one string per script, kept
  // by the list. Null for the empty token.
  const std::u16string* file = nullptr;
  int32_t line = -1;  // line of the token's first character, from 0

  const std::u16string& FileName() const;
  bool Is(std::u16string_view literal) const { return text == literal; }
};

}  // namespace tolmeric
