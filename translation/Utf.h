// Conversions between the system's UTF-16 texts and UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace tolmeric {

// Joins surrogate pairs; a lone surrogate becomes U+FFFD.
std::string ToUtf8(std::u16string_view text);
// Each invalid sequence becomes one U+FFFD per maximal invalid subpart;
// characters above U+FFFF become surrogate pairs.
std::u16string FromUtf8(std::string_view text);
// Plain ASCII literal to UTF-16, for messages and fixed texts.
std::u16string FromAscii(std::string_view text);

}  // namespace tolmeric
