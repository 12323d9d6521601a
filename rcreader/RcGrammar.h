// Which grammar the reader applies to a resource script.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tolmeric {

enum class RcGrammar : int32_t {
  // The reading the tool has always done: BEGIN and END only, narrow texts,
  // fourteen control statements, styles made of names and hexadecimal
  // numbers joined by "|". Projects made before the grammar could be chosen
  // read this way.
  kClassic = 0,
  // The resource compiler's grammar for everything that carries text:
  // braces for BEGIN and END, L"..." texts, a lone carriage return as a line
  // end, every control statement, numeric expressions in styles and sizes,
  // menu options with or without commas, empty MENUEX fields.
  kCompiler = 1,
};

// "classic" or "compiler"; nothing for any other name.
std::optional<RcGrammar> ParseGrammarName(std::string_view name);
const char* GrammarName(RcGrammar grammar);

}  // namespace tolmeric
