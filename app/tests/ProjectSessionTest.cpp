#include "app/ProjectSession.h"

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <functional>

#include "app/HostToolFiles.h"
#include "app/ToolStringTable.h"
#include "runtime/HostPlatform.h"
#include "runtime/RuntimeModule.h"
#include "runtime/StringFunctions.h"
#include "translation/FileError.h"
#include "translation/Progress.h"

namespace tolmeric {
namespace {

namespace fs = std::filesystem;

std::u16string Tool(uint32_t id) {
  std::u16string text;
  LoadTranslatedString(text, id);
  return text;
}

template <typename... Args>
std::u16string Formatted(uint32_t id, const Args&... args) {
  std::u16string text;
  FormatTranslated(text, id, args...);
  return text;
}

// The main window as the commands see it: three header fields that go into
// the language data with every UpdateControls, and a record of what the
// commands ask of it. A flag taken from the strip becomes a flag filled
// with its index.
class CFakeView : public IMainWindowView {
 public:
  void FillHeaderFields() override {
    const CLanguageData& data = *session->project()->languageData;
    fields = {data.programName, data.programVersion, data.languageName};
  }
  void UpdateControls() override {
    if (session->project() == nullptr) return;
    CLanguageData& data = *session->project()->languageData;
    data.programName = fields[0];
    data.programVersion = fields[1];
    data.languageName = fields[2];
  }
  void RefreshAll() override { UpdateControls(); }
  void ShowFlag() override {}
  void ShowLog(const std::u16string& log) override { logs.push_back(log); }
  std::vector<std::u16string> SelectedScripts() override { return selected; }
  void TakeFlag(int32_t index) override {
    session->project()->languageData->flagImage.fill(static_cast<uint32_t>(index));
  }
  void EndWithOk() override { ended = true; }

  CProjectSession* session = nullptr;
  std::array<std::u16string, 3> fields;
  std::vector<std::u16string> selected;
  std::vector<std::u16string> logs;
  bool ended = false;
};

// The next answer of a queue, or otherwise when it is empty.
template <typename T>
T Next(std::deque<T>& queue, T otherwise) {
  if (queue.empty()) return otherwise;
  T next = queue.front();
  queue.pop_front();
  return next;
}

// The user: answers from queues (every file dialog cancelled, flag 0 chosen
// unless told otherwise), records every text shown or asked.
class CFakePrompts : public IToolPrompts {
 public:
  std::optional<std::u16string> AskNewProjectPath() override { return Next(paths, {}); }
  std::optional<std::u16string> AskOpenProjectPath() override { return Next(paths, {}); }
  std::optional<std::u16string> AskSaveProjectPath() override { return Next(paths, {}); }
  std::vector<std::u16string> AskScriptPaths() override { return scripts; }
  std::optional<std::u16string> AskSaveLanguageFilePath() override { return Next(paths, {}); }
  int32_t AskFlag() override { return Next(flags, 0); }
  void ShowMessage(const std::u16string& text) override { shown.push_back(text); }
  bool AskYesNo(const std::u16string& text) override { return Answered(text) == Answer::kYes; }
  Answer AskYesNoCancel(const std::u16string& text) override { return Answered(text); }
  void ShowTestVersionSettings(CProject& project) override { project.beginText = u"<<"; }
  std::unique_ptr<IProgress> OpenProgress(const std::u16string& title) override {
    progressTitles.push_back(title);
    return std::make_unique<CProgress>(progress);
  }
  void ReportFileError(const CFileError& error) override {
    fileErrors.push_back(error.Path().filename().u16string());
  }

  std::deque<std::optional<std::u16string>> paths;
  std::vector<std::u16string> scripts;
  std::deque<int32_t> flags;
  std::deque<Answer> answers;
  std::vector<std::u16string> shown;
  std::vector<std::u16string> progressTitles;
  std::vector<int32_t> progress;  // positions of the bar; -1 when it closed
  std::vector<std::u16string> fileErrors;

 private:
  struct CProgress : IProgress {
    explicit CProgress(std::vector<int32_t>& positions) : positions(positions) {}
    ~CProgress() override { positions.push_back(-1); }
    void SetPosition(int32_t position) override { positions.push_back(position); }
    std::vector<int32_t>& positions;
  };

  Answer Answered(const std::u16string& text) {
    shown.push_back(text);
    if (answers.empty()) ADD_FAILURE() << "a question nobody expected";
    return Next(answers, Answer::kCancel);
  }
};

struct Marks {
  bool projectChanged;
  bool languageFileKnown;
  bool languageChanged;
  bool operator==(const Marks&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Marks& marks) {
  return out << marks.projectChanged << marks.languageFileKnown << marks.languageChanged;
}

// Every test runs in a folder of its own, the current folder, with the
// tool's own strings.
class SessionTest : public ::testing::Test {
 public:
  void SetUp() override {
    platform_.SetStringSource(&strings_);
    module_.Activate();
    view.session = &session;
    previous_ = fs::current_path();
    // Absolute before the folder changes (on Windows the data's path has
    // no drive of its own).
    demoScript_ = fs::absolute(fs::path(TOLMERIC_TEST_DATA) / "Demo.rc");
    folder_ = fs::temp_directory_path() /
              ("tolmeric-session-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    fs::current_path(folder_);
    fs::copy_file(demoScript_, folder_ / "Demo.rc");
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(folder_);
  }

  std::u16string InFolder(const std::string& name) const { return (folder_ / name).u16string(); }
  bool Exists(const std::string& name) const { return fs::exists(folder_ / name); }
  void Remove(const std::string& name) const { fs::remove(folder_ / name); }
  Marks marks() const {
    return {session.projectChanged(), session.languageFileKnown(), session.languageChanged()};
  }

  // demo.lxp with the script Demo.rc, scanned; nothing saved yet. The
  // changes of a project open before are dropped.
  void NewDemoProject() {
    if (session.projectChanged()) prompts.answers = {Answer::kNo};
    session.NewProject(InFolder("demo.lxp"));
    prompts.shown.clear();
    prompts.scripts = {InFolder("Demo.rc")};
    session.AddScripts();
  }
  // The user edits a header field; the next file dialog answers name.
  void Edit() { session.HeaderFieldEdited(); }
  void Choose(const std::string& name) { prompts.paths = {InFolder(name)}; }
  // The same, saved: the marks are (false, true, false).
  void SavedDemoProject() {
    NewDemoProject();
    session.SaveProject();
    session.SaveLanguageFile();
    ASSERT_EQ(marks(), (Marks{false, true, false}));
  }

  CToolStringTable strings_;
  CHostPlatform platform_;
  CRuntimeModule module_{platform_};
  fs::path previous_;
  fs::path demoScript_;
  fs::path folder_;
  CHostToolFiles files;
  CFakeView view;
  CFakePrompts prompts;
  CProjectSession session{view, prompts, files};
};

TEST(ToolLanguageFile, CutsWholeBuildFolderNamesOnly) {
  const struct {
    const char16_t* exeFolder;
    const char16_t* expected;
  } kCases[] = {
      {u"C:\\Proj\\UniDebug\\", u"C:\\Proj\\Tolmeric.tra"},
      {u"C:\\Proj\\UniRelease\\", u"C:\\Proj\\Tolmeric.tra"},
      {u"C:\\Proj\\Release\\", u"C:\\Proj\\Tolmeric.tra"},
      {u"C:\\Proj\\Debug\\", u"C:\\Proj\\Tolmeric.tra"},
      {u"C:\\Proj\\Bin\\", u"C:\\Proj\\Bin\\Tolmeric.tra"},
      {u"C:\\Proj\\debug\\", u"C:\\Proj\\debug\\Tolmeric.tra"},
      {u"C:\\Proj\\MyRelease\\", u"C:\\Proj\\MyRelease\\Tolmeric.tra"},
      {u"C:\\Proj\\MyUniDebug\\", u"C:\\Proj\\MyUniDebug\\Tolmeric.tra"},
      {u"C:\\Release\\Bin\\", u"C:\\Release\\Bin\\Tolmeric.tra"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(ToolLanguageFilePath(c.exeFolder), c.expected)
        << std::string(c.exeFolder, c.exeFolder + std::char_traits<char16_t>::length(c.exeFolder));
  }
}

TEST_F(SessionTest, CommandLine) {
  enum Found { kNothing, kProjectFile, kScript, kBoth };
  const struct {
    const char16_t* commandLine;
    const char* name;  // the project the files are made for
    Found found;
    std::optional<Answer> answer;
    uint32_t shown;  // string shown or asked, 0 for none
    bool opened;     // a project is open afterwards
    bool withScript;
  } kCases[] = {
      {u"", "Demo", kBoth, {}, 0, false, false},
      {u"  \t ", "Demo", kBoth, {}, 0, false, false},
      {u"-p", "Demo", kBoth, {}, kStrBadCommandLine, false, false},
      {u"-p  ", "Demo", kBoth, {}, kStrBadCommandLine, false, false},
      {u"-x Demo", "Demo", kBoth, {}, kStrBadCommandLine, false, false},
      {u"/p Demo", "Demo", kBoth, {}, kStrBadCommandLine, false, false},
      {u"-p Demo.dsp", "Demo", kBoth, {}, kStrBadCommandLine, false, false},
      {u"-p C:Demo", "Demo", kBoth, {}, kStrBadCommandLine, false, false},
      {u"-p \"Demo\"", "Demo", kBoth, {}, kStrBadCommandLine, false, false},
      {u"-p Dem\u00b5", "Demo", kBoth, {}, kStrBadCommandLine, false, false},
      {u"-p Demo", "Demo", kBoth, {}, 0, true, false},
      {u"  -pDemo  ", "Demo", kProjectFile, {}, 0, true, false},
      {u"-P Demo", "Demo", kScript, Answer::kYes, kStrCreateFromScript, true, true},
      {u"-p Demo", "Demo", kScript, Answer::kNo, kStrCreateFromScript, false, false},
      {u"-p My Project", "My Project", kScript, Answer::kYes, kStrCreateFromScript, true, true},
      {u"-p Demo", "Demo", kNothing, Answer::kYes, kStrCreateProject, true, false},
      {u"-p Demo", "Demo", kNothing, Answer::kNo, kStrCreateProject, false, false},
  };
  const std::u16string here = files.CurrentFolder();
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.commandLine, c.commandLine + std::char_traits<char16_t>::length(c.commandLine)));
    const std::string name = c.name;
    const std::u16string name16(name.begin(), name.end());
    Remove("Demo.rc");
    if (c.found == kScript || c.found == kBoth) {
      fs::copy_file(demoScript_, folder_ / (name + ".rc"));
    }
    if (c.found == kProjectFile || c.found == kBoth) {
      CProject stored;
      SaveProjectFile(stored, folder_ / (name + ".lxp"));
    }
    CFakeView view;
    CFakePrompts prompts;
    CProjectSession session(view, prompts, files);
    view.session = &session;
    if (c.answer) prompts.answers.push_back(*c.answer);

    session.ProcessCommandLine(c.commandLine);

    std::vector<std::u16string> expectedShown;
    if (c.shown == kStrBadCommandLine) expectedShown.push_back(Tool(c.shown));
    if (c.shown == kStrCreateFromScript) expectedShown.push_back(Formatted(c.shown, name16, name16 + u".rc"));
    if (c.shown == kStrCreateProject) expectedShown.push_back(Formatted(c.shown, name16));
    EXPECT_EQ(prompts.shown, expectedShown);
    ASSERT_EQ(session.project() != nullptr, c.opened);
    if (c.opened) {
      EXPECT_EQ(session.project()->projectPath, here + u"\\" + name16 + u".lxp");
      const std::vector<std::u16string> scripts =
          c.withScript ? std::vector<std::u16string>{name16 + u".rc"} : std::vector<std::u16string>{};
      EXPECT_EQ(session.project()->scriptPaths, scripts);
      // A created project is changed; an opened one is not.
      EXPECT_EQ(session.projectChanged(), c.found == kNothing || c.found == kScript);
      EXPECT_EQ(session.project()->languageData->root != nullptr, c.withScript);
    }
    EXPECT_TRUE(prompts.fileErrors.empty());
    for (const char* extension : {".lxp", ".rc"}) Remove(name + extension);
    fs::current_path(folder_);
  }
}

// The close button's check and "save and close", for every state of the
// marks and the header, with every answer.
TEST_F(SessionTest, CloseChecks) {
  enum Close { kCanClose, kSaveAndClose };
  const struct {
    Close close;
    bool projectChanged, languageChanged, headerComplete;
    std::optional<Answer> answer;
    uint32_t shown;  // 0: nothing shown or asked
    bool closes, savesProject, savesLanguage;
  } kCases[] = {
      {kCanClose, true, true, false, Answer::kYes, kStrLeaveProjectAndLanguage, true, false, false},
      {kCanClose, true, true, false, Answer::kNo, kStrLeaveProjectAndLanguage, false, false, false},
      {kCanClose, true, true, true, Answer::kYes, kStrSaveProjectAndLanguage, true, true, true},
      {kCanClose, true, true, true, Answer::kNo, kStrSaveProjectAndLanguage, true, false, false},
      {kCanClose, true, true, true, Answer::kCancel, kStrSaveProjectAndLanguage, false, false, false},
      {kCanClose, true, false, false, Answer::kYes, kStrLeaveProject, true, false, false},
      {kCanClose, true, false, false, Answer::kNo, kStrLeaveProject, false, false, false},
      {kCanClose, true, false, true, Answer::kYes, kStrSaveProjectOnly, true, true, false},
      {kCanClose, true, false, true, Answer::kNo, kStrSaveProjectOnly, true, false, false},
      {kCanClose, true, false, true, Answer::kCancel, kStrSaveProjectOnly, false, false, false},
      {kCanClose, false, true, false, Answer::kYes, kStrLeaveLanguage, true, false, false},
      {kCanClose, false, true, false, Answer::kNo, kStrLeaveLanguage, false, false, false},
      {kCanClose, false, true, true, Answer::kYes, kStrSaveLanguageOnly, true, false, true},
      {kCanClose, false, true, true, Answer::kNo, kStrSaveLanguageOnly, true, false, false},
      {kCanClose, false, true, true, Answer::kCancel, kStrSaveLanguageOnly, false, false, false},
      {kCanClose, false, false, false, {}, 0, true, false, false},
      {kCanClose, false, false, true, {}, 0, true, false, false},
      {kSaveAndClose, true, true, false, {}, kStrHeaderIncomplete, false, false, false},
      {kSaveAndClose, true, true, true, {}, 0, true, true, true},
      {kSaveAndClose, true, false, true, {}, 0, true, true, false},
      {kSaveAndClose, false, true, true, {}, 0, true, false, true},
      {kSaveAndClose, false, false, true, {}, 0, true, false, false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(::testing::Message() << c.close << c.projectChanged << c.languageChanged
                                      << c.headerComplete << " shown " << c.shown);
    NewDemoProject();
    if (!c.projectChanged) session.SaveProject();
    if (!c.languageChanged) session.SaveLanguageFile();
    Remove("demo.lxp");
    Remove("demo.tra");
    if (!c.headerComplete) {
      view.fields[1].clear();
      view.UpdateControls();
    }
    if (c.answer) prompts.answers = {*c.answer};
    view.ended = false;

    bool closes = false;
    if (c.close == kCanClose) closes = session.CanClose();
    if (c.close == kSaveAndClose) {
      session.SaveAndClose();
      closes = view.ended;
    }

    EXPECT_EQ(closes, c.closes);
    std::vector<std::u16string> shown;
    if (c.shown == kStrSaveProjectAndLanguage) shown = {Formatted(c.shown, u"demo.lxp", u"demo.tra")};
    if (c.shown == kStrSaveProjectOnly) shown = {Formatted(c.shown, u"demo.lxp")};
    if (c.shown == kStrSaveLanguageOnly) shown = {Formatted(c.shown, u"demo.tra")};
    if (c.shown == kStrHeaderIncomplete || (c.shown >= kStrLeaveProjectAndLanguage && c.shown <= kStrLeaveLanguage)) {
      shown = {Tool(c.shown)};
    }
    EXPECT_EQ(prompts.shown, shown);
    EXPECT_EQ(Exists("demo.lxp"), c.savesProject);
    EXPECT_EQ(Exists("demo.tra"), c.savesLanguage);
    EXPECT_TRUE(prompts.answers.empty());
  }
}

TEST_F(SessionTest, MarksAfterEachCommand) {
  using Command = std::function<void(SessionTest&)>;
  const struct {
    const char* name;
    Command command;
    Marks expected;
  } kCases[] = {
      {"new project", [](SessionTest& t) { t.session.NewProject(t.InFolder("new.lxp")); }, {true, true, true}},
      {"open project", [](SessionTest& t) { t.session.OpenProject(t.InFolder("demo.lxp")); }, {false, true, true}},
      {"save project", [](SessionTest& t) { t.Edit(), t.session.SaveProject(); }, {false, true, true}},
      {"save project as", [](SessionTest& t) { t.Edit(), t.Choose("new.lxp"), t.session.SaveProjectAs(); },
       {false, true, true}},
      {"add scripts", [](SessionTest& t) { t.session.AddScripts(); }, {true, true, true}},
      {"remove scripts", [](SessionTest& t) { t.view.selected = {u"Demo.rc"}, t.session.RemoveScripts(); },
       {true, true, true}},
      {"toggle automatic installation", [](SessionTest& t) { t.session.ToggleAutoInstall(); }, {true, true, false}},
      {"test version check box", [](SessionTest& t) { t.session.TestVersionClicked(true); }, {true, true, true}},
      {"header field edited", [](SessionTest& t) { t.Edit(); }, {true, true, true}},
      {"flag chosen", [](SessionTest& t) { t.session.FlagAreaClicked(); }, {true, true, true}},
      {"flag dialog cancelled", [](SessionTest& t) { t.prompts.flags = {-1}, t.session.FlagAreaClicked(); },
       {false, true, false}},
      {"test version settings", [](SessionTest& t) { t.session.TestVersionSettings(); }, {false, true, false}},
      {"save language file", [](SessionTest& t) { t.Edit(), t.session.SaveLanguageFile(); }, {true, true, false}},
      {"save language file as", [](SessionTest& t) { t.Edit(), t.Choose("new.tra"), t.session.SaveLanguageFileAs(); },
       {true, true, false}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    SavedDemoProject();
    c.command(*this);
    EXPECT_EQ(marks(), c.expected);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_TRUE(prompts.fileErrors.empty());
  }
}

// Without a project "save and close" refuses. A new project with its flag,
// a script, the scan, both language files, and a close that asks nothing
// once everything is saved; then the project opens again as it was saved.
TEST_F(SessionTest, NewProjectToSavedLanguageFiles) {
  session.SaveAndClose();
  EXPECT_FALSE(view.ended);
  EXPECT_EQ(prompts.shown, std::vector<std::u16string>{Tool(kStrHeaderIncomplete)});
  prompts.shown.clear();

  prompts.flags = {-1, -1, 3};
  session.NewProject(InFolder("X.lxp"));
  EXPECT_TRUE(prompts.flags.empty());
  const CProject& project = *session.project();
  EXPECT_EQ(project.languageFileName, u"X.tra");
  EXPECT_EQ(project.languageData->programName, u"X");
  EXPECT_EQ(project.languageData->programVersion, u"1.0");
  EXPECT_EQ(project.languageData->languageName, u"Deutsch");
  EXPECT_EQ(project.languageData->flagImage[0], 3u);
  EXPECT_FALSE(project.autoInstall);
  EXPECT_TRUE(prompts.progressTitles.empty());

  prompts.scripts = {InFolder("Demo.rc")};
  session.AddScripts();
  EXPECT_EQ(session.project()->scriptPaths, std::vector<std::u16string>{u"Demo.rc"});
  EXPECT_EQ(prompts.progressTitles, std::vector<std::u16string>{Tool(kStrReadingScripts)});
  EXPECT_EQ(prompts.progress.front(), 0);
  EXPECT_EQ(prompts.progress.back(), -1);
  ASSERT_FALSE(view.logs.empty());
  EXPECT_EQ(view.logs.back(), Tool(kStrScanStart));
  ASSERT_NE(session.project()->languageData->root, nullptr);
  EXPECT_EQ(session.project()->languageData->flagImage[0], 3u);

  session.TestVersionClicked(true);
  EXPECT_TRUE(session.SaveLanguageFile());
  const std::unique_ptr<CLanguageData> test = LoadLanguageFile(folder_ / "X_test.tra", nullptr);
  const std::unique_ptr<CLanguageData> real = LoadLanguageFile(folder_ / "X.tra", nullptr);
  EXPECT_EQ(test->languageName, u"Deutsch (test)");
  EXPECT_EQ(real->languageName, u"Deutsch");
  const std::u16string menu[] = {u"Menus", u"IDR_MAIN", u"&Datei"};
  ASSERT_NE(test->root->FindPath(menu, 3), nullptr);
  EXPECT_EQ(test->root->FindPath(menu, 3)->text, u"&DXteY");
  EXPECT_EQ(real->root->FindPath(menu, 3)->text, u"&Datei");

  EXPECT_TRUE(session.SaveProject());
  EXPECT_TRUE(session.CanClose());
  EXPECT_TRUE(prompts.shown.empty());

  session.OpenProject(InFolder("X.lxp"));
  EXPECT_EQ(session.project()->scriptPaths, std::vector<std::u16string>{u"Demo.rc"});
  EXPECT_TRUE(session.project()->testVersion);
  EXPECT_EQ(session.project()->languageData->flagImage[0], 3u);
  prompts.answers = {Answer::kNo};
  EXPECT_TRUE(session.CanClose());
  EXPECT_EQ(prompts.shown, std::vector<std::u16string>{Formatted(kStrSaveLanguageOnly, u"X.tra")});
}

// A file that cannot be read or written ends the command with the report
// naming it; what was on disk stays, and the marks say what is not.
TEST_F(SessionTest, FileErrors) {
  using Command = std::function<void(SessionTest&)>;
  const struct {
    const char* name;
    Command command;
    std::vector<std::u16string> reported;
    Marks expected;
    const char16_t* projectPath;  // the project's path afterwards
  } kCases[] = {
      {"open a missing project", [](SessionTest& t) { t.session.OpenProject(t.InFolder("missing.lxp")); },
       {u"missing.lxp"}, {false, true, false}, u"demo.lxp"},
      {"save the project into a missing folder", [](SessionTest& t) { t.Choose("none/demo.lxp"), t.session.SaveProjectAs(); },
       {u"demo.lxp"}, {true, true, false}, u"none/demo.lxp"},
      {"save the language file into a missing folder",
       [](SessionTest& t) { t.Choose("none/demo.tra"), t.session.SaveLanguageFileAs(); },
       {u"demo.tra"}, {false, true, true}, u"demo.lxp"},
      {"scan a missing script",
       [](SessionTest& t) { t.prompts.scripts = {t.InFolder("missing.rc")}, t.session.AddScripts(); },
       {u"missing.rc"}, {true, true, true}, u"demo.lxp"},
      {"close with a save that fails",
       [](SessionTest& t) {
         t.Choose("none/demo.lxp"), t.session.SaveProjectAs();
         t.prompts.answers = {Answer::kYes};
         EXPECT_FALSE(t.session.CanClose());
       },
       {u"demo.lxp", u"demo.lxp"}, {true, true, false}, u"none/demo.lxp"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    SavedDemoProject();
    const auto projectBytes = fs::file_size(folder_ / "demo.lxp");
    c.command(*this);
    EXPECT_EQ(prompts.fileErrors, c.reported);
    EXPECT_EQ(marks(), c.expected);
    ASSERT_NE(session.project(), nullptr);
    EXPECT_EQ(fs::path(session.project()->projectPath), folder_ / fs::path(c.projectPath));
    EXPECT_EQ(fs::file_size(folder_ / "demo.lxp"), projectBytes);
    EXPECT_NE(session.project()->languageData->root, nullptr);
    prompts.fileErrors.clear();
  }
}

}  // namespace
}  // namespace tolmeric
