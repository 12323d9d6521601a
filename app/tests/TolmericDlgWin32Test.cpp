// The tool's main window on a real desktop: its controls and menu with no
// project, its tabs with their tips and pages, its layout when resized, and
// its tab captions after a switch through its own language command.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "app/HostToolFiles.h"
#include "app/TolmericApp.h"
#include "app/TolmericDlg.h"
#include "runtime/ApplicationInterfaceWin32.h"
#include "runtime/tests/LanguageFiles.h"
#include "runtime/tests/Win32TestSupport.h"
#include "translation/Progress.h"

namespace tolmeric::testing {
namespace {

// Answers every question of the session with Cancel or No and keeps the
// messages it was asked to show.
class CDecliningPrompts : public IToolPrompts {
 public:
  std::optional<std::u16string> AskNewProjectPath() override { return std::nullopt; }
  std::optional<std::u16string> AskOpenProjectPath() override { return std::nullopt; }
  std::optional<std::u16string> AskSaveProjectPath() override { return std::nullopt; }
  std::vector<std::u16string> AskScriptPaths() override { return {}; }
  std::optional<std::u16string> AskSaveLanguageFilePath() override { return std::nullopt; }
  int32_t AskFlag() override { return -1; }
  void ShowMessage(const std::u16string& text) override { messages.push_back(text); }
  bool AskYesNo(const std::u16string& text) override {
    messages.push_back(text);
    return false;
  }
  Answer AskYesNoCancel(const std::u16string& text) override {
    messages.push_back(text);
    return Answer::kCancel;
  }
  void ShowTestVersionSettings(CProject&) override {}
  std::unique_ptr<IProgress> OpenProgress(const std::u16string&) override { return nullptr; }
  void ReportFileError(const CFileError&) override {}

  std::vector<std::u16string> messages;
};

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, 64);
  return name;
}

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)), L'\0');
  ::GetWindowTextW(window, text.data(), static_cast<int>(text.size() + 1));
  return text;
}

RECT ClientRectOf(HWND window, HWND dialog) {
  RECT rect;
  ::GetWindowRect(window, &rect);
  ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool Overlap(const RECT& a, const RECT& b) {
  RECT both;
  return ::IntersectRect(&both, &a, &b) != FALSE;
}

// The tip the window gives for a tab: null when it does not answer.
const wchar_t* TabTip(HWND dialog, HWND tabs, UINT_PTR index) {
  NMTTDISPINFOW info{};
  info.hdr = {TabCtrl_GetToolTips(tabs), index, static_cast<UINT>(TTN_GETDISPINFOW)};
  ::SendMessageW(dialog, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
  return info.lpszText;
}

// The switch dialog's list of this version's languages.
constexpr int kSwitchListId = 1234;

// A click on tab index, as the mouse gives it.
void ClickTab(HWND tabs, int index) {
  RECT item;
  TabCtrl_GetItemRect(tabs, index, &item);
  const LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  ::SendMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, point);
  ::SendMessageW(tabs, WM_LBUTTONUP, 0, point);
}

class TolmericDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<CTolmericDlg>(prompts_, files_);
    ASSERT_TRUE(window_->Create(kMainDialogId));
    dialog_ = window_->m_hWnd;
    tabs_ = ::GetDlgItem(dialog_, kTabControlId);
    ::ShowWindow(dialog_, SW_SHOW);
    PumpMessages();
  }
  void TearDown() override {
    if (::IsWindow(dialog_)) ::DestroyWindow(dialog_);
    PumpMessages();
  }

  HWND Item(int id) const { return ::GetDlgItem(dialog_, id); }

  CDecliningPrompts prompts_;
  CHostToolFiles files_;
  std::unique_ptr<CTolmericDlg> window_;
  HWND dialog_ = nullptr;
  HWND tabs_ = nullptr;
};

TEST_F(TolmericDlgTest, EveryControlInPlaceAndOnlyTheAlwaysOnesEnabledWithoutProject) {
  enum Page { kAll, kGeneral, kTree, kLog, kHidden };
  struct Control {
    int id;
    const wchar_t* className;
    const wchar_t* text;
    bool enabled;
    Page page;
  };
  const Control controls[] = {
      {1000, L"SysTabControl32", L"", true, kAll},
      {1015, L"Button", L"", true, kGeneral},
      {1009, L"Static", L"Projekt:", true, kGeneral},
      {1012, L"SysListView32", L"", true, kGeneral},
      {1021, L"Button", L"", true, kGeneral},
      {1004, L"Button", L"", true, kGeneral},
      {1022, L"Button", L"", false, kGeneral},
      {1023, L"Button", L"", false, kGeneral},
      {1072, L"Button", L"Automatischer Einbau", false, kGeneral},
      {1016, L"Button", L"", false, kGeneral},
      {1011, L"Static", L"Resource-Dateien:", false, kGeneral},
      {1006, L"SysListView32", L"", false, kGeneral},
      {1008, L"Button", L"Einfügen...", false, kGeneral},
      {1007, L"Button", L"Löschen", false, kGeneral},
      {1017, L"Button", L"", false, kGeneral},
      {1025, L"Static", L"Sprachdatei:", false, kGeneral},
      {1013, L"SysListView32", L"", false, kGeneral},
      {1030, L"Button", L"", false, kGeneral},
      {1029, L"Button", L"", false, kGeneral},
      {1014, L"Button", L"", false, kGeneral},
      {1065, L"Static", L"Name des Programmes:", false, kGeneral},
      {1067, L"Edit", L"", false, kGeneral},
      {1066, L"Static", L"Version:", false, kGeneral},
      {1068, L"Edit", L"", false, kGeneral},
      {1069, L"Static", L"Name der Original-Sprache:", false, kGeneral},
      {1070, L"Edit", L"", false, kGeneral},
      {1071, L"Static", L"", true, kHidden},
      {1056, L"Button", L"Veränderte Testversion", false, kGeneral},
      {1, L"Button", L"Schließen", true, kAll},
      {1031, L"Button", L"Speichern + Schließen", true, kAll},
      {57670, L"Button", L"&Hilfe", true, kAll},
      {123, L"SysTreeView32", L"", true, kTree},
      {234, L"Edit", L"- Keine Nachrichten -", true, kLog},
  };
  EXPECT_EQ(TextOf(dialog_), L"Lexivane Tolmeric");
  RECT client;
  ::GetClientRect(dialog_, &client);
  RECT page = ClientRectOf(tabs_, dialog_);
  TabCtrl_AdjustRect(tabs_, FALSE, &page);
  std::map<int, RECT> placed;
  for (const Control& c : controls) {
    SCOPED_TRACE(c.id);
    HWND control = Item(c.id);
    ASSERT_TRUE(control);
    EXPECT_EQ(ClassOf(control), c.className);
    EXPECT_EQ(TextOf(control), c.text);
    EXPECT_EQ(::IsWindowEnabled(control) != FALSE, c.enabled);
    EXPECT_EQ(::IsWindowVisible(control) != FALSE, c.page == kAll || c.page == kGeneral);
    const RECT rect = ClientRectOf(control, dialog_);
    RECT inside;
    ::IntersectRect(&inside, &rect, c.page == kAll ? &client : &page);
    EXPECT_TRUE(::EqualRect(&inside, &rect)) << "cut off";
    if (c.page == kGeneral) placed[c.id] = rect;
  }
  // Each control of the first page lies in its group box and overlaps no
  // other control.
  const int groups[] = {1015, 1016, 1017};
  const std::map<int, int> groupOf = {
      {1009, 1015}, {1012, 1015}, {1021, 1015}, {1004, 1015}, {1022, 1015}, {1023, 1015},
      {1072, 1015}, {1011, 1016}, {1006, 1016}, {1008, 1016}, {1007, 1016}, {1025, 1017},
      {1013, 1017}, {1030, 1017}, {1029, 1017}, {1014, 1017}, {1065, 1017}, {1067, 1017},
      {1066, 1017}, {1068, 1017}, {1069, 1017}, {1070, 1017}, {1056, 1017}};
  for (const auto& [id, group] : groupOf) {
    RECT inside;
    ::IntersectRect(&inside, &placed[id], &placed[group]);
    EXPECT_TRUE(::EqualRect(&inside, &placed[id])) << id << " outside its group box";
    for (const auto& [other, unused] : groupOf) {
      if (other > id) {
        EXPECT_FALSE(Overlap(placed[id], placed[other])) << id << " and " << other;
      }
    }
  }
  EXPECT_FALSE(Overlap(placed[groups[0]], placed[groups[1]]));
  EXPECT_FALSE(Overlap(placed[groups[1]], placed[groups[2]]));

  struct Entry {
    UINT id;
    const wchar_t* text;
    bool enabled;
  };
  const Entry entries[] = {
      {32780, L"&Neu ...", true},          {32781, L"&Öffnen ...", true},
      {32782, L"&Speichern", false},       {32783, L"Speichern &Unter ...", false},
      {32800, L"&Automatischer Einbau", false}, {32784, L"&Resource &einfügen ...", false},
      {32785, L"Resource &löschen", false}, {32795, L"&Speichern", false},
      {32796, L"Speichern &Unter ...", false}, {32797, L"Testversions-&Einstellungen  ...", false},
      {32801, L"&Testversion", true},      {32799, L"&Sprache wählen...", true},
      {16, L"Über Lexivane Tolmeric...", true}, {32798, L"&Inhalt", true},
  };
  HMENU menu = ::GetMenu(dialog_);
  ASSERT_TRUE(menu);
  EXPECT_EQ(::GetMenuItemCount(menu), 5);
  for (const Entry& e : entries) {
    SCOPED_TRACE(e.id);
    wchar_t text[64] = {};
    ::GetMenuStringW(menu, e.id, text, 64, MF_BYCOMMAND);
    EXPECT_STREQ(text, e.text);
    EXPECT_EQ((::GetMenuState(menu, e.id, MF_BYCOMMAND) & MF_GRAYED) == 0, e.enabled);
  }
}

TEST_F(TolmericDlgTest, TabsShowTheirCaptionsTipsAndPages) {
  EXPECT_EQ(TabLabels(tabs_),
            (std::vector<std::wstring>{L"Allgemein", L"Sprach-Resourcen", L"Meldungen / Probleme"}));
  const wchar_t* tips[] = {L"Einstellungen zum Projekt", L"Erlaubt Editieren der Sprach-Resourcen",
                           L"Beim Scannen aufgetretene Probleme / Fehler"};
  for (UINT_PTR i = 0; i < 3; ++i) {
    const wchar_t* tip = TabTip(dialog_, tabs_, i);
    ASSERT_TRUE(tip) << i;
    EXPECT_STREQ(tip, tips[i]);
  }
  EXPECT_EQ(TabTip(dialog_, tabs_, 3), nullptr);

  // Which of the project list (page 1), tree view and message box shows.
  struct Step {
    int tab;
    bool general, tree, log;
  };
  const Step steps[] = {{1, false, true, false}, {2, false, false, true}, {0, true, false, false}};
  for (const Step& step : steps) {
    SCOPED_TRACE(step.tab);
    ClickTab(tabs_, step.tab);
    EXPECT_EQ(TabCtrl_GetCurSel(tabs_), step.tab);
    EXPECT_EQ(::IsWindowVisible(Item(1012)) != FALSE, step.general);
    EXPECT_EQ(::IsWindowVisible(Item(1070)) != FALSE, step.general);
    EXPECT_EQ(::IsWindowVisible(Item(kTreeViewId)) != FALSE, step.tree);
    EXPECT_EQ(::IsWindowVisible(Item(kMessageBoxId)) != FALSE, step.log);
    EXPECT_FALSE(::IsWindowVisible(Item(kFlagMarkerId)));
  }
}

TEST_F(TolmericDlgTest, WiderWindowMovesAndWidensAndCannotShrinkBelowItsStart) {
  const int ids[] = {1000, 123, 234, 1021, 1004, 1022, 1023, 1008, 1007, 1030, 1029, 1014,
                     1068, 1066, 1, 1031, 57670, 1012, 1006, 1013, 1015, 1016, 1017, 1067,
                     1070, 1009, 1065, 1071, 1072, 1056};
  std::map<int, RECT> before;
  for (int id : ids) before[id] = ClientRectOf(Item(id), dialog_);
  RECT window;
  ::GetWindowRect(dialog_, &window);
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;

  ::SetWindowPos(dialog_, nullptr, 0, 0, width + 40, height + 30, SWP_NOMOVE | SWP_NOZORDER);
  // The display tells the window its new size through the queue.
  PumpMessages();
  // dx, dy of left, top, right, bottom for each kind of control.
  const std::map<int, std::vector<int>> changes = {
      {1000, {0, 0, 40, 30}}, {123, {0, 0, 40, 30}},  {234, {0, 0, 40, 30}},
      {1021, {40, 0, 40, 0}}, {1004, {40, 0, 40, 0}}, {1022, {40, 0, 40, 0}},
      {1023, {40, 0, 40, 0}}, {1008, {40, 0, 40, 0}}, {1007, {40, 0, 40, 0}},
      {1030, {40, 0, 40, 0}}, {1029, {40, 0, 40, 0}}, {1014, {40, 0, 40, 0}},
      {1068, {40, 0, 40, 0}}, {1066, {40, 0, 40, 0}}, {1, {0, 30, 0, 30}},
      {1031, {0, 30, 0, 30}}, {57670, {0, 30, 0, 30}}, {1012, {0, 0, 40, 0}},
      {1006, {0, 0, 40, 0}},  {1013, {0, 0, 40, 0}},  {1015, {0, 0, 40, 0}},
      {1016, {0, 0, 40, 0}},  {1017, {0, 0, 40, 0}},  {1067, {0, 0, 40, 0}},
      {1070, {0, 0, 40, 0}},  {1009, {0, 0, 0, 0}},   {1065, {0, 0, 0, 0}},
      {1071, {0, 0, 0, 0}},   {1072, {0, 0, 0, 0}},   {1056, {0, 0, 0, 0}},
  };
  for (const auto& [id, change] : changes) {
    SCOPED_TRACE(id);
    const RECT& b = before[id];
    const RECT a = ClientRectOf(Item(id), dialog_);
    EXPECT_EQ(a.left - b.left, change[0]);
    EXPECT_EQ(a.top - b.top, change[1]);
    EXPECT_EQ(a.right - b.right, change[2]);
    EXPECT_EQ(a.bottom - b.bottom, change[3]);
  }

  ::SetWindowPos(dialog_, nullptr, 0, 0, width - 100, height - 100, SWP_NOMOVE | SWP_NOZORDER);
  PumpMessages();
  ::GetWindowRect(dialog_, &window);
  EXPECT_EQ(window.right - window.left, width);
  EXPECT_EQ(window.bottom - window.top, height);
}

// The tool's two language files in the current folder, the German one
// held, and the tool's application object, which handles the language
// command.
class TolmericLanguageTest : public TolmericDlgTest {
 protected:
  void SetUp() override {
    ::GetCurrentDirectoryW(MAX_PATH, previousFolder_);
    for (const char* name : {"Tolmeric.tra", "Tolmeric_English.tra"}) {
      std::filesystem::copy_file(std::filesystem::path(TOLMERIC_TOOL_FOLDER) / name,
                                 folder_.Path() / name);
    }
    ::SetCurrentDirectoryW(folder_.Path().wstring().c_str());
    ASSERT_TRUE(LoadTranslationFile(Wide(folder_.File("Tolmeric.tra"))));
    TolmericDlgTest::SetUp();
    app_.m_pMainWnd = window_.get();
  }
  void TearDown() override {
    app_.m_pMainWnd = nullptr;
    TolmericDlgTest::TearDown();
    ExitTranslation();
    ::SetCurrentDirectoryW(previousFolder_);
  }

  CTempFolder folder_;
  wchar_t previousFolder_[MAX_PATH] = {};
  CTolmericApp app_;
};

TEST_F(TolmericLanguageTest, LanguageCommandSwitchesTheTabCaptions) {
  // The switch dialog, answered like a user: the English entry, then OK.
  bool answered = false;
  CModalDriver driver([&](HWND active) {
    HWND list = ::GetDlgItem(active, kSwitchListId);
    if (!list || ListView_GetItemCount(list) != 2) return false;
    LVFINDINFOW find{};
    find.flags = LVFI_STRING;
    find.psz = L"English";
    const int index = ListView_FindItem(list, -1, &find);
    ListView_SetItemState(list, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    NMITEMACTIVATE click{};
    click.hdr = {list, kSwitchListId, static_cast<UINT>(NM_CLICK)};
    click.iItem = index;
    ::SendMessageW(active, WM_NOTIFY, kSwitchListId, reinterpret_cast<LPARAM>(&click));
    ::PostMessageW(active, WM_COMMAND, IDOK, 0);
    answered = true;
    return true;
  });
  PostCommandAndDrive(dialog_, kLanguageCommandId, driver);
  ASSERT_TRUE(answered) << "the switch dialog did not open";
  EXPECT_EQ(TabLabels(tabs_),
            (std::vector<std::wstring>{L"General", L"Language Resources", L"Messages / Problems"}));
  const wchar_t* tip = TabTip(dialog_, tabs_, 0);
  ASSERT_TRUE(tip);
  EXPECT_STREQ(tip, L"Settings of the project");
}

}  // namespace
}  // namespace tolmeric::testing
