#include "translation/Project.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>

#include "runtime/HostPlatform.h"
#include "runtime/RuntimeModule.h"
#include "translation/Archive.h"
#include "translation/FileError.h"
#include "translation/MessageSink.h"
#include "translation/Progress.h"
#include "translation/ProjectPaths.h"
#include "translation/StringSource.h"

namespace tolmeric {
namespace {

namespace fs = std::filesystem;

class CStringTable : public IStringSource {
 public:
  std::u16string LoadString(uint32_t id) const override {
    auto found = strings.find(id);
    return found == strings.end() ? std::u16string() : found->second;
  }
  std::map<uint32_t, std::u16string> strings = {
      {113, u"!Fehler bei Sektion in Resource-Datei!"},
      {114, u"!Fehler bei Control in Dialog!"},
      {133, u"----------- Scanne Ressourcen --------\r\n"},
      {139, u"Deutsch"},
      {1000, u"Sprache umschalten"},
      {61214, u"Keine Ressourcen"},
  };
};

class CRecordingProgress : public IProgress {
 public:
  void SetPosition(int32_t position) override { positions.push_back(position); }
  std::vector<int32_t> positions;
};

std::vector<uint8_t> ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteText(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// Every test runs in a folder of its own, as the current folder (the scan
// opens scripts relative to it), with the string functions answering from a
// small table through the host platform.
class ProjectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform_.SetStringSource(&strings_);
    module_.Activate();
    previous_ = fs::current_path();
    folder_ = fs::temp_directory_path() /
              ("tolmeric-project-" + std::string(::testing::UnitTest::GetInstance()
                                                     ->current_test_info()
                                                     ->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    fs::current_path(folder_);
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(folder_);
  }

  std::vector<uint8_t> Store(CProject& project) {
    CArchive archive = CArchive::ForStoring(u"test.lxp");
    project.Serialize(archive);
    return archive.Bytes();
  }
  std::unique_ptr<CProject> Load(std::vector<uint8_t> bytes) {
    CArchive archive = CArchive::ForLoading(std::move(bytes), u"test.lxp");
    archive.SetMessageSink(&sink_);
    auto project = std::make_unique<CProject>();
    project->Serialize(archive);
    return project;
  }

  struct CSink : IMessageSink {
    void ShowMessage(const std::u16string& message) override { messages.push_back(message); }
    std::vector<std::u16string> messages;
  } sink_;
  CStringTable strings_;
  CHostPlatform platform_;
  CRuntimeModule module_{platform_};
  fs::path previous_;
  fs::path folder_;
};

const char* const kDialogScript =
    "IDD_A DIALOG 0, 0, 100, 50\n"
    "CAPTION \"Info\"\n"
    "BEGIN\n"
    "  PUSHBUTTON \"OK\", IDOK, 1, 2, 30, 14\n"
    "  AUTOCHECKBOX \"x\", 1, 2, 3, 4, 5\n"
    "END\n";

TEST_F(ProjectTest, NewProjectNamesAndDefaults) {
  CProject project;
  project.projectPath = u"C:\\Work\\App\\demo.lxp";
  project.InitLanguageFileName();
  project.InitLanguageHeader();
  EXPECT_EQ(project.FileTitle(), u"demo.lxp");
  EXPECT_EQ(project.languageFileName, u"demo.tra");
  EXPECT_EQ(project.TestLanguageFileName(), u"demo_test.tra");
  EXPECT_EQ(project.languageData->programName, u"demo");
  EXPECT_EQ(project.languageData->programVersion, u"1.0");
  EXPECT_EQ(project.languageData->languageName, u"Deutsch");

  project.projectPath = u"demo";
  project.InitLanguageFileName();
  EXPECT_EQ(project.languageFileName, u"demo.tra");
  project.languageFileName = u"x";
  EXPECT_EQ(project.TestLanguageFileName(), u"_test.tra");
}

TEST_F(ProjectTest, ScriptListKeepsOrderAndRemovesFirstOccurrenceOnly) {
  CProject project;
  project.AddScript(u"a.rc");
  project.AddScript(u"b.rc");
  project.AddScript(u"a.rc");
  project.RemoveScript(u"a.rc");
  ASSERT_EQ(project.scriptCount(), 2);
  EXPECT_EQ(project.ScriptAt(0), u"b.rc");
  EXPECT_EQ(project.ScriptAt(1), u"a.rc");
  EXPECT_EQ(project.ScriptAt(2), u"");
  EXPECT_EQ(project.ScriptAt(-1), u"");
  project.RemoveScript(u"A.rc");  // case matters
  EXPECT_EQ(project.scriptCount(), 2);
}

TEST_F(ProjectTest, RoundTripIsByteIdenticalAndEmbedsTheLanguageFile) {
  WriteText("app.rc", kDialogScript);
  CProject project;
  project.projectPath = u"/work/app.lxp";
  project.languageFileName = u"app.tra";
  project.testVersion = true;
  project.autoInstall = true;
  project.replaceEnd = false;
  project.beginText = u"\u00bb";
  project.AddScript(u"app.rc");
  project.BuildLanguageData(nullptr);
  project.AddScript(u"..\\res\\more.rc");
  project.languageData->flagImage[5] = 0x00123456;

  std::vector<uint8_t> first = Store(project);
  std::unique_ptr<CProject> loaded = Load(first);
  EXPECT_EQ(Store(*loaded), first);
  EXPECT_TRUE(loaded->testVersion);
  EXPECT_TRUE(loaded->autoInstall);
  EXPECT_FALSE(loaded->replaceEnd);
  EXPECT_EQ(loaded->beginText, u"\u00bb");
  ASSERT_EQ(loaded->scriptCount(), 2);
  EXPECT_EQ(loaded->ScriptAt(1), u"..\\res\\more.rc");
  EXPECT_TRUE(loaded->languageData->SupportsAutoSwitch());
  EXPECT_EQ(loaded->languageData->flagImage[5], 0x00123456u);

  // Item 9 is, byte for byte, the language file of the data.
  CArchive language = CArchive::ForStoring(u"app.tra");
  project.languageData->Serialize(language);
  const std::vector<uint8_t>& tra = language.Bytes();
  auto at = std::search(first.begin(), first.end(), tra.begin(), tra.end());
  EXPECT_NE(at, first.end());
}

TEST_F(ProjectTest, OnlyOneReadsBackAsTrueAndAutoInstallSetsBitOne) {
  CProject project;
  project.autoInstall = false;
  project.languageData->fileFlags = 3;  // stale bit 1 is cleared on store
  std::vector<uint8_t> bytes = Store(project);
  // projectPath and languageFileName are empty strings (FF FE FF 00 each);
  // testVersion is the u32 that follows.
  ASSERT_EQ(bytes[8], 0);
  bytes[8] = 2;
  std::unique_ptr<CProject> loaded = Load(bytes);
  EXPECT_FALSE(loaded->testVersion);
  EXPECT_FALSE(loaded->languageData->SupportsAutoSwitch());

  bytes[8] = 1;
  bytes[12] = 1;  // autoInstall: bit 1 follows it on loading, whatever item 9 says
  loaded = Load(bytes);
  EXPECT_TRUE(loaded->testVersion);
  EXPECT_TRUE(loaded->autoInstall);
  EXPECT_TRUE(loaded->languageData->SupportsAutoSwitch());
}

TEST_F(ProjectTest, WrongMagicInsideTheProjectLeavesDataWithoutTree) {
  WriteText("app.rc", kDialogScript);
  CProject project;
  project.AddScript(u"app.rc");
  project.BuildLanguageData(nullptr);
  std::vector<uint8_t> bytes = Store(project);
  // Two empty strings, three booleans, "X", a boolean and "Y" take 36
  // bytes; the magic's first code unit follows its marker and length.
  const size_t magic = 36 + 4;
  ASSERT_EQ(bytes[magic], '_');
  bytes[magic] = 'X';
  std::unique_ptr<CProject> loaded = Load(bytes);
  ASSERT_EQ(sink_.messages.size(), 1u);
  EXPECT_EQ(sink_.messages[0], u"corrupt .tra - file!");
  EXPECT_EQ(loaded->languageData->root, nullptr);
  // The settings before the language file are kept; the scripts after it
  // cannot be found any more.
  EXPECT_EQ(loaded->beginText, u"X");
  EXPECT_EQ(loaded->scriptCount(), 0);
}

TEST_F(ProjectTest, DamagedProjectFilesFailCleanly) {
  CProject project;
  project.AddScript(u"a.rc");
  std::vector<uint8_t> bytes = Store(project);
  for (size_t cut = 0; cut < bytes.size(); ++cut) {
    std::vector<uint8_t> part(bytes.begin(), bytes.begin() + cut);
    try {
      Load(part);
      ADD_FAILURE() << "a file cut at " << cut << " loaded";
    } catch (const CFileError& error) {
      EXPECT_EQ(error.Kind(), FileErrorKind::kEndOfFile) << cut;
    }
  }
  // A script count far beyond the file's end is refused before allocating:
  // drop the one path "a.rc" (marker, length, four units) and raise the
  // count before it.
  std::vector<uint8_t> huge(bytes.begin(), bytes.end() - 12);
  huge[huge.size() - 4] = 0xFF;
  huge[huge.size() - 3] = 0xFF;
  huge[huge.size() - 2] = 0xFF;
  huge[huge.size() - 1] = 0x7F;
  EXPECT_THROW(Load(huge), CFileError);
}

// A path stored without the Unicode marker takes two bytes; the script
// count is checked against that, not against the marked form.
TEST_F(ProjectTest, ScriptPathsWithoutMarkerAreRead) {
  CProject project;
  project.AddScript(u"a");
  std::vector<uint8_t> bytes = Store(project);
  ASSERT_EQ(std::vector<uint8_t>(bytes.end() - 6, bytes.end()),
            (std::vector<uint8_t>{0xFF, 0xFE, 0xFF, 0x01, 'a', 0x00}));
  bytes.resize(bytes.size() - 6);
  bytes.push_back(0x01);
  bytes.push_back('a');
  std::unique_ptr<CProject> loaded = Load(bytes);
  EXPECT_EQ(loaded->ScriptAt(0), u"a");
}

// The default code page follows the scripts only when one is set: a project
// without it keeps its bytes, and older readers stop before it.
TEST_F(ProjectTest, DefaultCodePageIsATrailingItemThatTheScanUses) {
  WriteText("app.rc", "IDD_A DIALOG 0, 0, 100, 50\nCAPTION \"\x80 \x93x\x94\"\nBEGIN\nEND\n");
  CProject project;
  project.AddScript(u"app.rc");
  const std::vector<uint8_t> plain = Store(project);
  EXPECT_EQ(Store(*Load(plain)), plain);
  EXPECT_EQ(Load(plain)->defaultCodePage, 0);

  project.defaultCodePage = 1252;
  std::vector<uint8_t> withCodePage = plain;
  for (uint8_t b : {0xE4, 0x04, 0x00, 0x00}) withCodePage.push_back(b);
  EXPECT_EQ(Store(project), withCodePage);
  std::unique_ptr<CProject> loaded = Load(withCodePage);
  EXPECT_EQ(loaded->defaultCodePage, 1252);
  EXPECT_EQ(Store(*loaded), withCodePage);

  const std::u16string dialogs = u"Dialoge";
  loaded->BuildLanguageData(nullptr);
  EXPECT_EQ(loaded->languageData->root->FindPath(&dialogs, 1)->ChildAt(0)->text,
            u"\u20AC \u201Cx\u201D");
  project.defaultCodePage = 0;
  project.BuildLanguageData(nullptr);
  EXPECT_EQ(project.languageData->root->FindPath(&dialogs, 1)->ChildAt(0)->text,
            u"\u0080 \u0093x\u0094");

  // A cut item is the end of the file; a code page the scan cannot read is
  // damage.
  EXPECT_THROW(Load(std::vector<uint8_t>(withCodePage.begin(), withCodePage.end() - 2)), CFileError);
  withCodePage[withCodePage.size() - 4] = 0xB5;  // 437
  withCodePage[withCodePage.size() - 3] = 0x01;
  try {
    Load(withCodePage);
    ADD_FAILURE() << "code page 437 loaded";
  } catch (const CFileError& error) {
    EXPECT_EQ(error.Kind(), FileErrorKind::kBadData);
  }
}

// The grammar follows the code page, only for the compiler's grammar; the
// code page is then written as 0 when none is set. A project without it
// reads, and rescans, as classic.
TEST_F(ProjectTest, GrammarIsATrailingItemAfterTheCodePage) {
  WriteText("app.rc", "IDD_A DIALOG 0, 0, 100, 50\nCAPTION \"A\"\n{\n AUTOCHECKBOX \"B\", 1, 0, 0, 9, 9\n}\n");
  CProject project;
  project.AddScript(u"app.rc");
  const std::vector<uint8_t> plain = Store(project);
  struct Case {
    int32_t codePage;
    RcGrammar grammar;
    std::vector<uint8_t> trailer;
    int32_t dialogs;
  };
  const Case cases[] = {
      {0, RcGrammar::kClassic, {}, 0},
      {0, RcGrammar::kCompiler, {0, 0, 0, 0, 1, 0, 0, 0}, 1},
      {1252, RcGrammar::kCompiler, {0xE4, 0x04, 0, 0, 1, 0, 0, 0}, 1},
  };
  const std::u16string dialogs = u"Dialoge";
  for (const Case& c : cases) {
    project.defaultCodePage = c.codePage;
    project.grammar = c.grammar;
    std::vector<uint8_t> expected = plain;
    expected.insert(expected.end(), c.trailer.begin(), c.trailer.end());
    EXPECT_EQ(Store(project), expected);
    std::unique_ptr<CProject> loaded = Load(expected);
    EXPECT_EQ(loaded->grammar, c.grammar);
    EXPECT_EQ(loaded->defaultCodePage, c.codePage);
    loaded->BuildLanguageData(nullptr);
    const CTextNode* category = loaded->languageData->root->FindPath(&dialogs, 1);
    ASSERT_NE(category, nullptr);
    EXPECT_EQ(category->childCount, c.dialogs);
  }
  // An unknown grammar is damage.
  std::vector<uint8_t> unknown = plain;
  for (uint8_t b : {0, 0, 0, 0, 7, 0, 0, 0}) unknown.push_back(b);
  EXPECT_THROW(Load(unknown), CFileError);
}

TEST_F(ProjectTest, EmptyProjectScanKeepsFlagAndGivesNoLog) {
  CProject project;
  project.languageData->flagImage[0] = 42;
  project.languageData->programName = u"keep?";
  EXPECT_EQ(project.BuildLanguageData(nullptr), u"");
  EXPECT_EQ(project.languageData->root, nullptr);
  EXPECT_EQ(project.languageData->flagImage[0], 42u);
  EXPECT_EQ(project.languageData->programName, u"");
}

TEST_F(ProjectTest, RescanReplacesTextsAndStatesButKeepsTheFlag) {
  WriteText("app.rc", kDialogScript);
  CProject project;
  project.AddScript(u"app.rc");
  project.languageData->programName = u"app";
  project.languageData->flagImage[1023] = 0x00FF00FF;

  CRecordingProgress progress;
  std::u16string log = project.BuildLanguageData(&progress);
  EXPECT_EQ(progress.positions, (std::vector<int32_t>{0, 60, 90, 100}));
  EXPECT_EQ(log.rfind(u"----------- Scanne Ressourcen --------\r\n", 0), 0u);
  EXPECT_NE(log.find(u"!Fehler bei Control in Dialog!\r\n- app.rc (5): AUTOCHECKBOX"),
            std::u16string::npos);

  CTextNode* root = project.languageData->root.get();
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->baseText, u"RCFile");
  EXPECT_EQ(root->state, kStateAllPresent);
  EXPECT_EQ(project.languageData->flagImage[1023], 0x00FF00FFu);
  EXPECT_EQ(project.languageData->programName, u"");  // header is not carried over

  // Rescan after a change of the script and the option: new texts, states
  // reset, the standard switch dialog last under "Dialoge".
  const std::u16string dialogs = u"Dialoge";
  root->FindPath(&dialogs, 1)->ChildAt(0)->state = kStateLeafMissing;
  WriteText("app.rc", std::string(kDialogScript).replace(
                          std::string(kDialogScript).find("Info"), 4, "About"));
  project.autoInstall = true;
  project.BuildLanguageData(nullptr);
  CTextNode* category = project.languageData->root->FindPath(&dialogs, 1);
  ASSERT_EQ(category->childCount, 2);
  EXPECT_EQ(category->ChildAt(0)->text, u"About");
  EXPECT_EQ(category->ChildAt(0)->state, kStateAllPresent);
  EXPECT_EQ(category->ChildAt(1)->kind, kKindStandardSwitchDialog);
  EXPECT_EQ(category->ChildAt(1)->text, u"Sprache umschalten");
  EXPECT_EQ(project.languageData->flagImage[1023], 0x00FF00FFu);

  project.autoInstall = false;
  project.BuildLanguageData(nullptr);
  EXPECT_EQ(project.languageData->root->FindPath(&dialogs, 1)->childCount, 1);
}

TEST_F(ProjectTest, MissingScriptEndsTheScanWithAFileError) {
  CProject project;
  project.AddScript(u"missing.rc");
  try {
    project.BuildLanguageData(nullptr);
    FAIL() << "no error";
  } catch (const CFileError& error) {
    EXPECT_EQ(error.Kind(), FileErrorKind::kCannotOpen);
  }
  ASSERT_NE(project.languageData, nullptr);
}

TEST_F(ProjectTest, SavingWithoutTreeShowsTheMessageAndWritesNothing) {
  CProject project;
  project.languageFileName = u"demo.tra";
  project.testVersion = true;
  EXPECT_FALSE(project.SaveLanguageFiles(folder_));
  ASSERT_EQ(platform_.Messages().size(), 1u);
  EXPECT_EQ(platform_.Messages()[0].text, u"Keine Ressourcen");
  EXPECT_FALSE(fs::exists("demo.tra"));
  EXPECT_FALSE(fs::exists("demo_test.tra"));
}

TEST_F(ProjectTest, TestFileIsWrittenFirstWithMarksAndItsLanguageName) {
  WriteText("app.rc", kDialogScript);
  CProject project;
  project.AddScript(u"app.rc");
  project.BuildLanguageData(nullptr);
  project.languageData->languageName = u"Deutsch";
  project.languageFileName = u"demo.tra";
  project.testVersion = true;
  project.autoInstall = true;

  // The real file cannot be written (a folder stands in its place): the
  // test file is there already, so it was written first.
  fs::create_directory("demo.tra");
  EXPECT_THROW(project.SaveLanguageFiles(folder_), CFileError);
  EXPECT_TRUE(fs::is_regular_file("demo_test.tra"));
  fs::remove("demo.tra");

  ASSERT_TRUE(project.SaveLanguageFiles(folder_));
  auto test = LoadLanguageFile("demo_test.tra", nullptr);
  auto real = LoadLanguageFile("demo.tra", nullptr);
  EXPECT_EQ(test->languageName, u"Deutsch (test)");
  EXPECT_EQ(real->languageName, u"Deutsch");
  EXPECT_EQ(test->fileFlags, 3u);
  EXPECT_EQ(real->fileFlags, 3u);
  const std::u16string dialogs = u"Dialoge";
  EXPECT_EQ(test->root->FindPath(&dialogs, 1)->ChildAt(0)->text, u"XnfY");
  EXPECT_EQ(test->root->FindPath(&dialogs, 1)->ChildAt(0)->baseText, u"Info");
  EXPECT_EQ(real->root->FindPath(&dialogs, 1)->ChildAt(0)->text, u"Info");
  // The project's own data is not marked.
  EXPECT_EQ(project.languageData->root->FindPath(&dialogs, 1)->ChildAt(0)->text, u"Info");
}

TEST_F(ProjectTest, FailedSaveLeavesThePreviousFilesIntact) {
  WriteText("app.rc", kDialogScript);
  CProject project;
  project.AddScript(u"app.rc");
  project.BuildLanguageData(nullptr);
  project.languageFileName = u"demo.tra";
  project.testVersion = true;
  WriteText("demo.tra", "previous language file");
  fs::create_directory("demo_test.tra");  // the test file cannot be written

  EXPECT_THROW(project.SaveLanguageFiles(folder_), CFileError);
  std::vector<uint8_t> kept = ReadBytes("demo.tra");
  EXPECT_EQ(std::string(kept.begin(), kept.end()), "previous language file");

  // No temporary file is left behind.
  for (const auto& entry : fs::directory_iterator(folder_)) {
    const std::string name = entry.path().filename().string();
    EXPECT_TRUE(name == "app.rc" || name == "demo.tra" || name == "demo_test.tra") << name;
  }
}

TEST(ProjectPaths, RelativeToTheProjectFolderWhereASimpleRuleAllows) {
  const std::u16string project = u"C:\\Work\\App\\app.lxp";
  EXPECT_EQ(DirectoryOf(project), u"C:\\Work\\App\\");
  EXPECT_EQ(DirectoryOf(u"app.lxp"), u"");
  EXPECT_EQ(MakeRelativePath(project, u"C:\\Work\\App\\app.rc"), u"app.rc");
  EXPECT_EQ(MakeRelativePath(project, u"C:\\Work\\Res\\res.rc"), u"..\\Res\\res.rc");
  EXPECT_EQ(MakeRelativePath(project, u"C:\\Work\\App\\Res\\sub.rc"), u"C:\\Work\\App\\Res\\sub.rc");
  EXPECT_EQ(MakeRelativePath(project, u"D:\\Other\\x.rc"), u"D:\\Other\\x.rc");
  EXPECT_EQ(MakeRelativePath(project, u"c:\\work\\app\\app.rc"), u"c:\\work\\app\\app.rc");
  // Slashes separate folders as well, and the sibling prefix uses them.
  EXPECT_EQ(MakeRelativePath(u"/home/u/app/app.lxp", u"/home/u/res/r.rc"), u"../res/r.rc");
  EXPECT_EQ(MakeRelativePath(u"/home/u/app/app.lxp", u"/home/u/app/r.rc"), u"r.rc");
  // Without folders there is nothing to be relative to.
  EXPECT_EQ(MakeRelativePath(u"app.lxp", u"x\\r.rc"), u"x\\r.rc");
  EXPECT_EQ(MakeRelativePath(u"C:\\a\\app.lxp", u"r.rc"), u"r.rc");
}

}  // namespace
}  // namespace tolmeric
