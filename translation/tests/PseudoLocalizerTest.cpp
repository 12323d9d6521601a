#include "translation/PseudoLocalizer.h"

#include <gtest/gtest.h>

#include <string>

#include "translation/TextNode.h"
#include "translation/Utf.h"
#include "translation/tests/SampleTree.h"

namespace tolmeric {
namespace {

CPseudoSettings Settings(bool accents, int32_t percent, const char16_t* begin = nullptr,
                         const char16_t* end = nullptr) {
  CPseudoSettings settings;
  settings.accents = accents;
  settings.lengthenPercent = percent;
  settings.addBegin = begin != nullptr;
  settings.beginText = begin != nullptr ? begin : u"";
  settings.addEnd = end != nullptr;
  settings.endText = end != nullptr ? end : u"";
  return settings;
}

// What the program reads in a text (conversions, hotkeys, escapes, line
// ends, the accelerator) survives; letters elsewhere change.
TEST(PseudoLocalizer, LettersChangeAndWhatTheProgramReadsStays) {
  const CPseudoSettings plain = Settings(true, 0);
  struct Case {
    const char16_t* text;
    const char16_t* expected;
  };
  const Case cases[] = {
      {u"File", u"\u0191\u00EE\u013C\u00E9"},
      {u"&Open\tCtrl+O", u"&O\u00FE\u00E9\u00F1\tCtrl+O"},
      {u"&&Save", u"&&\u0160\u00E5v\u00E9"},
      {u"%d files in %s", u"%d \u0192\u00EE\u013C\u00E9\u0161 \u00EE\u00F1 %s"},
      {u"%-5.2f|%ld|%I64u|%*.*s|%lS|% d", u"%-5.2f|%ld|%I64u|%*.*s|%lS|% d"},
      {u"100%% done", u"100%% \u00F0\u00F6\u00F1\u00E9"},
      {u"%1 of %2", u"%1 \u00F6\u0192 %2"},
      {u"50%", u"50%"},
      {u"a\\tb\\", u"\u00E5\\t\u0180\\"},
      {u"Line\r\nnext", u"\u013B\u00EE\u00F1\u00E9\r\n\u00F1\u00E9x\u0163"},
      {u"Ready ", u"\u0154\u00E9\u00E5\u00F0\u00FD "},
      {u"&", u"&"},
      {u"", u""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PseudoLocalize(c.text, plain), c.expected) << ToUtf8(c.text);
  }
}

// Padding and the end marker go before trailing blanks and line ends; the
// share counts the label without the accelerator.
TEST(PseudoLocalizer, LengtheningAndMarkers) {
  struct Case {
    const char16_t* text;
    CPseudoSettings settings;
    std::u16string expected;
  };
  const Case cases[] = {
      {u"Open", Settings(false, 35, u"[", u"]"), u"[Open~~]"},          // 1.4 rounds up
      {u"Open", Settings(false, 0, u"[", u"]"), u"[Open]"},
      {u"Open", Settings(false, 100), u"Open~~~~"},
      {u"Open", Settings(false, -5), u"Open"},
      {u"ab", Settings(false, 1 << 30), std::u16string(u"ab") + std::u16string(20, u'~')},  // at most ten times
      {u"Save\n", Settings(false, 35, u"[", u"]"), u"[Save~~]\n"},
      {u"&Open\tCtrl+O", Settings(false, 35, u"[", u"]"), u"[&Open~~\tCtrl+O]"},
      {u"Title", Settings(true, 20, u">>", nullptr), u">>\u0162\u00EE\u0163\u013C\u00E9~"},
      {u"Title", Settings(false, 20, nullptr, u"<<"), u"Title~<<"},
      {u" \n", Settings(false, 35, u"[", u"]"), u"[] \n"},
      {u"", Settings(true, 35, u"[", u"]"), u""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PseudoLocalize(c.text, c.settings), c.expected) << ToUtf8(c.text);
  }
}

TEST(PseudoLocalizer, EveryNodeOfTheTreeButNotItsBaseTexts) {
  auto tree = BuildSampleTree(1, 1, 1);
  PseudoLocalizeTree(*tree, Settings(false, 0, u"[", u"]"));
  EXPECT_EQ(tree->text, u"[RCFileText]");
  EXPECT_EQ(tree->ChildAt(0)->text, u"[Menus]");
  EXPECT_EQ(tree->ChildAt(0)->baseText, u"Menus");
}

}  // namespace
}  // namespace tolmeric
