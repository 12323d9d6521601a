// The language switch dialog on a real desktop: opened modally and driven as
// a user would, by clicks on its lists and buttons from a timer.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "runtime/ApplicationInterfaceWin32.h"
#include "runtime/tests/Win32TestSupport.h"
#include "translation/TextNode.h"

namespace tolmeric::testing {
namespace {

// The held file's standard switch dialog with the texts the scan inserts.
void SetGermanSwitchTexts(CLanguageData& data) {
  const std::u16string texts[] = {u"Verfügbare Sprachen", u"Sprachen dieser Programmversion:",
                                  u"Sprachen älterer Programmversionen:", u"&OK", u"&Abbrechen",
                                  u"&Hilfe", u"Ver.", u"Warnung!", u"Fehler!"};
  CTextNode* dialogs = data.root->ChildAt(1);
  CTextNode* dialog = dialogs->ChildAt(dialogs->childCount - 1);
  for (int32_t i = 0; i < 9; ++i) dialog->ChildAt(i)->text = texts[i];
}

std::unique_ptr<CLanguageData> Language(const std::u16string& name, const std::u16string& version,
                                        bool withSwitchDialog) {
  LanguageRecipe recipe;
  recipe.languageName = name;
  recipe.programVersion = version;
  if (withSwitchDialog) recipe.languagePrompt = u"&Sprache wählen...";
  auto data = MakeLanguage(recipe);
  if (withSwitchDialog) SetGermanSwitchTexts(*data);
  return data;
}

std::wstring Text(HWND window) {
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)), L'\0');
  ::GetWindowTextW(window, text.data(), static_cast<int>(text.size() + 1));
  return text;
}

// The entries of a list, sorted (the folder gives them in any order), and
// how many flags it holds.
std::vector<std::wstring> ListEntries(HWND dialog, int id) {
  HWND list = ::GetDlgItem(dialog, id);
  std::vector<std::wstring> entries;
  const int count = static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t buffer[256] = {};
    LVITEMW item{};
    item.pszText = buffer;
    item.cchTextMax = 256;
    ::SendMessageW(list, LVM_GETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
    entries.push_back(buffer);
  }
  std::sort(entries.begin(), entries.end());
  return entries;
}

int FlagCount(HWND dialog, int id) {
  HWND list = ::GetDlgItem(dialog, id);
  auto images = reinterpret_cast<HIMAGELIST>(::SendMessageW(list, LVM_GETIMAGELIST, LVSIL_NORMAL, 0));
  return images ? ::ImageList_GetImageCount(images) : 0;
}

// The index of the entry with that text.
int EntryIndex(HWND dialog, int id, const std::wstring& text) {
  LVFINDINFOW find{};
  find.flags = LVFI_STRING;
  find.psz = text.c_str();
  return static_cast<int>(::SendMessageW(::GetDlgItem(dialog, id), LVM_FINDITEMW,
                                         static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
}

// A click (or double click) with the mouse on the entry's flag.
void ClickEntry(HWND dialog, int id, const std::wstring& text, bool twice = false) {
  ClickListItem(::GetDlgItem(dialog, id), EntryIndex(dialog, id, text), twice);
}

void ClickButton(HWND dialog, int id) { ::SendMessageW(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

// The open switch dialog: the window with the first list.
HWND FindSwitchDialog() {
  HWND found = nullptr;
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND window, LPARAM out) {
        if (!::GetDlgItem(window, 1234)) return TRUE;
        *reinterpret_cast<HWND*>(out) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// Drives the switch dialog.
class CSwitchDialogDriver : public CModalDialogDriver {
 public:
  explicit CSwitchDialogDriver(std::vector<Step> steps)
      : CModalDialogDriver(&FindSwitchDialog, std::move(steps)) {}
};

class Win32SwitchDialogTest : public CWin32ModuleTest {
 protected:
  Win32SwitchDialogTest() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);
  }

  // German (held), English of this version, French of an older one, and a
  // file of another program.
  void WriteLanguages() {
    german_ = Write("de.tra", *Language(u"Deutsch", u"1.0", true));
    english_ = Write("en.tra", *Language(u"English", u"1.0", true));
    french_ = Write("fr.tra", *Language(u"Français", u"0.9", true));
    auto other = Language(u"Other", u"1.0", true);
    other->programName = u"Other";
    Write("other.tra", *other);
    ASSERT_TRUE(LoadTranslationFile(german_.c_str()));
    module_->State().switchDialogFolder = folder_.File("");
  }

  std::wstring HeldFile() const {
    CLanguageInfo info;
    GetCurrentLanguageInfo(info);
    return std::wstring(info.filePath.begin(), info.filePath.end());
  }

  std::wstring german_, english_, french_;
};

TEST_F(Win32SwitchDialogTest, LanguageCommandListsTheLanguagesAndSwitchesToAnOlderOne) {
  WriteLanguages();
  bool okEnabledAtFirst = true;
  bool okEnabledAfterClick = false;
  CSwitchDialogDriver driver({
      [&](HWND dialog) {
        EXPECT_EQ(Text(dialog), L"Sprache umschalten");
        EXPECT_TEXTS(ListEntries(dialog, 1234), (std::vector<std::wstring>{L"Deutsch", L"English"}));
        EXPECT_TEXTS(ListEntries(dialog, 1223), (std::vector<std::wstring>{L"Français (Ver.0.9)"}));
        EXPECT_EQ(FlagCount(dialog, 1234), 2);
        EXPECT_EQ(FlagCount(dialog, 1223), 1);
        EXPECT_TEXTS((std::vector<std::wstring>{Text(::GetDlgItem(dialog, 125)),
                                                Text(::GetDlgItem(dialog, 126)),
                                                Text(::GetDlgItem(dialog, 1)),
                                                Text(::GetDlgItem(dialog, 2)),
                                                Text(::GetDlgItem(dialog, 9))}),
                     (std::vector<std::wstring>{L"Sprachen dieser Programmversion:",
                                                L"Sprachen älterer Programmversionen:", L"&OK",
                                                L"&Abbrechen", L"&Hilfe"}));
        okEnabledAtFirst = ::IsWindowEnabled(::GetDlgItem(dialog, 1));
        // Enter before any entry is chosen does nothing.
        ::SendMessageW(dialog, WM_COMMAND, IDOK, 0);
      },
      [&](HWND dialog) {
        ClickEntry(dialog, 1234, L"English");
        okEnabledAfterClick = ::IsWindowEnabled(::GetDlgItem(dialog, 1));
      },
      [&](HWND dialog) { ClickEntry(dialog, 1223, L"Français (Ver.0.9)", true); },
  });
  // The language command opens the dialog, as the language item does.
  module_->SetSwitchDialogOpener({});
  HWND window = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  ::GetModuleHandleW(nullptr), nullptr);
  ::SendMessageW(window, WM_COMMAND, kDefaultLanguageCommandId, 0);
  ::DestroyWindow(window);
  EXPECT_FALSE(driver.leftOpen);
  EXPECT_FALSE(okEnabledAtFirst);
  EXPECT_TRUE(okEnabledAfterClick);
  EXPECT_TEXTS(messages_, (std::vector<std::wstring>{L"Warnung!"}));
  EXPECT_EQ(HeldFile(), french_);
}

// The application's main window, which hears the help command.
LRESULT CALLBACK MainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) {
    reinterpret_cast<std::vector<UINT>*>(::GetWindowLongPtrW(window, GWLP_USERDATA))
        ->push_back(LOWORD(wParam));
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

TEST_F(Win32SwitchDialogTest, HelpAsksTheMainWindowAndCancelKeepsTheLanguage) {
  WriteLanguages();
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &MainWindowProcedure;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"SwitchDialogTestMain";
  ::RegisterClassW(&windowClass);
  HWND main = ::CreateWindowExW(0, L"SwitchDialogTestMain", L"Demo", WS_OVERLAPPEDWINDOW, 0, 0,
                                300, 200, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  std::vector<UINT> commands;
  ::SetWindowLongPtrW(main, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&commands));
  ::ShowWindow(main, SW_SHOW);
  ::SetActiveWindow(main);

  // Texts from string resources, without the older versions.
  CSwitchDialogDriver driver({
      [&](HWND dialog) {
        EXPECT_EQ(Text(dialog), L"Switch language");
        EXPECT_EQ(::GetDlgItem(dialog, 1223), nullptr);
        EXPECT_EQ(::GetDlgItem(dialog, 126), nullptr);
        EXPECT_EQ(Text(::GetDlgItem(dialog, 9)), L"Help");
        ClickEntry(dialog, 1234, L"English");
        ClickButton(dialog, 9);
      },
      [&](HWND dialog) { ClickButton(dialog, 2); },
  });
  DoSwitchDialog(folder_.Path().wstring().c_str(), FALSE, TRUE, 777, 61204, 61205, 61206, 61207,
                 61208, 61209, 61210, 61211, 61212, FALSE);
  EXPECT_FALSE(driver.leftOpen);
  EXPECT_EQ(commands, std::vector<UINT>{777});
  EXPECT_EQ(HeldFile(), german_);
  EXPECT_TRUE(messages_.empty());
  ::DestroyWindow(main);
}

TEST_F(Win32SwitchDialogTest, AFailedSwitchShowsTheErrorTextAndKeepsTheLanguage) {
  WriteLanguages();
  // Listed by its header, but its texts end early: the switch fails.
  std::vector<uint8_t> bytes = LanguageFileBytes(*Language(u"Dansk", u"1.0", true));
  bytes.resize(bytes.size() - 20);
  WriteBytes(folder_.File("da.tra"), bytes);
  CSwitchDialogDriver driver({
      [&](HWND dialog) { ClickEntry(dialog, 1234, L"Dansk"); },
      [&](HWND dialog) { ClickButton(dialog, 1); },
  });
  DoAutomaticSwitchDialog();
  EXPECT_FALSE(driver.leftOpen);
  EXPECT_TEXTS(messages_, (std::vector<std::wstring>{L"Fehler!"}));
  EXPECT_EQ(HeldFile(), german_);
}

TEST_F(Win32SwitchDialogTest, WithoutTheStandardSwitchDialogOnlyTheMessageShows) {
  const std::wstring held = Write("plain.tra", *Language(u"Deutsch", u"1.0", false));
  ASSERT_TRUE(LoadTranslationFile(held.c_str()));
  CSwitchDialogDriver driver({});
  DoAutomaticSwitchDialog();
  EXPECT_EQ(driver.ticksSeen, 0);
  EXPECT_TEXTS(messages_, (std::vector<std::wstring>{
                              L"The function DoAutomaticSwitchDialog has been called,\nbut the "
                              L"recent translation file " + held +
                              L" doesn't support automatic switching.\nUnable to show the "
                              L"language switch dialog."}));
}

}  // namespace
}  // namespace tolmeric::testing
