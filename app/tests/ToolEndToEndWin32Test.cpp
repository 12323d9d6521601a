// The tool driven as a user drives it, on a real desktop: started with
// "-p Demo" in a folder holding Demo.rc, its buttons and menu commands sent
// to the real window, and every question answered by the test in place of
// the user. Tolmeric.exe itself runs from build folders to find its own
// language file.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/HostToolFiles.h"
#include "app/ProgressDialog.h"
#include "app/TolmericApp.h"
#include "app/TolmericDlg.h"
#include "runtime/ApplicationInterfaceWin32.h"
#include "runtime/tests/LanguageFiles.h"
#include "runtime/tests/Win32TestSupport.h"
#include "translation/FileError.h"
#include "translation/Utf.h"

namespace tolmeric::testing {
namespace {

namespace fs = std::filesystem;

// Answers the session's questions from a queue, as the user would click,
// and keeps every text it was shown or asked.
class CScriptedPrompts : public IToolPrompts {
 public:
  std::optional<std::u16string> AskNewProjectPath() override { return std::nullopt; }
  std::optional<std::u16string> AskOpenProjectPath() override { return std::nullopt; }
  std::optional<std::u16string> AskSaveProjectPath() override { return std::nullopt; }
  std::vector<std::u16string> AskScriptPaths() override { return std::move(scripts); }
  std::optional<std::u16string> AskSaveLanguageFilePath() override { return std::nullopt; }
  int32_t AskFlag() override {
    texts.push_back(u"<flag>");
    return 3;
  }
  void ShowMessage(const std::u16string& text) override { texts.push_back(text); }
  bool AskYesNo(const std::u16string& text) override { return Next(text) == Answer::kYes; }
  Answer AskYesNoCancel(const std::u16string& text) override { return Next(text); }
  void ShowTestVersionSettings(CProject&) override {}
  // The real progress window.
  std::unique_ptr<IProgress> OpenProgress(const std::u16string& title) override {
    texts.push_back(u"<progress> " + title);
    auto dialog = std::make_unique<CProgressDialog>();
    if (!dialog->Create()) return nullptr;
    return dialog;
  }
  void ReportFileError(const CFileError& error) override {
    texts.push_back(u"<file error> " + error.Path().filename().u16string());
  }

  std::vector<std::u16string> Take() { return std::exchange(texts, {}); }

  std::deque<Answer> answers;
  std::vector<std::u16string> scripts;
  std::vector<std::u16string> texts;

 private:
  Answer Next(const std::u16string& text) {
    texts.push_back(text);
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected question";
      return Answer::kCancel;
    }
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

std::u16string TextOf(HWND window) {
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)), L'\0');
  ::GetWindowTextW(window, text.data(), static_cast<int>(text.size() + 1));
  return FromWide(text.c_str());
}

std::u16string ListRowText(HWND list, int row) {
  wchar_t text[MAX_PATH] = {};
  ListView_GetItemText(list, row, 0, text, MAX_PATH);
  return FromWide(text);
}

// The labels of a tree view, depth first.
void CollectLabels(HWND tree, HTREEITEM item, std::vector<std::u16string>& labels) {
  for (; item; item = TreeView_GetNextSibling(tree, item)) {
    wchar_t text[256] = {};
    TVITEMW data{};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = 256;
    TreeView_GetItem(tree, &data);
    labels.push_back(FromWide(text));
    CollectLabels(tree, TreeView_GetChild(tree, item), labels);
  }
}

bool Contains(const std::vector<std::u16string>& list, const std::u16string& text) {
  return std::find(list.begin(), list.end(), text) != list.end();
}

// The window's answer to a tip request of a control.
std::u16string TipOf(HWND control) {
  NMTTDISPINFOW info{};
  info.hdr = {control, reinterpret_cast<UINT_PTR>(control), static_cast<UINT>(TTN_NEEDTEXTW)};
  info.uFlags = TTF_IDISHWND;
  ::SendMessageW(control, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
  return FromWide(info.lpszText ? info.lpszText : info.szText);
}

const std::u16string kCreateFromDemo =
    u"Zum Projekt Demo wurde kein Lexivane Tolmeric-Projekt(.lxp),\naber die Resource-Datei "
    u"Demo.rc gefunden.\nSoll damit ein neues Lexivane Tolmeric-Projekt angelegt werden ?";

// A temporary folder as the current folder, holding Demo.rc and the tool's
// two language files, the German one held as at the tool's start.
class ToolEndToEndTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::GetCurrentDirectoryW(MAX_PATH, previousFolder_);
    fs::copy_file(fs::path(TOLMERIC_TEST_DATA) / "Demo.rc", folder_.Path() / "Demo.rc");
    for (const char* name : {"Tolmeric.tra", "Tolmeric_English.tra"}) {
      fs::copy_file(fs::path(TOLMERIC_TOOL_FOLDER) / name, folder_.Path() / name);
    }
    ::SetCurrentDirectoryW(folder_.Path().wstring().c_str());
    ASSERT_TRUE(LoadTranslationFile(Wide(folder_.File("Tolmeric.tra"))));
  }
  void TearDown() override {
    Close();
    ExitTranslation();
    ::SetCurrentDirectoryW(previousFolder_);
  }

  // Starts the tool's window with that command line.
  void Start(const wchar_t* commandLine) {
    Close();
    window_ = std::make_unique<CTolmericDlg>(prompts_, files_);
    window_->commandLine = commandLine;
    ASSERT_TRUE(window_->Create(kMainDialogId));
    dialog_ = window_->m_hWnd;
    app_.m_pMainWnd = window_.get();
    ::ShowWindow(dialog_, SW_SHOW);
    PumpMessages();
  }
  void Close() {
    app_.m_pMainWnd = nullptr;
    if (::IsWindow(dialog_)) ::DestroyWindow(dialog_);
    PumpMessages();
    window_.reset();
  }
  void Command(UINT id) {
    ::SendMessageW(dialog_, WM_COMMAND, id, 0);
    PumpMessages();
  }
  // The close box: the window hides when it may close.
  bool CloseBoxCloses() {
    ::SendMessageW(dialog_, WM_CLOSE, 0, 0);
    PumpMessages();
    return !::IsWindowVisible(dialog_);
  }
  HWND Item(int id) const { return ::GetDlgItem(dialog_, id); }
  std::vector<std::u16string> ScriptRows() const {
    std::vector<std::u16string> rows;
    HWND list = Item(kScriptListId);
    for (int row = 0; row < ListView_GetItemCount(list); ++row) rows.push_back(ListRowText(list, row));
    return rows;
  }
  std::vector<std::u16string> TreeLabels() const {
    std::vector<std::u16string> labels;
    HWND tree = Item(kTreeViewId);
    CollectLabels(tree, TreeView_GetRoot(tree), labels);
    return labels;
  }
  // A project Demo made from Demo.rc and saved with its language file.
  void StartSavedDemo() {
    prompts_.answers = {Answer::kYes};
    Start(L"-p Demo");
    Command(1022);
    Command(1030);
    prompts_.Take();
  }
  bool Exists(const char* name) const { return fs::exists(folder_.Path() / name); }

  CTempFolder folder_;
  wchar_t previousFolder_[MAX_PATH] = {};
  CTolmericApp app_;
  CScriptedPrompts prompts_;
  CHostToolFiles files_;
  std::unique_ptr<CTolmericDlg> window_;
  HWND dialog_ = nullptr;
};

TEST_F(ToolEndToEndTest, NewProjectFromScriptIsScannedSavedAndReopenedWithoutQuestion) {
  prompts_.answers = {Answer::kYes};
  Start(L"-p Demo");
  EXPECT_EQ(prompts_.Take(),
            (std::vector<std::u16string>{kCreateFromDemo, u"<flag>",
                                         u"<progress> Lese Resource-Dateien ein..."}));
  EXPECT_EQ(TextOf(dialog_), u"Lexivane Tolmeric - Demo.lxp *");
  EXPECT_EQ(ScriptRows(), std::vector<std::u16string>{u"Demo.rc"});
  const std::vector<std::u16string> tree = TreeLabels();
  for (const char16_t* text : {u"Info", u"OK", u"Demo 1.0", u"&Datei", u"&Beenden", u"Bereit"}) {
    EXPECT_TRUE(Contains(tree, text)) << ToUtf8(text);
  }
  EXPECT_EQ(TextOf(Item(kMessageBoxId)).rfind(u"----------- Scanne Ressourcen --------\r\n", 0), 0u)
      << ToUtf8(TextOf(Item(kMessageBoxId)));
  EXPECT_TRUE(::IsWindow(::GetDlgItem(dialog_, kFlagMarkerId)));

  Command(1022);
  EXPECT_EQ(TextOf(dialog_), u"Lexivane Tolmeric - Demo.lxp");
  Command(1030);
  EXPECT_TRUE(Exists("Demo.lxp"));
  EXPECT_TRUE(Exists("Demo.tra"));
  EXPECT_TRUE(CloseBoxCloses());
  EXPECT_EQ(prompts_.Take(), std::vector<std::u16string>{});

  Start(L"-p Demo");
  EXPECT_EQ(prompts_.Take(), std::vector<std::u16string>{u"<progress> Lese Resource-Dateien ein..."});
  EXPECT_EQ(TextOf(dialog_), u"Lexivane Tolmeric - Demo.lxp");
  EXPECT_EQ(ScriptRows(), std::vector<std::u16string>{u"Demo.rc"});
  EXPECT_TRUE(Contains(TreeLabels(), u"Bereit"));
}

TEST_F(ToolEndToEndTest, SecondScriptAddedAndRemoved) {
  fs::copy_file(fs::path(TOLMERIC_TEST_DATA) / "Second.rc", folder_.Path() / "Second.rc");
  StartSavedDemo();
  prompts_.scripts = {folder_.File("Second.rc")};
  Command(1008);
  EXPECT_EQ(ScriptRows(), (std::vector<std::u16string>{u"Demo.rc", u"Second.rc"}));
  EXPECT_EQ(TextOf(dialog_), u"Lexivane Tolmeric - Demo.lxp *");
  EXPECT_TRUE(window_->session().languageChanged());
  EXPECT_TRUE(Contains(TreeLabels(), u"Zweites Fenster"));

  ListView_SetItemState(Item(kScriptListId), 1, LVIS_SELECTED, LVIS_SELECTED);
  Command(1007);
  EXPECT_EQ(ScriptRows(), std::vector<std::u16string>{u"Demo.rc"});
  EXPECT_FALSE(Contains(TreeLabels(), u"Zweites Fenster"));
  EXPECT_TRUE(Contains(TreeLabels(), u"Bereit"));
}

// A folder named Demo.tra blocks the language file: the test language
// file, written first, is there all the same.
TEST_F(ToolEndToEndTest, TestLanguageFileWrittenBeforeTheLanguageFile) {
  StartSavedDemo();
  fs::remove(folder_.Path() / "Demo.tra");
  fs::create_directory(folder_.Path() / "Demo.tra");
  ::SendMessageW(Item(kTestVersionBoxId), BM_CLICK, 0, 0);
  PumpMessages();
  EXPECT_EQ(TextOf(Item(kTestVersionBoxId)), u"Test-Sprachdatei Demo_test.tra erzeugen");
  EXPECT_EQ(::IsDlgButtonChecked(dialog_, kTestVersionBoxId), static_cast<UINT>(BST_CHECKED));
  Command(1030);
  EXPECT_TRUE(Exists("Demo_test.tra"));
  EXPECT_EQ(prompts_.Take(), std::vector<std::u16string>{u"<file error> Demo.tra"});
  EXPECT_TRUE(window_->session().languageChanged());
}

TEST_F(ToolEndToEndTest, CloseWithUnsavedChangesAsksAndFollowsTheAnswer) {
  const std::u16string question =
      u"Das Lexivane Tolmeric-Projekt Demo.lxp\nund die Sprachdatei Demo.tra\nwurden noch nicht "
      u"gespeichert.\nSollen sie jetzt gespeichert werden ?";
  struct Case {
    Answer answer;
    bool closes;
    bool saved;
  };
  const Case cases[] = {{Answer::kCancel, false, false}, {Answer::kNo, true, false},
                        {Answer::kYes, true, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.answer));
    fs::remove(folder_.Path() / "Demo.lxp");
    fs::remove(folder_.Path() / "Demo.tra");
    prompts_.answers = {Answer::kYes};
    Start(L"-p Demo");
    prompts_.Take();
    prompts_.answers = {c.answer};
    EXPECT_EQ(CloseBoxCloses(), c.closes);
    EXPECT_EQ(prompts_.Take(), std::vector<std::u16string>{question});
    EXPECT_EQ(Exists("Demo.lxp"), c.saved);
    EXPECT_EQ(Exists("Demo.tra"), c.saved);
  }
}

// The language command, its switch dialog answered with English, and what
// the window then shows.
TEST_F(ToolEndToEndTest, LanguageCommandTurnsTheToolEnglish) {
  prompts_.answers = {Answer::kYes};
  Start(L"-p Demo");
  prompts_.Take();
  std::u16string switchCaption;
  auto answerSwitchDialog = [&](const wchar_t* language, UINT button) {
    switchCaption.clear();
    CModalDriver driver([&](HWND active) {
      HWND list = ::GetDlgItem(active, 1234);
      if (!list || ListView_GetItemCount(list) == 0) return false;
      switchCaption = TextOf(active);
      LVFINDINFOW find{};
      find.flags = LVFI_STRING;
      find.psz = language;
      ClickListItem(list, ListView_FindItem(list, -1, &find));
      ::PostMessageW(active, WM_COMMAND, button, 0);
      return true;
    });
    PostCommandAndDrive(dialog_, kLanguageCommandId, driver);
  };
  answerSwitchDialog(L"English", IDOK);
  EXPECT_EQ(switchCaption, u"Sprache umschalten");

  EXPECT_EQ(TextOf(dialog_), u"Lexivane Tolmeric - Demo.lxp *");
  HWND tabs = Item(kTabControlId);
  EXPECT_EQ(TabLabels(tabs),
            (std::vector<std::wstring>{L"General", L"Language Resources", L"Messages / Problems"}));
  struct Entry {
    UINT id;
    const char16_t* text;
  };
  const Entry entries[] = {{32780, u"&New..."}, {32799, u"Choose &Language..."}};
  for (const Entry& e : entries) {
    wchar_t text[64] = {};
    ::GetMenuStringW(::GetMenu(dialog_), e.id, text, 64, MF_BYCOMMAND);
    EXPECT_EQ(FromWide(text), e.text);
  }
  EXPECT_EQ(TipOf(Item(1021)), u"Starts a new translation project");

  answerSwitchDialog(L"English", IDCANCEL);
  EXPECT_EQ(switchCaption, u"Switch Language");

  prompts_.answers = {Answer::kCancel};
  EXPECT_FALSE(CloseBoxCloses());
  EXPECT_EQ(prompts_.Take(),
            std::vector<std::u16string>{
                u"The Lexivane Tolmeric project Demo.lxp\nand the language file Demo.tra\nhave not been "
                u"saved yet.\nDo you want to save them now?"});
}

// Tolmeric.exe copied into a folder below Proj beside its German language
// file, with the English one as Tolmeric.tra in Proj: a build folder's whole
// name leads to the folder above, any other folder is kept. The text of the
// "Projekt:" label tells which file the tool started with.
TEST(ToolStartTest, OwnLanguageFileFromTheFolderAboveABuildFolderOnly) {
  struct Case {
    const char* folder;
    const char16_t* label;
  };
  const Case cases[] = {{"Release", u"Project:"}, {"MyRelease", u"Projekt:"}};
  CTempFolder temp;
  fs::copy_file(fs::path(TOLMERIC_TOOL_FOLDER) / "Tolmeric_English.tra", temp.Path() / "Tolmeric.tra");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder);
    const fs::path exe = temp.Path() / c.folder / "Tolmeric.exe";
    fs::create_directory(exe.parent_path());
    for (const char* name : {"Tolmeric.exe", "Tolmeric.tra"}) {
      fs::copy_file(fs::path(TOLMERIC_TOOL_FOLDER) / name, exe.parent_path() / name);
    }
    std::wstring commandLine = L"\"" + exe.wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 temp.Path().wstring().c_str(), &startup, &process));
    struct Search {
      DWORD processId;
      HWND window;
    } search{process.dwProcessId, nullptr};
    for (int i = 0; i < 2000 && !search.window; ++i) {
      ::Sleep(10);
      ::EnumWindows(
          [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            // Visible once its texts are in place.
            if (owner != s->processId || !::IsWindowVisible(window) ||
                !::GetDlgItem(window, 1009)) {
              return TRUE;
            }
            s->window = window;
            return FALSE;
          },
          reinterpret_cast<LPARAM>(&search));
    }
    // A tool left running (a message box where the window should be) is
    // ended, so it never holds up the run.
    EXPECT_TRUE(search.window) << "the tool's window did not appear";
    if (search.window) {
      EXPECT_EQ(TextOf(::GetDlgItem(search.window, 1009)), c.label);
      ::PostMessageW(search.window, WM_CLOSE, 0, 0);
    }
    if (::WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
      EXPECT_FALSE(search.window) << "the tool did not end";
      ::TerminateProcess(process.hProcess, 1);
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
  }
}

}  // namespace
}  // namespace tolmeric::testing
