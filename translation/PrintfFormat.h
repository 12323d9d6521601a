// The printf conversions of a text, as the formatting functions read them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tolmeric {

struct CPrintfConversions {
  // Each conversion as its length modifier and conversion letter, e.g.
  // "s", "ld", "I64u", in the order they stand; "%%" is none.
  std::vector<std::string> conversions;
  // False when a "%" starts no conversion that printf knows.
  bool wellFormed = true;
};

// conversion := "%" [ position "$" ] flags* [ width ] [ "." precision ] [ length ] letter
CPrintfConversions ReadPrintfConversions(std::u16string_view text);

// Where a "%" acts in a text: a conversion from its "%" to its letter, a
// "%%", or a "%" that starts no conversion with the character after it.
struct CPrintfSpan {
  size_t begin = 0;
  size_t end = 0;  // after the last character
};
std::vector<CPrintfSpan> ReadPrintfSpans(std::u16string_view text);

}  // namespace tolmeric
