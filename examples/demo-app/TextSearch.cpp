#include "examples/demo-app/TextSearch.h"

#include <algorithm>
#include <string>

namespace demo {

namespace {

// Letter case is folded for the letters the demo's languages write: ASCII
// and the Latin-1 letters (German umlauts, French accents).
char16_t FoldCase(char16_t c) {
  if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char16_t>(c + 32);
  return c;
}

bool SameAt(std::u16string_view text, size_t at, std::u16string_view what, bool matchCase) {
  for (size_t i = 0; i < what.size(); ++i) {
    const char16_t a = text[at + i], b = what[i];
    if (matchCase ? a != b : FoldCase(a) != FoldCase(b)) return false;
  }
  return true;
}

}  // namespace

std::optional<size_t> FindText(std::u16string_view text, size_t selectionStart,
                               size_t selectionEnd, const CSearchRequest& request) {
  const std::u16string_view what = request.what;
  if (what.empty() || what.size() > text.size()) return std::nullopt;
  const size_t lastStart = text.size() - what.size();
  if (request.down) {
    for (size_t at = std::min(selectionEnd, text.size()); at <= lastStart; ++at) {
      if (SameAt(text, at, what, request.matchCase)) return at;
    }
    return std::nullopt;
  }
  const size_t end = std::min(selectionStart, text.size());
  if (end < what.size()) return std::nullopt;
  for (size_t at = end - what.size() + 1; at-- > 0;) {
    if (SameAt(text, at, what, request.matchCase)) return at;
  }
  return std::nullopt;
}

}  // namespace demo
