#include "examples/demo-app/TextSearch.h"

#include <gtest/gtest.h>

namespace demo {
namespace {

constexpr size_t kNone = static_cast<size_t>(-1);

struct SearchCase {
  const char16_t* text;
  size_t selectionStart, selectionEnd;
  const char16_t* what;
  bool matchCase, down;
  size_t expected;
};

TEST(TextSearch, FindsFromTheSelectionInItsDirection) {
  const SearchCase cases[] = {
      {u"abc abc", 0, 0, u"abc", true, true, 0},
      {u"abc abc", 0, 3, u"abc", true, true, 4},      // after the selection
      {u"abc abc", 4, 7, u"abc", true, true, kNone},  // nothing further down
      {u"abc abc", 4, 7, u"abc", true, false, 0},     // up: ends before the selection
      {u"abc abc", 7, 7, u"abc", true, false, 4},     // up from the end: the last one
      {u"abc abc", 2, 2, u"abc", true, false, kNone}, // would overlap the caret
      {u"Größe GRÖSSE größe", 0, 0, u"GRÖßE", false, true, 0},
      {u"Größe GRÖSSE größe", 1, 1, u"GRÖßE", false, true, 13},
      {u"Größe", 0, 0, u"größe", true, true, kNone},  // case matters when asked
      {u"Élan élan", 1, 1, u"ÉLAN", false, true, 5},
      {u"ab", 0, 0, u"abc", false, true, kNone},      // longer than the text
      {u"ab", 0, 0, u"", false, true, kNone},         // nothing to find
      {u"aaa", 9, 9, u"a", true, false, 2},           // a selection past the end
  };
  for (const SearchCase& c : cases) {
    const auto found = FindText(c.text, c.selectionStart, c.selectionEnd,
                                {c.what, c.matchCase, c.down});
    EXPECT_EQ(found.value_or(kNone), c.expected) << "case " << (&c - cases);
  }
}

}  // namespace
}  // namespace demo
