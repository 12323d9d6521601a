#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "framework/MessageBox.h"
#include "framework/WinApp.h"
#include "runtime/ApplicationInterfaceWin32.h"
#include "runtime/FlagBitmap.h"
#include "runtime/StringFunctions.h"
#include "runtime/TranslatedString.h"
#include "runtime/TranslationModule.h"
#include "runtime/tests/LanguageFiles.h"
#include "runtime/tests/Win32TestSupport.h"

namespace tolmeric::testing {
namespace {

// The real Win32 platform, with language files made from recipes.
class Win32PlatformTest : public CWin32ModuleTest {
 protected:
  using CWin32ModuleTest::Write;
  std::u16string Write(const std::string& name, const LanguageRecipe& recipe) {
    const std::u16string path = folder_.File(name);
    auto data = MakeLanguage(recipe);
    WriteLanguageFile(path, *data);
    return path;
  }

  static std::u16string U16(const std::wstring& text) {
    return std::u16string(text.begin(), text.end());
  }
};

LanguageRecipe German(std::u16string language = u"Deutsch") {
  LanguageRecipe recipe;
  recipe.languageName = std::move(language);
  recipe.stringTables = {{{u"Open the file", u"Datei öffnen"},
                        {u"%d of %d files copied", u"%d von %d Dateien kopiert"}}};
  return recipe;
}

TEST_F(Win32PlatformTest, StringResourcesOfTheExecutableComeBackTranslated) {
  ASSERT_TRUE(LoadTranslationFile(Write("german.tra", German())));

  std::u16string text;
  EXPECT_TRUE(LoadTranslatedString(text, 200));
  EXPECT_EQ(text, u"Datei öffnen");
  EXPECT_FALSE(LoadTranslatedString(text, 202));
  EXPECT_EQ(text, u"Not in any language file");
  FormatTranslated(text, 201, 2, 5);
  EXPECT_EQ(text, u"2 von 5 Dateien kopiert");

  EXPECT_EQ(CTranslatedString(MAKEINTRESOURCEW(200)), L"Datei öffnen");

  // The same with the texts a Windows application has at hand.
  CString wide(L"Open the file");
  EXPECT_TRUE(TranslateString(wide));
  EXPECT_EQ(wide, L"Datei öffnen");
  EXPECT_FALSE(LoadTranslatedString(wide, 202));
  EXPECT_EQ(wide, L"Not in any language file");
  FormatTranslated(wide, 201, 3, 4);
  EXPECT_EQ(wide, L"3 von 4 Dateien kopiert");
  FormatText(wide, L"%s: %d", CString(L"Seite"), 7);
  EXPECT_EQ(wide, L"Seite: 7");
  EXPECT_EQ(CTranslatedString(L"Open the file"), L"Open the file");
}

TEST_F(Win32PlatformTest, ProfileWrittenAtExitIsReadByTheNextStart) {
  const std::u16string standard = Write("german.tra", German());
  const std::u16string french = Write("french.tra", German(u"Français"));
  ASSERT_TRUE(StartAutomaticTranslation(standard, u"Demo", true, true, true));
  ASSERT_TRUE(SwitchTranslationFile(french));
  ExitTranslation();

  wchar_t value[MAX_PATH] = {};
  ::GetPrivateProfileStringW(L"Language", L"LastTraFile", L"", value, MAX_PATH,
                             profile_.c_str());
  EXPECT_EQ(U16(value), french);

  ASSERT_TRUE(StartAutomaticTranslation(standard, u"Demo", true, true, true));
  EXPECT_EQ(module_->State().currentFile, french);
  EXPECT_TRUE(messages_.empty());
}

TEST_F(Win32PlatformTest, MessagesGoThroughTheFrameworksMessageBox) {
  const std::u16string missing = folder_.File("gone.tra");
  EXPECT_FALSE(LoadTranslationFile(missing));
  ASSERT_EQ(messages_.size(), 1u);
  const std::wstring file(missing.begin(), missing.end());
  EXPECT_EQ(messages_[0], L"The translation file " + file +
                              L" doesn't exist.\nThe program will run in the original "
                              L"language.\nPlease place the file " +
                              file + L" in the proper location\nto enable the Lexivane System.");
  EXPECT_EQ(types_[0], 0u);

  ASSERT_TRUE(LoadTranslationFile(Write("german.tra", German())));
  EXPECT_EQ(TranslatedMessageBox(200, MB_YESNO, 0), IDOK);
  EXPECT_EQ(messages_.back(), L"Datei öffnen");
  EXPECT_EQ(types_.back(), static_cast<UINT>(MB_YESNO));
}

TEST_F(Win32PlatformTest, FlagBitmapsShowTheLanguageFilesFlag) {
  HDC screen = ::GetDC(nullptr);
  EXPECT_EQ(GetCurrentFlagBitmap(screen), nullptr);
  EXPECT_EQ(ReadFlagBitmap(folder_.File("gone.tra"), screen), nullptr);

  auto data = MakeLanguage(German());
  data->flagImage[3 * kFlagSize + 5] = RGB(200, 10, 30);
  const std::u16string path = folder_.File("flag.tra");
  WriteLanguageFile(path, *data);
  ASSERT_TRUE(LoadTranslationFile(path));

  for (HBITMAP bitmap : {GetCurrentFlagBitmap(screen), ReadFlagBitmap(path, screen)}) {
    ASSERT_NE(bitmap, nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    EXPECT_EQ(::GetPixel(memory, 5, 3), RGB(200, 10, 30));
    EXPECT_EQ(::GetPixel(memory, 3, 5), RGB(0, 0, 0));
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
    ::DeleteObject(bitmap);
  }
  ::ReleaseDC(nullptr, screen);
}

}  // namespace
}  // namespace tolmeric::testing
