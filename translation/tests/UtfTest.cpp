#include "translation/Utf.h"

#include <gtest/gtest.h>

namespace tolmeric {
namespace {

TEST(Utf, RoundTripsAllPlanes) {
  std::u16string text = u"A\u00e4\u20ac\U0001F600z";
  EXPECT_EQ(ToUtf8(text), "A\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80z");
  EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
}

TEST(Utf, LoneSurrogatesBecomeReplacement) {
  std::u16string lone = {u'a', char16_t(0xD800), u'b', char16_t(0xDC00)};
  EXPECT_EQ(ToUtf8(lone), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD");
}

TEST(Utf, OneReplacementPerMaximalInvalidSubpart) {
  // E2 82 is a cut-short sequence (one U+FFFD); C0 and FF are never valid
  // (one each); ED A0 80 is a surrogate: ED fails on A0, then A0 and 80 are
  // lone continuation bytes.
  EXPECT_EQ(FromUtf8("\xE2\x82" "x"), u"\uFFFDx");
  EXPECT_EQ(FromUtf8("\xC0\xFF"), u"\uFFFD\uFFFD");
  EXPECT_EQ(FromUtf8("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(FromUtf8("\xF0\x9F\x98"), u"\uFFFD");
}

}  // namespace
}  // namespace tolmeric
