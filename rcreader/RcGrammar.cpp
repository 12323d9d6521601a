#include "rcreader/RcGrammar.h"

namespace tolmeric {

std::optional<RcGrammar> ParseGrammarName(std::string_view name) {
  if (name == "classic") return RcGrammar::kClassic;
  if (name == "compiler") return RcGrammar::kCompiler;
  return std::nullopt;
}

const char* GrammarName(RcGrammar grammar) {
  return grammar == RcGrammar::kCompiler ? "compiler" : "classic";
}

}  // namespace tolmeric
