// Languages as LANGUAGE statements name them: a primary language and a
// sub-language, symbolic (LANG_GERMAN, SUBLANG_GERMAN) or numeric
// (0x07, 0x01), combined into one language identifier as the resource
// compiler does (sub-language times 1024 plus primary language).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tolmeric {

uint16_t MakeLanguageId(int64_t primary, int64_t sub);

// The value of a LANG_* or SUBLANG_* name of the common table. Like the
// resource compiler, SUBLANG_NEUTRAL is 0, SUBLANG_DEFAULT 1 and
// SUBLANG_SYS_DEFAULT 2, whatever the primary language.
std::optional<int64_t> LanguageConstant(const std::u16string& name);

// "primary,sub" with each part a LANG_*/SUBLANG_* name or a number
// (0x07, 7); blanks around the parts are allowed.
std::optional<uint16_t> ParseLanguageSection(const std::u16string& text);

// "LANG_GERMAN, SUBLANG_GERMAN"; a part without a name in the table is
// written as a hexadecimal number ("0x07, 0x1f").
std::u16string LanguageName(uint16_t languageId);

}  // namespace tolmeric
