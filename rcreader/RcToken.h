// One token of a resource script.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace tolmeric {

enum RcTokenType : int32_t {
  kTokenNone = 0,        // the empty token before the first and after the last
  kTokenIdentifier = 1,
  kTokenNumber = 2,
  kTokenQuoted = 3,      // text holds the decoded content without the quotes
  kTokenCharacter = 4,
};

struct CRcToken {
  std::u16string text;
  int32_t type = kTokenNone;
  // The script's name as the caller passed it; shared by all tokens of one
  // script. Null for the empty token.
  std::shared_ptr<const std::u16string> file;
  int32_t line = -1;  // line of the token's first character, from 0

  const std::u16string& FileName() const;
  bool Is(const char16_t* literal) const { return text == literal; }
};

}  // namespace tolmeric
