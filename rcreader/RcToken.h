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

// A token as a token list keeps it, in 12 bytes: the offset of its text
// among the list's texts (for a single character, the character itself; for
// an empty text, 0), its length and type, and its line. A list keeps its
// entries in chunks of kTokenChunkSize.
struct CRcTokenEntry {
  static constexpr uint32_t kTypeShift = 29;
  uint32_t offset;
  uint32_t lengthAndType;
  int32_t line;

  // The entry of a token whose text would be stored at offset. Throws
  // std::length_error for a text of 512 M characters or more.
  static CRcTokenEntry Make(int32_t type, std::u16string_view text, uint32_t offset,
                            int32_t line);
  uint32_t length() const { return lengthAndType & ((uint32_t{1} << kTypeShift) - 1); }
  int32_t type() const { return static_cast<int32_t>(lengthAndType >> kTypeShift); }
  // True when the text is no list's: a single character, or nothing.
  bool Unstored() const { return length() == 0 || (length() == 1 && type() == kTokenCharacter); }
};
constexpr uint32_t kTokenChunkBits = 12;
constexpr uint32_t kTokenChunkSize = uint32_t{1} << kTokenChunkBits;

}  // namespace tolmeric
