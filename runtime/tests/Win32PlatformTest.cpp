#include <gtest/gtest.h>

#include <windows.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "framework/MessageBox.h"
#include "framework/WinApp.h"
#include "runtime/FlagBitmap.h"
#include "runtime/RuntimeModule.h"
#include "runtime/StringFunctions.h"
#include "runtime/TranslatedString.h"
#include "runtime/TranslationModule.h"
#include "runtime/Win32Platform.h"
#include "runtime/tests/LanguageFiles.h"

namespace tolmeric::testing {
namespace {

constexpr UINT kProbeMessage = WM_APP + 7;

// The real Win32 platform with an application object whose profile lives in
// a file of the test's folder, and message boxes answered by the test.
class Win32PlatformTest : public ::testing::Test {
 protected:
  void SetUp() override {
    module_.Activate();
    profilePath_ = folder_.Path() / "Demo.INI";
    profile_ = profilePath_.wstring();
    app_.m_pszProfileName = profile_.c_str();
    AfxSetMessageBoxHandler([this](LPCTSTR text, UINT type, UINT help) {
      messages_.push_back(text);
      types_.push_back(type);
      return IDOK;
    });
  }
  void TearDown() override {
    AfxSetMessageBoxHandler({});
    CWin32Platform::SetCallWndProcHandler({});
    CWin32Platform::SetCallWndProcRetHandler({});
  }

  std::u16string Write(const std::string& name, const LanguageRecipe& recipe) {
    const std::u16string path = folder_.File(name);
    auto data = MakeLanguage(recipe);
    WriteLanguageFile(path, *data);
    return path;
  }

  static std::u16string U16(const std::wstring& text) {
    return std::u16string(text.begin(), text.end());
  }

  CTempFolder folder_;
  CWinApp app_{L"Demo"};
  CWin32Platform platform_;
  CRuntimeModule module_{platform_};
  std::filesystem::path profilePath_;
  std::wstring profile_;
  std::vector<std::wstring> messages_;
  std::vector<UINT> types_;
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
  EXPECT_EQ(RuntimeState().currentFile, french);
  EXPECT_TRUE(messages_.empty());
}

TEST_F(Win32PlatformTest, HooksSeeTheThreadsMessagesOnlyWhileInstalled) {
  HWND window = ::CreateWindowExW(0, L"STATIC", L"probe", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                  nullptr, ::GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  std::vector<std::string> seen;
  CWin32Platform::SetCallWndProcHandler([&](const CWPSTRUCT& message) {
    if (message.hwnd == window && message.message == kProbeMessage) {
      seen.push_back("before " + std::to_string(message.wParam));
      // A failing handler must not unwind through the window manager.
      if (message.wParam == 3) throw std::runtime_error("translation failed");
    }
  });
  CWin32Platform::SetCallWndProcRetHandler([&](const CWPRETSTRUCT& message) {
    if (message.hwnd == window && message.message == kProbeMessage) {
      seen.push_back("after " + std::to_string(message.wParam));
    }
  });

  ::SendMessageW(window, kProbeMessage, 1, 0);
  ASSERT_TRUE(LoadTranslationFile(Write("german.tra", German())));
  EXPECT_NE(RuntimeState().callWndProcHook, nullptr);
  EXPECT_NE(RuntimeState().callWndProcRetHook, nullptr);
  ::SendMessageW(window, kProbeMessage, 2, 0);
  // A second load keeps the one pair of hooks.
  ASSERT_TRUE(LoadTranslationFile(Write("german.tra", German())));
  ::SendMessageW(window, kProbeMessage, 3, 0);
  ExitTranslation();
  ::SendMessageW(window, kProbeMessage, 4, 0);
  ::DestroyWindow(window);

  EXPECT_EQ(seen, (std::vector<std::string>{"before 2", "after 2", "before 3", "after 3"}));
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
