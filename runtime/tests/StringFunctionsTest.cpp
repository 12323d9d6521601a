#include "runtime/StringFunctions.h"

#include <gtest/gtest.h>

#include <string>

#include "runtime/TranslatedString.h"
#include "runtime/TranslatedStringSource.h"
#include "runtime/TranslationModule.h"
#include "runtime/tests/RuntimeFixture.h"

namespace tolmeric::testing {
namespace {

class StringFunctionsTest : public RuntimeFixture {
 protected:
  // Two string tables with repeated texts; the program's resources hold the
  // same texts under their numbers.
  void LoadSample(std::u16string languagePrompt = {}) {
    LanguageRecipe recipe;
    recipe.languagePrompt = std::move(languagePrompt);
    recipe.stringTables = {
        {{u"Öffnen", u"Open"}, {u"Öffnen", u"Open (second)"}, {u"Datei ", u"File (blank)"},
         {u"%d von %d Dateien", u"%d of %d files"}, {u"Fehler in %s", u"Error in %d"}},
        {{u"Öffnen", u"Open (table 2)"}, {u"Datei", u"File"}, {u"Leer", u""}},
    };
    ASSERT_TRUE(LoadTranslationFile(Write("sample.tra", recipe)));
    platform_.SetString(100, u"Öffnen");
    platform_.SetString(101, u"%d von %d Dateien");
    platform_.SetString(102, u"Fehler in %s");
    platform_.SetString(103, u"Nicht übersetzt");
    platform_.SetString(kDefaultLanguageCommandId, u"Aus den Ressourcen");
  }

  static std::string Translate(std::u16string text, bool expectFound) {
    EXPECT_EQ(TranslateString(text), expectFound);
    return ToUtf8(text);
  }
};

TEST_F(StringFunctionsTest, TranslateStringFindsTheFirstEqualTextInTreeOrder) {
  EXPECT_EQ(Translate(u"Öffnen", false), "Öffnen");  // nothing held yet
  LoadSample();

  EXPECT_EQ(Translate(u"Öffnen", true), "Open");
  EXPECT_EQ(Translate(u"Datei", true), "File");
  EXPECT_EQ(Translate(u"Datei ", true), "File (blank)");
  // Exact and whole: no trimming, no case folding, no prefix.
  EXPECT_EQ(Translate(u" Datei", false), " Datei");
  EXPECT_EQ(Translate(u"öffnen", false), "öffnen");
  EXPECT_EQ(Translate(u"Öff", false), "Öff");
  // Found with an empty translation is not the same as not found.
  EXPECT_EQ(Translate(u"Leer", true), "");
  EXPECT_EQ(Translate(u"", false), "");
}

TEST_F(StringFunctionsTest, LoadTranslatedStringTranslatesTheResourceString) {
  LoadSample();
  std::u16string text = u"old";
  EXPECT_TRUE(LoadTranslatedString(text, 100));
  EXPECT_EQ(text, u"Open");
  EXPECT_FALSE(LoadTranslatedString(text, 103));
  EXPECT_EQ(text, u"Nicht übersetzt");
  EXPECT_FALSE(LoadTranslatedString(text, 999));
  EXPECT_EQ(text, u"");

  CTranslatedStringSource source;
  EXPECT_EQ(source.LoadString(100), u"Open");
  EXPECT_EQ(source.LoadString(103), u"Nicht übersetzt");
}

TEST_F(StringFunctionsTest, LanguageCommandYieldsThePromptOfTheSwitchDialog) {
  LoadSample();
  std::u16string text = u"unchanged";
  // No switch dialog in the file: nothing, and the resources stay untouched.
  EXPECT_FALSE(LoadTranslatedString(text, kDefaultLanguageCommandId));
  EXPECT_EQ(text, u"unchanged");

  ResetModule();
  LoadSample(u"Choose a language\nLanguage");
  EXPECT_TRUE(LoadTranslatedString(text, kDefaultLanguageCommandId));
  EXPECT_EQ(text, u"Choose a language\nLanguage");

  // A switch dialog without the prompt's control gives nothing.
  ResetModule();
  LanguageRecipe shortDialog;
  shortDialog.languagePrompt = u"unused";
  shortDialog.switchDialogControls = 10;
  ASSERT_TRUE(LoadTranslationFile(Write("short.tra", shortDialog)));
  EXPECT_FALSE(LoadTranslatedString(text, kDefaultLanguageCommandId));
  EXPECT_EQ(text, u"Choose a language\nLanguage");

  // An application may choose its own identifier for the command.
  ASSERT_TRUE(StartAutomaticTranslation(folder_.File("sample.tra"), u"", false, true, true,
                                        kDefaultHelpCommandId, 500));
  EXPECT_TRUE(LoadTranslatedString(text, 500));
  EXPECT_EQ(text, u"Choose a language\nLanguage");
  EXPECT_FALSE(LoadTranslatedString(text, kDefaultLanguageCommandId));
  EXPECT_EQ(text, u"Aus den Ressourcen");
}

TEST_F(StringFunctionsTest, FormatTranslatedUsesTheTranslatedFormatSafely) {
  LoadSample();
  std::u16string out;
  FormatTranslated(out, 101, 3, 7);
  EXPECT_EQ(out, u"3 of 7 files");
  // The translator wrote %d where the program passes a text.
  FormatTranslated(out, 102, u"demo.rc");
  EXPECT_EQ(out, u"Error in %d");
  FormatTranslated(out, 999, 1);
  EXPECT_EQ(out, u"");
  FormatText(out, u"Öffnen %s", u"Datei");
  EXPECT_EQ(out, u"Öffnen Datei");
}

TEST_F(StringFunctionsTest, MessageBoxesShowTranslatedOrLiteralTexts) {
  LoadSample();
  platform_.SetMessageBoxAnswer(6);
  EXPECT_EQ(TranslatedMessageBox(100, 0x24, 17), 6);
  EXPECT_EQ(TextMessageBox(u"Öffnen", 0, 0), 6);
  ASSERT_EQ(platform_.Messages().size(), 2u);
  EXPECT_EQ(platform_.Messages()[0].text, u"Open");
  EXPECT_EQ(platform_.Messages()[0].style, 0x24u);
  EXPECT_EQ(platform_.Messages()[0].helpContext, 17u);
  EXPECT_EQ(platform_.Messages()[1].text, u"Öffnen");
}

#ifndef _WIN32
// On Windows the string resources are the executable's own (see the Win32
// tests).
TEST_F(StringFunctionsTest, TranslatedStringTranslatesResourcesButNeverLiterals) {
  LoadSample();
  EXPECT_EQ(CTranslatedString(u"Öffnen"), u"Öffnen");
  EXPECT_EQ(CTranslatedString(StringResourceId(100)), u"Open");
  EXPECT_EQ(CTranslatedString(StringResourceId(103)), u"Nicht übersetzt");
  EXPECT_EQ(CTranslatedString(StringResourceId(999)), u"");
  EXPECT_EQ(CTranslatedString(nullptr), u"");
}
#endif

}  // namespace
}  // namespace tolmeric::testing
