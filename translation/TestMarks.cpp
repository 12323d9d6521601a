#include "translation/TestMarks.h"

#include <algorithm>

#include "translation/PrintfFormat.h"

namespace tolmeric {

namespace {

void Protect(std::vector<bool>& keep, size_t from, size_t to) {
  std::fill(keep.begin() + static_cast<std::ptrdiff_t>(std::min(from, keep.size())),
            keep.begin() + static_cast<std::ptrdiff_t>(std::min(to, keep.size())), true);
}

}  // namespace

std::vector<bool> ProtectedCharacters(std::u16string_view text) {
  std::vector<bool> keep(text.size(), false);
  for (const CPrintfSpan& span : ReadPrintfSpans(text)) Protect(keep, span.begin, span.end);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'&') {
      Protect(keep, i, i + 2);
      ++i;
    } else if (text[i] == u'\t') {
      Protect(keep, i, text.size());
      break;
    }
  }
  return keep;
}

void ApplyTestMarksToText(std::u16string& text, bool replaceBegin, std::u16string_view beginText,
                          bool replaceEnd, std::u16string_view endText) {
  if (text.empty()) return;
  const std::vector<bool> keep = ProtectedCharacters(text);
  std::vector<size_t> free;
  for (size_t i = 0; i < text.size(); ++i) {
    if (!keep[i]) free.push_back(i);
  }
  if (replaceBegin) {
    const size_t m = std::min(free.size(), beginText.size());
    for (size_t k = 0; k < m; ++k) text[free[k]] = beginText[k];
  }
  if (replaceEnd) {
    const size_t m = std::min(free.size(), endText.size());
    for (size_t k = 0; k < m; ++k) {
      text[free[free.size() - m + k]] = endText[endText.size() - m + k];
    }
  }
}

}  // namespace tolmeric
