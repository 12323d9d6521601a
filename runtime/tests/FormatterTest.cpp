#include "runtime/Formatter.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

#include "translation/Utf.h"

#ifdef _WIN32
#include "framework/String.h"
#endif

namespace tolmeric {
namespace {

template <typename... Args>
std::string Format(std::u16string_view format, const Args&... args) {
  return ToUtf8(FormatValues(format, args...));
}

TEST(FormatterTest, IntegerConversionsWithFlagsWidthAndPrecision) {
  EXPECT_EQ(Format(u"%d|%i|%u", 42, -7, 3u), "42|-7|3");
  EXPECT_EQ(Format(u"%02i:%02i", 5, 30), "05:30");
  EXPECT_EQ(Format(u"[%5d][%-5d][%05d]", -42, -42, -42), "[  -42][-42  ][-0042]");
  EXPECT_EQ(Format(u"[%+d][% d][%+d][% d]", 7, 7, -7, -7), "[+7][ 7][-7][-7]");
  EXPECT_EQ(Format(u"[%.3d][%8.3d][%-8.3d|]", 7, -7, 7), "[007][    -007][007     |]");
  // A precision switches zero padding off; precision 0 prints no digit for 0.
  EXPECT_EQ(Format(u"[%08.3d][%.0d][%5.0d]", 7, 0, 0), "[     007][][     ]");
  EXPECT_EQ(Format(u"%x %X %#x %#X %#x", 255, 255, 255, 255, 0), "ff FF 0xff 0XFF 0");
  EXPECT_EQ(Format(u"[%#08x]", 255), "[0x0000ff]");
  EXPECT_EQ(Format(u"%%|%d%%", 50), "%|50%");
}

TEST(FormatterTest, IntegersOfEveryWidthAndSign) {
  EXPECT_EQ(Format(u"%d %d", static_cast<int8_t>(-128), static_cast<int16_t>(-32768)),
            "-128 -32768");
  EXPECT_EQ(Format(u"%d %u", INT64_MIN, UINT64_MAX),
            "-9223372036854775808 18446744073709551615");
  // %d prints the value of an unsigned argument, not a reinterpretation.
  EXPECT_EQ(Format(u"%d", 4294967295u), "4294967295");
  // %u and %x show negative values in two's complement at the argument's width.
  EXPECT_EQ(Format(u"%u %x", -1, -1), "4294967295 ffffffff");
  EXPECT_EQ(Format(u"%x", static_cast<int16_t>(-2)), "fffe");
  EXPECT_EQ(Format(u"%x", static_cast<int64_t>(-1)), "ffffffffffffffff");
  enum Colour { kRed = 3 };
  EXPECT_EQ(Format(u"%d", kRed), "3");
}

TEST(FormatterTest, StringsAndCharacters) {
  const std::u16string owned = u"Datei";
  const char16_t* pointer = u"Ordner";
  const char16_t* null = nullptr;
  EXPECT_EQ(Format(u"%s/%s/%s/%s", owned, std::u16string_view(u"Ansicht"), pointer, u"x"),
            "Datei/Ansicht/Ordner/x");
  EXPECT_EQ(Format(u"[%s]", null), "[(null)]");
  EXPECT_EQ(Format(u"[%8s][%-8s][%.3s][%08s]", owned, owned, owned, owned),
            "[   Datei][Datei   ][Dat][   Datei]");
  EXPECT_EQ(Format(u"%c%c%3c", u'\u00e4', 65, u'z'), "\u00e4A  z");
  // Lengths count UTF-16 units, but a precision never splits a surrogate pair.
  EXPECT_EQ(Format(u"[%.2s]", u"a\U0001F600"), "[a]");
  EXPECT_EQ(Format(u"[%.3s]", u"a\U0001F600"), "[a\U0001F600]");
  // Length modifiers are accepted; the argument's own type decides.
  EXPECT_EQ(Format(u"%ld %lu %I64d %hd %ls %hs %lld", 1, 2u, int64_t{3}, 4, u"w", u"n", 5),
            "1 2 3 4 w n 5");
}

TEST(FormatterTest, StarWidthAndPrecisionTakeIntegerArguments) {
  EXPECT_EQ(Format(u"[%*d]", 5, 42), "[   42]");
  EXPECT_EQ(Format(u"[%*d]", -5, 42), "[42   ]");
  EXPECT_EQ(Format(u"[%.*s]", 2, u"abc"), "[ab]");
  // A negative precision from an argument counts as none.
  EXPECT_EQ(Format(u"[%.*s]", -1, u"abc"), "[abc]");
  EXPECT_EQ(Format(u"[%*.*d]", 6, 3, 7), "[   007]");
}

// A format text written by a translator may not fit the program's arguments:
// the conversion that does not fit is written as it stands, and every
// conversion keeps the argument of its position.
TEST(FormatterTest, ConversionsThatDoNotFitAreWrittenLiterally) {
  // Wrong type in both directions.
  EXPECT_EQ(Format(u"%d files", u"three"), "%d files");
  EXPECT_EQ(Format(u"name %s", 3), "name %s");
  EXPECT_EQ(Format(u"%c", u"x"), "%c");
  EXPECT_EQ(Format(u"%s", u'x'), "%s");
  EXPECT_EQ(Format(u"%d", u'x'), "%d");
  EXPECT_EQ(Format(u"%c|%c", -1, 0x10000), "%c|%c");
  // Swapped conversions: each keeps its own argument, both stay literal.
  EXPECT_EQ(Format(u"%d of %s", u"disk", 4), "%d of %s");
  // A conversion that does not fit still uses up its argument.
  EXPECT_EQ(Format(u"%s %d %s", 1, 2, u"c"), "%s 2 c");
  // No argument left.
  EXPECT_EQ(Format(u"%s and %s", u"one"), "one and %s");
  EXPECT_EQ(Format(u"%-08.3d %x"), "%-08.3d %x");
  EXPECT_EQ(Format(u"[%*d]", 5), "[%*d]");
  EXPECT_EQ(Format(u"[%*d]", u"5", 3), "[%*d]");
  EXPECT_EQ(Format(u"[%.*s]", u"x", u"abc"), "[%.*s]");
  // Conversions this formatter does not do: floating point, pointers, %n.
  EXPECT_EQ(Format(u"%f %p %n %d", 1, 2, 3, 4), "%f %p %n 4");
  EXPECT_EQ(Format(u"100%"), "100%");
  EXPECT_EQ(Format(u"50%-", 1), "50%-");
  EXPECT_EQ(Format(u"%5%|%d", 9), "%5%|9");
}

TEST(FormatterTest, HugeWidthsAndPrecisionsAreRefused) {
  EXPECT_EQ(Format(u"[%10000d]", 1).size(), 10002u);
  EXPECT_EQ(Format(u"[%10001d]", 1), "[%10001d]");
  EXPECT_EQ(Format(u"[%99999999999999999999999d]", 1), "[%99999999999999999999999d]");
  EXPECT_EQ(Format(u"[%.10001s]", u"a"), "[%.10001s]");
  EXPECT_EQ(Format(u"[%*d]", 1 << 30, 1), "[%*d]");
  EXPECT_EQ(Format(u"[%*d]", INT64_MIN, 1), "[%*d]");
  EXPECT_EQ(Format(u"[%.*d]", UINT64_MAX, 1), "[%.*d]");
}

#ifdef _WIN32
TEST(FormatterTest, WideStringsAndCharactersOfWindows) {
  const std::wstring owned = L"Datei";
  const wchar_t* pointer = L"Ordner";
  const wchar_t* null = nullptr;
  EXPECT_EQ(Format(u"%s/%s/%s/%c/%s", owned, pointer, null, L'x', CString(L"Ansicht")),
            "Datei/Ordner/(null)/x/Ansicht");
  EXPECT_EQ(Format(u"%d", L"x"), "%d");
}
#endif

}  // namespace
}  // namespace tolmeric
