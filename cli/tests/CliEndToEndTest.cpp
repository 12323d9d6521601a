// Runs the tolmeric-cli binary on the bundled example and on small scripts,
// and compares files, output and exit statuses with what users rely on.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Result {
  int status = -1;
  std::string out;
  std::string err;
};

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

std::string Quote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::string Data(const std::string& name) { return ReadFile(fs::path(TOLMERIC_TEST_DATA) / name); }

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("tolmeric-cli-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    fs::remove_all(folder_);
  }

  // Runs the binary with args in the test's folder.
  Result Run(const std::vector<std::string>& args) {
    std::string command = "cd " + Quote(folder_.string()) + " && " + Quote(TOLMERIC_CLI);
    for (const std::string& arg : args) command += " " + Quote(arg);
    command += " >" + Quote((folder_ / ".out").string()) + " 2>" + Quote((folder_ / ".err").string());
    Result result;
    int raw = std::system(command.c_str());
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = ReadFile(folder_ / ".out");
    result.err = ReadFile(folder_ / ".err");
    fs::remove(folder_ / ".out");
    fs::remove(folder_ / ".err");
    return result;
  }

  // Copies the bundled example into the test's folder.
  void CopyExample() {
    fs::copy(fs::path(TOLMERIC_EXAMPLES) / "notebook", folder_ / "notebook",
             fs::copy_options::recursive);
  }

  fs::path folder_;
};

// The example scanned into a language file: exact bytes, log and summary.
TEST_F(CliTest, ScanWritesTheGoldenLanguageFileAndLog) {
  CopyExample();
  Result result = Run({"scan", "--output", "out.tra", "--log", "out.log", "notebook/notebook.rc",
                       "notebook/notebook_strings.rc"});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, Data("scan.summary"));
  EXPECT_EQ(ReadFile(folder_ / "out.log"), Data("scan.log"));
  EXPECT_EQ(ReadFile(folder_ / "out.tra"), Data("scan.tra"));

  Result dump = Run({"dump", "out.tra"});
  ASSERT_EQ(dump.status, 0) << dump.err;
  EXPECT_EQ(dump.out, Data("scan.dump"));
  Result json = Run({"dump", "--json", "out.tra"});
  ASSERT_EQ(json.status, 0);
  EXPECT_EQ(json.out, Data("scan.json"));
}

TEST_F(CliTest, ScanOptionsSetTheHeader) {
  WriteFile(folder_ / "dir.x" / ".hidden", "STRINGTABLE BEGIN 1 \"a\" END\n");
  Result result = Run({"scan", "--output", "a.tra", "--auto-install", "--version", "2.5",
                       "--language", "English", "dir.x/.hidden"});
  ASSERT_EQ(result.status, 0) << result.err;
  Result dump = Run({"dump", "a.tra"});
  // A leading dot is no extension; the folder's dot does not count.
  EXPECT_NE(dump.out.find("programName: \".hidden\"\n"), std::string::npos) << dump.out;
  EXPECT_NE(dump.out.find("programVersion: \"2.5\"\n"), std::string::npos);
  EXPECT_NE(dump.out.find("languageName: \"English\"\n"), std::string::npos);
  EXPECT_NE(dump.out.find("fileFlags: 3\n"), std::string::npos);
  EXPECT_NE(dump.out.find("  30 0 0 1 \"Sprache umschalten\""), std::string::npos);

  WriteFile(folder_ / "app.v2.rc", "");
  Run({"scan", "--output", "b.tra", "--program", "Given", "app.v2.rc"});
  EXPECT_NE(Run({"dump", "b.tra"}).out.find("programName: \"Given\"\n"), std::string::npos);
  Run({"scan", "--output", "c.tra", "app.v2.rc"});
  Result c = Run({"dump", "c.tra"});
  EXPECT_NE(c.out.find("programName: \"app.v2\"\n"), std::string::npos);
  EXPECT_NE(c.out.find("languageName: \"Deutsch\"\n"), std::string::npos);
  EXPECT_NE(c.out.find("fileFlags: 1\n"), std::string::npos);
}

TEST_F(CliTest, UsageErrorsExitWithTwo) {
  const std::vector<std::vector<std::string>> bad = {
      {},
      {"frobnicate"},
      {"scan", "a.rc"},                             // no --output
      {"scan", "--output", "x.tra"},                // no script
      {"scan", "--output", "x.tra", "--bogus", "a.rc"},
      {"dump"},
      {"dump", "a", "b"},
      {"new"},
      {"add", "p.lxp"},
      {"build", "p.lxp", "extra"},
      {"testfile", "--input", "a.tra"},
  };
  for (const auto& args : bad) {
    Result result = Run(args);
    EXPECT_EQ(result.status, 2) << (args.empty() ? "" : args[0]);
    EXPECT_NE(result.err.find("usage: tolmeric-cli"), std::string::npos) << result.err;
    EXPECT_TRUE(result.out.empty());
  }
  Result help = Run({"scan", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("usage: tolmeric-cli scan"), std::string::npos);
}

TEST_F(CliTest, FileErrorsExitWithOneAndLeaveTheOldFile) {
  WriteFile(folder_ / "a.rc", "STRINGTABLE BEGIN 1 \"a\" END\n");
  WriteFile(folder_ / "old.tra", "previous");

  Result missing = Run({"scan", "--output", "old.tra", "a.rc", "missing.rc"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "tolmeric-cli: missing.rc: cannot open file (No such file or directory)\n");
  EXPECT_EQ(ReadFile(folder_ / "old.tra"), "previous");

  // A log that cannot be written keeps the language file from being
  // written too.
  Result badLog = Run({"scan", "--output", "old.tra", "--log", "no/such/folder.log", "a.rc"});
  EXPECT_EQ(badLog.status, 1);
  EXPECT_EQ(badLog.err, "tolmeric-cli: no/such/folder.log: cannot create file (No such file or directory)\n");
  EXPECT_EQ(ReadFile(folder_ / "old.tra"), "previous");

  fs::create_directory(folder_ / "logdir");
  Result folderLog = Run({"scan", "--output", "old.tra", "--log", "logdir", "a.rc"});
  EXPECT_EQ(folderLog.status, 1);
  EXPECT_EQ(ReadFile(folder_ / "old.tra"), "previous");
  fs::remove(folder_ / "logdir");

  Result folderTarget = Run({"scan", "--output", ".", "a.rc"});
  EXPECT_EQ(folderTarget.status, 1);
  EXPECT_NE(folderTarget.err.find("tolmeric-cli: "), std::string::npos);

  for (const auto& entry : fs::directory_iterator(folder_)) {
    const std::string name = entry.path().filename().string();
    EXPECT_TRUE(name == "a.rc" || name == "old.tra") << "left behind: " << name;
  }

  Result notThere = Run({"dump", "nothing.tra"});
  EXPECT_EQ(notThere.status, 1);
  EXPECT_EQ(notThere.err, "tolmeric-cli: nothing.tra: cannot open file (No such file or directory)\n");

  WriteFile(folder_ / "cut.tra", ReadFile(folder_ / "old.tra").substr(0, 3));
  Result cut = Run({"dump", "cut.tra"});
  EXPECT_EQ(cut.status, 1);
  EXPECT_NE(cut.err.find("cut.tra"), std::string::npos);

  Result notLanguage = Run({"testfile", "--input", "a.rc", "--output", "t.tra"});
  EXPECT_EQ(notLanguage.status, 1);
  EXPECT_FALSE(fs::exists(folder_ / "t.tra"));
}

TEST_F(CliTest, ProjectPathsAreStoredRelativeToTheProject) {
  WriteFile(folder_ / "app" / "main.rc", "STRINGTABLE BEGIN 1 \"Hallo\" END\n");
  WriteFile(folder_ / "res" / "more.rc", "STRINGTABLE BEGIN 2 \"Welt\" END\n");
  WriteFile(folder_ / "app" / "sub" / "deep.rc", "STRINGTABLE BEGIN 3 \"Tief\" END\n");
  Result created = Run({"new", "app/app.lxp", "--script", "app/main.rc", "--script", "res/more.rc",
                        "--test-version", "--begin", ">>", "--language", "Deutsch"});
  ASSERT_EQ(created.status, 0) << created.err;
  Result added = Run({"add", "app/app.lxp", "app/sub/deep.rc", "res/more.rc"});
  ASSERT_EQ(added.status, 0) << added.err;

  Result dump = Run({"dump", "app/app.lxp"});
  const std::string scripts = "scripts: 4\n  \"main.rc\"\n  \"../res/more.rc\"\n  \"" +
                              (folder_ / "app/sub/deep.rc").string() + "\"\n  \"../res/more.rc\"\n";
  EXPECT_NE(dump.out.find(scripts), std::string::npos) << dump.out;
  EXPECT_NE(dump.out.find("languageFileName: \"app.tra\"\n"), std::string::npos);
  EXPECT_NE(dump.out.find("programName: \"app\"\n"), std::string::npos);
  EXPECT_NE(dump.out.find("tree: none\n"), std::string::npos);

  // Removing by stored name or by path removes the first occurrence only.
  ASSERT_EQ(Run({"remove", "app/app.lxp", "../res/more.rc", "app/sub/deep.rc"}).status, 0);
  dump = Run({"dump", "app/app.lxp"});
  EXPECT_NE(dump.out.find("scripts: 2\n  \"main.rc\"\n  \"../res/more.rc\"\n"), std::string::npos)
      << dump.out;
  Result unknown = Run({"remove", "app/app.lxp", "nothere.rc"});
  EXPECT_EQ(unknown.status, 1);
  EXPECT_NE(unknown.err.find("nothere.rc"), std::string::npos);

  // Build from another folder: scripts resolve against the project's folder;
  // the test file comes with its marks.
  Result built = Run({"build", "app/app.lxp", "--log", "build.log"});
  ASSERT_EQ(built.status, 0) << built.err;
  EXPECT_EQ(built.out.substr(0, built.out.find('\n')),
            "2 scripts, 0 dialogs, 0 menus, 2 string tables, 8 nodes, 0 problems");
  EXPECT_EQ(ReadFile(folder_ / "build.log"), "----------- Scanne Ressourcen --------\r\n");
  Result test = Run({"dump", "app/app_test.tra"});
  EXPECT_NE(test.out.find("languageName: \"Deutsch (test)\"\n"), std::string::npos);
  EXPECT_NE(test.out.find("11 -1 -1 0 \"Hallo\" \">>llY\""), std::string::npos) << test.out;
  Result real = Run({"dump", "app/app.tra"});
  EXPECT_NE(real.out.find("11 -1 -1 0 \"Hallo\" \"Hallo\""), std::string::npos);
}

// A project whose embedded language file has a wrong magic would lose its
// scripts if it were changed or built; it is refused and left as it was.
TEST_F(CliTest, DamagedProjectIsRefusedAndKept) {
  WriteFile(folder_ / "a.rc", "STRINGTABLE BEGIN 1 \"a\" END\n");
  ASSERT_EQ(Run({"new", "p.lxp", "--script", "a.rc"}).status, 0);
  std::string bytes = ReadFile(folder_ / "p.lxp");
  const size_t magic = bytes.find(std::string("_\0L\0E\0X", 7));
  ASSERT_NE(magic, std::string::npos);
  bytes[magic] = 'X';
  WriteFile(folder_ / "p.lxp", bytes);

  for (const auto& args : std::vector<std::vector<std::string>>{
           {"add", "p.lxp", "a.rc"}, {"remove", "p.lxp", "a.rc"}, {"build", "p.lxp"}}) {
    Result result = Run(args);
    EXPECT_EQ(result.status, 1) << args[0];
    EXPECT_NE(result.err.find("corrupt .tra - file!"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("p.lxp: damaged data"), std::string::npos) << result.err;
    EXPECT_EQ(ReadFile(folder_ / "p.lxp"), bytes);
  }
  EXPECT_FALSE(fs::exists(folder_ / "p.tra"));

  // dump still shows what can be read, and a .tra with a wrong magic is
  // read as a language file.
  Result dump = Run({"dump", "p.lxp"});
  EXPECT_EQ(dump.status, 0);
  EXPECT_NE(dump.out.find("tree: none\n"), std::string::npos);
  WriteFile(folder_ / "bad.tra", bytes.substr(magic - 4));
  Result tra = Run({"dump", "bad.tra"});
  EXPECT_EQ(tra.status, 0);
  EXPECT_EQ(tra.err, "corrupt .tra - file!\n");
  EXPECT_NE(tra.out.find("file: language\n"), std::string::npos);
}

TEST_F(CliTest, BuildOfTheExampleMatchesItsGoldenFiles) {
  CopyExample();
  Result built = Run({"build", "notebook/notebook.lxp"});
  ASSERT_EQ(built.status, 0) << built.err;
  EXPECT_EQ(built.err, Data("build.log"));
  EXPECT_EQ(built.out, "2 scripts, 4 dialogs, 2 menus, 3 string tables, 84 nodes, 15 problems\n"
                       "wrote " + (folder_ / "notebook" / "notebook.tra").string() + "\n");
  EXPECT_EQ(ReadFile(folder_ / "notebook" / "notebook.tra"), Data("build.tra"));
  EXPECT_EQ(ReadFile(folder_ / "notebook" / "notebook_test.tra"), Data("build_test.tra"));
  Result dump = Run({"dump", "notebook/notebook.lxp"});
  EXPECT_NE(dump.out.find("  \"notebook.rc\"\n  \"notebook_strings.rc\"\n"), std::string::npos);
  EXPECT_NE(dump.out.find("projectPath: \"" + (folder_ / "notebook" / "notebook.lxp").string()),
            std::string::npos);
}

TEST_F(CliTest, TestFileMarksEveryTextAndKeepsLengths) {
  WriteFile(folder_ / "a.rc", "STRINGTABLE BEGIN 1 \"Hallo\" 2 \"A\" 3 \"\" END\n");
  ASSERT_EQ(Run({"scan", "--output", "a.tra", "a.rc"}).status, 0);
  ASSERT_EQ(Run({"testfile", "--input", "a.tra", "--output", "t.tra", "--begin", "[[", "--no-end"}).status, 0);
  Result dump = Run({"dump", "t.tra"});
  EXPECT_NE(dump.out.find("languageName: \"Deutsch (test)\"\n"), std::string::npos);
  EXPECT_NE(dump.out.find("\"Hallo\" \"[[llo\""), std::string::npos) << dump.out;
  EXPECT_NE(dump.out.find("\"A\" \"[\""), std::string::npos);
  EXPECT_NE(dump.out.find("\"\" \"\""), std::string::npos);
  ASSERT_EQ(Run({"testfile", "--input", "a.tra", "--output", "d.tra"}).status, 0);
  EXPECT_NE(Run({"dump", "d.tra"}).out.find("\"Hallo\" \"XallY\""), std::string::npos);
}

// The value of flag pixel (row, column) in a dump --json.
uint32_t FlagPixel(const std::string& json, int row, int column) {
  size_t at = json.find("\"flagImage\":[");
  if (at == std::string::npos) return 0xFFFFFFFF;
  at += 13;
  for (int i = 0; i < row * 32 + column; ++i) at = json.find(',', at) + 1;
  return static_cast<uint32_t>(std::stoul(json.substr(at)));
}

TEST_F(CliTest, FlagsAreListedAndGoIntoLanguageAndProjectFiles) {
  Result list = Run({"flags"});
  ASSERT_EQ(list.status, 0);
  EXPECT_EQ(list.out.rfind("de      German\nen      English\n", 0), 0u) << list.out;
  EXPECT_NE(list.out.find("\npt-BR   Portuguese (Brazil)\n"), std::string::npos);
  ASSERT_EQ(Run({"flags", "--strip", "strip.bmp"}).status, 0);
  const std::string strip = ReadFile(folder_ / "strip.bmp");
  const size_t cells = static_cast<size_t>(std::count(list.out.begin(), list.out.end(), '\n'));
  EXPECT_EQ(strip.size(), 54 + cells * 32 * 32 * 3);
  EXPECT_EQ(strip.substr(0, 2), "BM");

  // The French flag's blue at the hoist, as a colour value.
  WriteFile(folder_ / "a.rc", "STRINGTABLE BEGIN 1 \"a\" END\n");
  ASSERT_EQ(Run({"scan", "--output", "a.tra", "--flag", "fr", "a.rc"}).status, 0);
  EXPECT_EQ(FlagPixel(Run({"dump", "--json", "a.tra"}).out, 16, 3), 0x542600u);
  ASSERT_EQ(Run({"new", "p.lxp", "--flag", "fr", "--script", "a.rc"}).status, 0);
  EXPECT_EQ(FlagPixel(Run({"dump", "--json", "p.lxp"}).out, 16, 3), 0x542600u);

  for (const auto& args : std::vector<std::vector<std::string>>{
           {"scan", "--output", "b.tra", "--flag", "FR", "a.rc"},
           {"new", "q.lxp", "--flag", ""},
           {"scan", "--output", "b.tra", "--code-page", "437", "a.rc"},
           {"new", "q.lxp", "--code-page", "1252x"},
           {"build", "p.lxp", "--code-page", "-1"},
           {"flags", "extra"}}) {
    Result result = Run(args);
    EXPECT_EQ(result.status, 2) << args[0] << " " << args[args.size() - 2];
    EXPECT_NE(result.err.find("usage: tolmeric-cli"), std::string::npos) << result.err;
  }
  EXPECT_FALSE(fs::exists(folder_ / "b.tra"));
  EXPECT_FALSE(fs::exists(folder_ / "q.lxp"));
}

// A script saved in a Western code page without pragma: the euro sign and
// curly quotes come out right only with the code page given.
TEST_F(CliTest, CodePageReadsScriptsWithoutPragmaAndTheProjectKeepsIt) {
  WriteFile(folder_ / "w.rc", "STRINGTABLE BEGIN 1 \"\x80 \x93x\x94\" END\n");
  const std::string western = "\"\xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D\"";
  ASSERT_EQ(Run({"scan", "--output", "w.tra", "--code-page", "1252", "w.rc"}).status, 0);
  EXPECT_NE(Run({"dump", "w.tra"}).out.find(western), std::string::npos);
  ASSERT_EQ(Run({"scan", "--output", "b.tra", "w.rc"}).status, 0);
  EXPECT_EQ(Run({"dump", "b.tra"}).out.find(western), std::string::npos);

  ASSERT_EQ(Run({"new", "p.lxp", "--code-page", "1252", "--script", "w.rc"}).status, 0);
  ASSERT_EQ(Run({"build", "p.lxp"}).status, 0);
  EXPECT_NE(Run({"dump", "p.lxp"}).out.find("defaultCodePage: 1252\n"), std::string::npos);
  EXPECT_NE(Run({"dump", "p.tra"}).out.find(western), std::string::npos);
  // build --code-page changes what the project keeps.
  ASSERT_EQ(Run({"build", "p.lxp", "--code-page", "1251"}).status, 0);
  EXPECT_NE(Run({"dump", "p.lxp"}).out.find("defaultCodePage: 1251\n"), std::string::npos);
  EXPECT_EQ(Run({"dump", "p.tra"}).out.find(western), std::string::npos);
}

TEST_F(CliTest, PseudoTestFileKeepsConversionsAndHotkeys) {
  WriteFile(folder_ / "a.rc", "STRINGTABLE BEGIN 1 \"&Open %d\" END\n");
  ASSERT_EQ(Run({"scan", "--output", "a.tra", "a.rc"}).status, 0);
  ASSERT_EQ(Run({"testfile", "--input", "a.tra", "--output", "p.tra", "--pseudo"}).status, 0);
  Result dump = Run({"dump", "p.tra"});
  EXPECT_NE(dump.out.find("\"&Open %d\" \"[&O\xC3\xBE\xC3\xA9\xC3\xB1 %d~~~]\""), std::string::npos)
      << dump.out;
  EXPECT_NE(dump.out.find("languageName: \"Deutsch (test)\"\n"), std::string::npos);
  ASSERT_EQ(Run({"testfile", "--input", "a.tra", "--output", "q.tra", "--pseudo", "--lengthen",
                 "0", "--no-accents", "--begin", "<", "--no-end"})
                .status,
            0);
  EXPECT_NE(Run({"dump", "q.tra"}).out.find("\"&Open %d\" \"<&Open %d\""), std::string::npos);

  for (const auto& args : std::vector<std::vector<std::string>>{
           {"testfile", "--input", "a.tra", "--output", "r.tra", "--lengthen", "10"},
           {"testfile", "--input", "a.tra", "--output", "r.tra", "--pseudo", "--lengthen", "1001"},
           {"testfile", "--input", "a.tra", "--output", "r.tra", "--pseudo", "--lengthen", "-5"}}) {
    EXPECT_EQ(Run(args).status, 2) << args.back();
  }
  EXPECT_FALSE(fs::exists(folder_ / "r.tra"));
}

}  // namespace
