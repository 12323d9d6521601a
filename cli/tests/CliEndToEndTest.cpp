// Runs the tolmeric-cli binary on the bundled example and on small scripts,
// and compares files, output and exit statuses with what users rely on.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
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
              ("tolmeric-cli-" + std::to_string(::getpid()) + "-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    fs::remove_all(folder_);
  }

  // Runs the binary with args in the test's folder; before, a shell command
  // (such as a reader for a pipe) when one is given.
  Result Run(const std::vector<std::string>& args, const std::string& before = {}) {
    std::string command = "cd " + Quote(folder_.string()) + " && { " + before + Quote(TOLMERIC_CLI);
    for (const std::string& arg : args) command += " " + Quote(arg);
    command += " >" + Quote((folder_ / ".out").string()) + " 2>" + Quote((folder_ / ".err").string());
    command += "; status=$?; wait; exit $status; }";
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

  // Every file below the test's folder (links as "-> target") and its
  // bytes, to show that a refused call changed nothing.
  std::map<std::string, std::string> Snapshot() {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder_)) {
      const std::string name = fs::relative(entry.path(), folder_).string();
      if (entry.is_symlink()) {
        files[name] = "-> " + fs::read_symlink(entry.path()).string();
      } else if (entry.is_regular_file()) {
        files[name] = ReadFile(entry.path());
      }
    }
    return files;
  }

  // Three scripts, a language file, a project, a link to the first script
  // and the start of an executable.
  void MakeWork() {
    WriteFile(folder_ / "program", ReadFile(TOLMERIC_CLI).substr(0, 64 * 1024));
    WriteFile(folder_ / "a.rc", "STRINGTABLE BEGIN 1 \"a\" END\n");
    WriteFile(folder_ / "b.rc", "STRINGTABLE BEGIN 2 \"b\" END\n");
    WriteFile(folder_ / "sub" / "c.rc", "STRINGTABLE BEGIN 3 \"c\" END\n");
    ASSERT_EQ(Run({"scan", "--output", "good.tra", "--log", "good.log", "a.rc"}).status, 0);
    ASSERT_EQ(Run({"new", "p.lxp", "--script", "a.rc"}).status, 0);
    fs::create_symlink("a.rc", folder_ / "link.rc");
  }

  fs::path folder_;
};

// The example scanned into a language file: exact bytes, log and summary.
TEST_F(CliTest, ScanWritesTheGoldenLanguageFileAndLog) {
  CopyExample();
  Result result = Run({"scan", "--grammar", "classic", "--output", "out.tra", "--log", "out.log",
                       "notebook/notebook.rc", "notebook/notebook_strings.rc"});
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
  EXPECT_NE(dump.out.find("program: \".hidden\"\n"), std::string::npos) << dump.out;
  EXPECT_NE(dump.out.find("program version: \"2.5\"\n"), std::string::npos);
  EXPECT_NE(dump.out.find("language: \"English\"\n"), std::string::npos);
  EXPECT_NE(dump.out.find("automatic switch: yes\n"), std::string::npos);
  EXPECT_NE(dump.out.find("    switch dialog \"Sprache umschalten\" (0 x 0)\n"), std::string::npos);

  WriteFile(folder_ / "app.v2.rc", "");
  Run({"scan", "--output", "b.tra", "--program", "Given", "app.v2.rc"});
  EXPECT_NE(Run({"dump", "b.tra"}).out.find("program: \"Given\"\n"), std::string::npos);
  Run({"scan", "--output", "c.tra", "app.v2.rc"});
  Result c = Run({"dump", "c.tra"});
  EXPECT_NE(c.out.find("program: \"app.v2\"\n"), std::string::npos);
  EXPECT_NE(c.out.find("language: \"Deutsch\"\n"), std::string::npos);
  EXPECT_NE(c.out.find("automatic switch: no\n"), std::string::npos);
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
      {"scan", "-x", "--output", "x.tra", "a.rc"},
      {"dump", "-q", "-v", "a.tra"},
  };
  for (const auto& args : bad) {
    Result result = Run(args);
    EXPECT_EQ(result.status, 2) << (args.empty() ? "" : args[0]);
    EXPECT_NE(result.err.find("usage: tolmeric-cli"), std::string::npos) << result.err;
    EXPECT_TRUE(result.out.empty());
  }
  for (const char* command : {"scan", "dump", "new", "add", "remove", "build", "testfile"}) {
    Result help = Run({command, "-h"});
    EXPECT_EQ(help.status, 0);
    for (const char* section : {"NAME\n    tolmeric-cli ", "SYNOPSIS\n    tolmeric-cli ",
                                "DESCRIPTION\n", "OPTIONS\n", "EXIT STATUS\n"}) {
      EXPECT_NE(help.out.find(section), std::string::npos) << command << ": " << section;
    }
  }
  Result version = Run({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("tolmeric-cli ", 0), 0u) << version.out;
}

TEST_F(CliTest, FileErrorsExitWithOneAndLeaveTheOldFile) {
  WriteFile(folder_ / "a.rc", "STRINGTABLE BEGIN 1 \"a\" END\n");
  WriteFile(folder_ / "old.tra", "previous");

  Result missing = Run({"scan", "--output", "old.tra", "--force", "a.rc", "missing.rc"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "tolmeric-cli: missing.rc: cannot open file (No such file or directory)\n");
  EXPECT_EQ(ReadFile(folder_ / "old.tra"), "previous");

  // A log that cannot be written keeps the language file from being
  // written too.
  Result badLog =
      Run({"scan", "--output", "old.tra", "--force", "--log", "no/such/folder.log", "a.rc"});
  EXPECT_EQ(badLog.status, 1);
  EXPECT_EQ(badLog.err, "tolmeric-cli: no/such/folder.log: cannot create file (No such file or directory)\n");
  EXPECT_EQ(ReadFile(folder_ / "old.tra"), "previous");

  fs::create_directory(folder_ / "logdir");
  Result folderLog = Run({"scan", "--output", "old.tra", "--force", "--log", "logdir", "a.rc"});
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
  EXPECT_EQ(notLanguage.err, "tolmeric-cli: a.rc: not a language file or project\n");
  EXPECT_FALSE(fs::exists(folder_ / "t.tra"));
}

TEST_F(CliTest, ProjectPathsAreStoredRelativeToTheProject) {
  WriteFile(folder_ / "app" / "main.rc", "STRINGTABLE BEGIN 1 \"Hallo\" END\n");
  WriteFile(folder_ / "res" / "more.rc", "STRINGTABLE BEGIN 2 \"Welt\" END\n");
  WriteFile(folder_ / "app" / "sub" / "deep.rc", "STRINGTABLE BEGIN 3 \"Tief\" END\n");
  Result created = Run({"new", "app/app.lxp", "--script", "app/main.rc", "--script", "res/more.rc",
                        "--test-version", "--begin", ">>", "--language", "Deutsch"});
  ASSERT_EQ(created.status, 0) << created.err;
  Result added = Run({"add", "app/app.lxp", "app/sub/deep.rc"});
  ASSERT_EQ(added.status, 0) << added.err;

  Result dump = Run({"dump", "app/app.lxp"});
  const std::string scripts = "scripts: 3\n  \"main.rc\"\n  \"../res/more.rc\"\n  \"" +
                              (folder_ / "app/sub/deep.rc").string() + "\"\n";
  EXPECT_NE(dump.out.find(scripts), std::string::npos) << dump.out;
  EXPECT_NE(dump.out.find("language file: \"app.tra\"\n"), std::string::npos);
  EXPECT_NE(dump.out.find("test marks: \">>\" at the beginning, \"Y\" at the end\n"),
            std::string::npos);
  EXPECT_NE(dump.out.find("program: \"app\"\n"), std::string::npos);
  EXPECT_NE(dump.out.find("tree: none\n"), std::string::npos);

  // Removing by stored name or by path.
  ASSERT_EQ(Run({"remove", "app/app.lxp", "app/sub/deep.rc"}).status, 0);
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
  EXPECT_NE(test.out.find("language: \"Deutsch (test)\"\n"), std::string::npos);
  EXPECT_NE(test.out.find("      string \"Hallo\", translated \">>llY\"\n"), std::string::npos) << test.out;
  Result real = Run({"dump", "app/app.tra"});
  EXPECT_NE(real.out.find("      string \"Hallo\"\n"), std::string::npos);
}

// A project whose embedded language file has a wrong magic would lose its
// scripts if it were changed or built; by its content it is no project, so
// every command refuses it, prints nothing of it and leaves it as it was.
// -D, -I and --language-section choose what a scan reads; a project keeps
// them from new and from build for later builds.
TEST_F(CliTest, ReadingOptionsChooseBranchesIncludesAndLanguages) {
  WriteFile(folder_ / "app" / "app.rc",
            "#include \"defs.h\"\n#ifdef PRO\nSTRINGTABLE BEGIN 1 \"pro\" END\n#else\n"
            "STRINGTABLE BEGIN 1 \"basic\" END\n#endif\n#if LEVEL > 1\n"
            "STRINGTABLE BEGIN 2 \"level\" END\n#endif\nLANGUAGE LANG_GERMAN, SUBLANG_GERMAN\n"
            "STRINGTABLE BEGIN 3 \"deutsch\" END\n");
  WriteFile(folder_ / "inc" / "defs.h", "#define LEVEL 2\n");
  const std::string notFound = "app/app.rc(1): include file not found: defs.h\n";
  const std::string languages =
      "resources in 2 languages (LANG_ENGLISH, SUBLANG_ENGLISH_US; LANG_GERMAN, "
      "SUBLANG_GERMAN) are read into one language file; keep one with --language-section\n";
  struct Case {
    std::vector<std::string> options;
    std::string texts;    // the string texts of the language file, in order
    std::vector<std::string> warnings;  // all of standard error's warnings
  };
  const Case cases[] = {
      {{}, "basic deutsch ", {notFound, languages}},
      {{"-DPRO", "-I", "inc"}, "pro level deutsch ", {languages}},
      {{"-D", "PRO=0", "-Iinc", "--language-section=LANG_GERMAN,SUBLANG_DEFAULT"}, "deutsch ", {}},
      {{"--language-section", " 0x09 , 0x01 "}, "basic ", {notFound}},
      // Every branch, every language, and no warning about them.
      {{"--grammar", "classic"}, "basic pro level deutsch ", {}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"scan", "--output", "out.tra", "--force", "app/app.rc"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const Result scan = Run(args);
    SCOPED_TRACE(scan.err);
    EXPECT_EQ(scan.status, 0);
    const std::string dump = Run({"dump", "--json", "out.tra"}).out;
    std::string texts;
    for (const char* text : {"\"basic\"", "\"pro\"", "\"level\"", "\"deutsch\""}) {
      if (dump.find(std::string("\"text\":") + text) != std::string::npos) {
        texts += std::string(text).substr(1, std::strlen(text) - 2) + " ";
      }
    }
    EXPECT_EQ(texts, c.texts);
    std::string warnings;
    for (const std::string& warning : c.warnings) warnings += "tolmeric-cli: warning: " + warning;
    EXPECT_EQ(scan.err, warnings);
  }
  for (const std::vector<std::string>& bad :
       {std::vector<std::string>{"-D", "=1"}, {"--language-section", "7"},
        {"--language-section", "LANG_KLINGON,1"}, {"--language-section", "7,64"}, {"-I"},
        {"--grammar", "classic", "-DPRO"}, {"-I", "inc", "--grammar=classic"}}) {
    std::vector<std::string> args = {"scan", "--output", "bad.tra", "app/app.rc"};
    args.insert(args.end(), bad.begin(), bad.end());
    EXPECT_EQ(Run(args).status, 2) << bad[0] << " " << bad.back();
  }

  ASSERT_EQ(Run({"new", "p.lxp", "--script", "app/app.rc", "-DPRO", "-I", "inc"}).status, 0);
  ASSERT_EQ(Run({"build", "p.lxp", "--language-section", "7,1"}).status, 0);
  ASSERT_EQ(Run({"build", "p.lxp"}).status, 0);
  const std::string project = Run({"dump", "p.lxp"}).out;
  EXPECT_NE(project.find("grammar: compiler\ndefines: 1\n  \"PRO\"\ninclude folders: 1\n  \"inc\"\n"
                         "language section: LANG_GERMAN, SUBLANG_GERMAN\n"),
            std::string::npos)
      << project;
  EXPECT_EQ(Run({"dump", "--json", "p.tra"}).out.find("\"pro\""), std::string::npos);
  // The classic grammar has no use for them: a usage error, and nothing changes.
  const Result classic = Run({"build", "p.lxp", "--grammar", "classic", "--language-section", "all"});
  EXPECT_EQ(classic.status, 2);
  EXPECT_NE(classic.err.find("-D, -I and --language-section need the compiler grammar"),
            std::string::npos)
      << classic.err;
  EXPECT_EQ(Run({"dump", "p.lxp"}).out, project);
  ASSERT_EQ(Run({"build", "p.lxp", "--language-section", "all"}).status, 0);
  EXPECT_NE(Run({"dump", "--json", "p.tra"}).out.find("\"text\":\"pro\""), std::string::npos);
}

TEST_F(CliTest, DamagedProjectIsRefusedAndKept) {
  WriteFile(folder_ / "a.rc", "STRINGTABLE BEGIN 1 \"a\" END\n");
  ASSERT_EQ(Run({"new", "p.lxp", "--script", "a.rc"}).status, 0);
  std::string bytes = ReadFile(folder_ / "p.lxp");
  const size_t magic = bytes.find(std::string("_\0L\0E\0X", 7));
  ASSERT_NE(magic, std::string::npos);
  bytes[magic] = 'X';
  WriteFile(folder_ / "p.lxp", bytes);
  WriteFile(folder_ / "bad.tra", bytes.substr(magic - 4));

  for (const auto& args : std::vector<std::vector<std::string>>{{"add", "p.lxp", "a.rc"},
                                                                {"remove", "p.lxp", "a.rc"},
                                                                {"build", "p.lxp"},
                                                                {"dump", "p.lxp"},
                                                                {"dump", "bad.tra"}}) {
    Result result = Run(args);
    EXPECT_EQ(result.status, 1) << args[0];
    EXPECT_EQ(result.err, "tolmeric-cli: " + args[1] + ": not a language file or project\n");
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(ReadFile(folder_ / "p.lxp"), bytes);
  }
  EXPECT_FALSE(fs::exists(folder_ / "p.tra"));
}

TEST_F(CliTest, BuildOfTheExampleMatchesItsGoldenFiles) {
  CopyExample();
  Result built = Run({"build", "notebook/notebook.lxp"});
  ASSERT_EQ(built.status, 0) << built.err;
  // The project never chose a grammar: it reads as classic, as it always did.
  // Its diagnostics follow the log.
  EXPECT_EQ(built.err.substr(0, Data("build.log").size()), Data("build.log"));
  EXPECT_EQ(built.out, "2 scripts, 4 dialogs, 2 menus, 3 string tables, 84 nodes, 15 problems\n"
                       "wrote " + (folder_ / "notebook" / "notebook.tra").string() + "\n");
  EXPECT_EQ(ReadFile(folder_ / "notebook" / "notebook.tra"), Data("build.tra"));
  EXPECT_EQ(ReadFile(folder_ / "notebook" / "notebook_test.tra"), Data("build_test.tra"));
  Result dump = Run({"dump", "notebook/notebook.lxp"});
  EXPECT_NE(dump.out.find("  \"notebook.rc\"\n  \"notebook_strings.rc\"\n"), std::string::npos);
  EXPECT_NE(dump.out.find("project path: \"" + (folder_ / "notebook" / "notebook.lxp").string()),
            std::string::npos);
}

// The grammar a scan reads in (the compiler's by default, kept by a new
// project) and the forms of its diagnostics on standard error.
TEST_F(CliTest, GrammarAndDiagnosticsFormatOptions) {
  WriteFile(folder_ / "g.rc",
            "IDD_X DIALOG 0, 0, 100, 50\nCAPTION \"Dlg\"\n{\n"
            "    AUTOCHECKBOX \"Auto\", IDC_AUTO, 7, 7, 50, 10\n"
            "    LTEXT \"Name:\" IDC_NAME, 7, 20, 40, 8\n"
            "    LTEXT \"A\" \"\"\"B\"\"\", 1, 0, 0, 1, 1\n}\n");
  const std::string compiler =
      "g.rc(5): warning TOL1002: expected a comma after the control text, found IDC_NAME\n";
  const std::string classic =
      "g.rc(2): warning TOL1001: expected BEGIN after the dialog's header, found '{'\n";
  struct Case {
    std::vector<std::vector<std::string>> calls;  // the last one's output is checked
    int status;
    std::string err;
    std::string out;
  };
  const Case cases[] = {
      {{{"scan", "--output", "a.tra", "g.rc"}}, 0, compiler, "1 dialog"},
      {{{"scan", "--output", "a.tra", "--grammar", "compiler", "g.rc"}}, 0, compiler, "1 dialog"},
      {{{"scan", "--output", "a.tra", "--grammar", "classic", "g.rc"}}, 0, classic, "0 dialogs"},
      {{{"scan", "--output", "a.tra", "--diagnostics-format", "gcc", "g.rc"}}, 0,
       "g.rc:5: warning: expected a comma after the control text, found IDC_NAME [TOL1002]\n",
       "1 dialog"},
      {{{"scan", "--output", "a.tra", "--diagnostics-format", "json", "g.rc"}}, 0,
       "[\n  {\"file\": \"g.rc\", \"line\": 5, \"code\": \"TOL1002\", \"severity\": "
       "\"warning\", \"message\": \"expected a comma after the control text, found "
       "IDC_NAME\"},\n  {\"file\": \"g.rc\", \"line\": 6, \"code\": \"TOL1002\", "
       "\"severity\": \"warning\", \"message\": \"expected a comma after the control text, "
       "found \\\"\\\"B\\\"\\\"\"}\n]\n",
       "1 dialog"},
      {{{"scan", "--output", "a.tra", "--grammar", "rc", "g.rc"}}, 2,
       "--grammar rc: classic or compiler", ""},
      {{{"scan", "--output", "a.tra", "--diagnostics-format", "xml", "g.rc"}}, 2,
       "--diagnostics-format xml: msvc, gcc or json", ""},
      {{{"new", "n.lxp", "--force", "--script", "g.rc"}, {"build", "n.lxp"}}, 0, compiler,
       "1 dialog"},
      {{{"new", "n.lxp", "--force", "--script", "g.rc"}, {"dump", "n.lxp"}}, 0, "",
       "grammar: compiler\n"},
      {{{"new", "c.lxp", "--force", "--grammar", "classic", "--script", "g.rc"},
        {"build", "c.lxp"}},
       0, classic, "0 dialogs"},
      {{{"build", "c.lxp", "--grammar", "compiler"}, {"build", "c.lxp"}}, 0, compiler, "1 dialog"},
  };
  for (const Case& c : cases) {
    Result result;
    for (const auto& call : c.calls) result = Run(call);
    const std::string call = c.calls.back()[0] + " " + c.calls.back()[1];
    EXPECT_EQ(result.status, c.status) << call << result.err;
    EXPECT_NE(result.err.find(c.err), std::string::npos) << call << result.err;
    EXPECT_NE(result.out.find(c.out), std::string::npos) << call << result.out;
  }
}

TEST_F(CliTest, TestFileMarksEveryTextAndKeepsLengths) {
  WriteFile(folder_ / "a.rc", "STRINGTABLE BEGIN 1 \"Hallo\" 2 \"A\" 3 \"\" END\n");
  ASSERT_EQ(Run({"scan", "--output", "a.tra", "a.rc"}).status, 0);
  ASSERT_EQ(Run({"testfile", "--input", "a.tra", "--output", "t.tra", "--begin", "[[", "--no-end"}).status, 0);
  Result dump = Run({"dump", "t.tra"});
  EXPECT_NE(dump.out.find("language: \"Deutsch (test)\"\n"), std::string::npos);
  EXPECT_NE(dump.out.find("string \"Hallo\", translated \"[[llo\"\n"), std::string::npos) << dump.out;
  EXPECT_NE(dump.out.find("string \"A\", translated \"[\"\n"), std::string::npos);
  EXPECT_NE(dump.out.find("string \"\"\n"), std::string::npos);
  ASSERT_EQ(Run({"testfile", "--input", "a.tra", "--output", "d.tra"}).status, 0);
  EXPECT_NE(Run({"dump", "d.tra"}).out.find("\"Hallo\", translated \"XallY\""), std::string::npos);
}

// Calls that would destroy a file the user owns are refused, exit 2 when an
// output is an input (or another output), 1 when an output holds something
// the command does not write, and nothing at all changes.
TEST_F(CliTest, NoCallDestroysAFile) {
  MakeWork();
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string message;
  };
  const Case cases[] = {
      {{"scan", "--output", "a.rc", "a.rc"}, 2,
       "--output a.rc is the same file as script a.rc"},
      {{"scan", "--output", "./a.rc", "a.rc"}, 2, "is the same file as script a.rc"},
      {{"scan", "--output", "sub/../a.rc", "b.rc", "./a.rc"}, 2, "is the same file as script ./a.rc"},
      {{"scan", "--output", "link.rc", "a.rc"}, 2, "--output link.rc is the same file as script a.rc"},
      {{"scan", "--output", "x.tra", "link.rc"}, 0, ""},  // (a control: reading through a link)
      {{"scan", "--output", "y.tra", "--log", "a.rc", "a.rc"}, 2, "--log a.rc is the same file"},
      {{"scan", "--output", "good.tra", "--log", "./good.tra", "a.rc"}, 2,
       "--log ./good.tra is the same file as --output good.tra"},
      {{"scan", "--output", "z.tra", "--log", "good.tra", "a.rc"}, 1,
       "good.tra: is a language file, not a problem log"},
      {{"scan", "--output", "p.lxp", "a.rc"}, 1, "p.lxp: is a project, not a language file"},
      {{"scan", "--output", "b.rc", "a.rc"}, 1, "b.rc: is something else, not a language file"},
      {{"scan", "--output", "z.tra", "--log", "b.rc", "a.rc"}, 1, "b.rc: is something else"},
      {{"testfile", "--input", "good.tra", "--output", "./good.tra"}, 2, "is the same file"},
      {{"testfile", "--input", "good.tra", "--output", "p.lxp"}, 1, "is a project"},
      {{"testfile", "--input", "p.lxp", "--output", "t.tra"}, 1,
       "p.lxp: a project, not a language file"},
      {{"new", "p.lxp"}, 1, "p.lxp: exists (a project); it is left as it is (--force replaces it)"},
      {{"new", "a.rc"}, 1, "a.rc: exists"},
      {{"new", "q.lxp", "--script", "q.lxp"}, 2, "is the same file as --script q.lxp"},
      {{"build", "p.lxp", "--log", "p.lxp"}, 2, "--log "},
      {{"build", "p.lxp", "--log", "a.rc"}, 2, "is the same file as script"},
      {{"build", "p.lxp", "--log", "good.tra"}, 1, "is a language file, not a problem log"},
      {{"add", "p.lxp", "missing.rc"}, 1, "missing.rc: no such script; nothing changed"},
      {{"add", "p.lxp", "./a.rc"}, 1, "./a.rc: the project has this script already, as \"a.rc\""},
      {{"add", "p.lxp", "link.rc"}, 1, "the project has this script already"},
      {{"add", "p.lxp", "b.rc", "b.rc"}, 1, "b.rc: the project has this script already"},
      {{"add", "p.lxp", "p.lxp"}, 2, "is the same file as script p.lxp"},
      {{"dump", "program"}, 1, "program: not a language file or project"},
  };
  for (const Case& c : cases) {
    const auto before = Snapshot();
    Result result = Run(c.args);
    std::string call;
    for (const std::string& arg : c.args) call += arg + " ";
    EXPECT_EQ(result.status, c.status) << call << result.err;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << call << result.err;
    if (c.status == 0) continue;
    EXPECT_EQ(Snapshot(), before) << call;
    EXPECT_EQ(result.out, "") << call;
  }

  // --force replaces what the kind check keeps, but never an input.
  EXPECT_EQ(Run({"scan", "--output", "b.rc", "--force", "a.rc"}).status, 0);
  EXPECT_EQ(Run({"dump", "b.rc"}).status, 0);
  EXPECT_EQ(Run({"scan", "--output", "a.rc", "--force", "a.rc"}).status, 2);
  EXPECT_EQ(Run({"new", "p.lxp", "--force"}).status, 0);
  EXPECT_NE(Run({"dump", "p.lxp"}).out.find("scripts: 0\n"), std::string::npos);
}

// A language file and a project are told apart by content, whatever their
// names say.
TEST_F(CliTest, DumpDecidesByContent) {
  MakeWork();
  fs::copy_file(folder_ / "p.lxp", folder_ / "project.tra");
  fs::copy_file(folder_ / "good.tra", folder_ / "language.lxp");
  Result project = Run({"dump", "project.tra"});
  EXPECT_EQ(project.status, 0) << project.err;
  EXPECT_EQ(project.out.rfind("file: project\n", 0), 0u) << project.out;
  Result language = Run({"dump", "language.lxp"});
  EXPECT_EQ(language.status, 0) << language.err;
  EXPECT_EQ(language.out.rfind("file: language file\n", 0), 0u) << language.out;
  EXPECT_EQ(Run({"build", "project.tra"}).status, 0);
  EXPECT_EQ(Run({"add", "language.lxp", "b.rc"}).status, 1);
}

// Outputs that are no regular files: a device and a pipe are written to, a
// link's target is replaced and the link stays, "-" is standard output.
TEST_F(CliTest, SpecialOutputsAreWrittenThrough) {
  WriteFile(folder_ / "a.rc", "STRINGTABLE BEGIN 1 \"a\" END\n");
  ASSERT_EQ(Run({"scan", "--output", "plain.tra", "a.rc"}).status, 0);
  const std::string expected = ReadFile(folder_ / "plain.tra");

  Result devNull = Run({"scan", "--output", "/dev/null", "--log", "/dev/null", "a.rc"});
  EXPECT_EQ(devNull.status, 0) << devNull.err;
  struct stat status;
  ASSERT_EQ(stat("/dev/null", &status), 0);
  EXPECT_TRUE(S_ISCHR(status.st_mode));

  WriteFile(folder_ / "real" / "target.tra", expected);
  fs::create_symlink("real/target.tra", folder_ / "link.tra");
  Result link = Run({"scan", "--output", "link.tra", "--program", "Linked", "a.rc"});
  EXPECT_EQ(link.status, 0) << link.err;
  EXPECT_TRUE(fs::is_symlink(folder_ / "link.tra"));
  EXPECT_NE(ReadFile(folder_ / "real" / "target.tra"), expected);
  EXPECT_NE(Run({"dump", "real/target.tra"}).out.find("program: \"Linked\"\n"), std::string::npos);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_ / "real"), fs::directory_iterator()), 1);

  ASSERT_EQ(mkfifo((folder_ / "pipe").c_str(), 0600), 0);
  Result pipe = Run({"scan", "--output", "pipe", "a.rc"}, "cat pipe >from-pipe & ");
  EXPECT_EQ(pipe.status, 0) << pipe.err;
  EXPECT_EQ(ReadFile(folder_ / "from-pipe"), expected);
  ASSERT_EQ(stat((folder_ / "pipe").c_str(), &status), 0);
  EXPECT_TRUE(S_ISFIFO(status.st_mode));

  Result dash = Run({"scan", "--output", "-", "a.rc"});
  EXPECT_EQ(dash.status, 0);
  EXPECT_EQ(dash.out, expected);
  EXPECT_NE(dash.err.find("1 script, 0 dialogs"), std::string::npos) << dash.err;
  Result quiet = Run({"testfile", "-q", "--input", "plain.tra", "--output", "-"});
  EXPECT_EQ(quiet.status, 0);
  EXPECT_EQ(quiet.out.substr(0, 4), expected.substr(0, 4));
  EXPECT_EQ(quiet.err, "");
}

// Scripts that cannot be what the user meant: a binary file is refused, a
// big-endian UTF-16 script is read, an empty one and one without resources
// warn, and --strict turns problems and warnings into exit status 1 with
// the summary still printed.
TEST_F(CliTest, ScriptsThatCannotBeScripts) {
  WriteFile(folder_ / "program.rc", ReadFile(TOLMERIC_CLI).substr(0, 64 * 1024));
  WriteFile(folder_ / "empty.rc", "");
  WriteFile(folder_ / "none.rc", "#include \"resource.h\"\n");
  WriteFile(folder_ / "bad.rc", "STRINGTABLE BEGIN 1 \"a\" END\nDIALOG\n");
  WriteFile(folder_ / "good.rc", "STRINGTABLE BEGIN 1 \"a\" END\n");
  std::string big("\xFE\xFF", 2);
  for (char c : std::string("STRINGTABLE BEGIN 1 \"\xE4\" END\n")) big += std::string(1, '\0') + c;
  WriteFile(folder_ / "big.rc", big);

  struct Case {
    std::vector<std::string> args;
    int status;
    std::string summary;  // start of standard output
    std::string err;      // part of standard error
  };
  const Case cases[] = {
      {{"program.rc"}, 1, "", "program.rc: damaged data (NUL bytes: a binary file, not a resource script"},
      {{"big.rc"}, 0, "1 script, 0 dialogs, 0 menus, 1 string table, 6 nodes, 0 problems\n", ""},
      {{"empty.rc"}, 0, "1 script, 0 dialogs", "warning: empty.rc: the script is empty\n"},
      {{"none.rc"}, 0, "1 script,", "warning: no dialog, menu or string table found in the script\n"},
      {{"--strict", "empty.rc", "good.rc"}, 1, "2 scripts, 0 dialogs, 0 menus, 1 string table",
       "--strict: the scan had problems or warnings"},
      {{"--strict", "bad.rc"}, 1, "1 script, 0 dialogs, 0 menus, 1 string table, 6 nodes, 1 problem\n",
       "--strict"},
      {{"--strict", "good.rc"}, 0, "1 script, 0 dialogs, 0 menus, 1 string table, 6 nodes, 0 problems\n", ""},
      {{"--strict", "--auto-install", "none.rc"}, 1, "1 script, 1 dialog", "no dialog, menu or string table"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"scan", "--output", "out.tra", "--force"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    Result result = Run(args);
    EXPECT_EQ(result.status, c.status) << c.args.back() << result.err;
    EXPECT_EQ(result.out.substr(0, c.summary.size()), c.summary) << c.args.back();
    EXPECT_NE(result.err.find(c.err), std::string::npos) << c.args.back() << result.err;
  }
  ASSERT_EQ(Run({"scan", "--output", "big.tra", "big.rc"}).status, 0);
  EXPECT_NE(Run({"dump", "big.tra"}).out.find("      string \"\xC3\xA4\"\n"), std::string::npos);

  // The build's --strict counts the same.
  ASSERT_EQ(Run({"new", "p.lxp", "--script", "bad.rc"}).status, 0);
  Result build = Run({"build", "--strict", "p.lxp", "--log", "p.log"});
  EXPECT_EQ(build.status, 1);
  EXPECT_EQ(build.out.rfind("1 script, 0 dialogs, 0 menus, 1 string table, 6 nodes, 1 problem\n", 0), 0u)
      << build.out;
  EXPECT_EQ(Run({"build", "p.lxp", "--log", "p.log"}).status, 0);
}

// A stored name that no file system can hold is refused with its reason,
// not by an abort.
TEST_F(CliTest, StoredNamesWithUnpairedSurrogatesAreRefused) {
  WriteFile(folder_ / "a.rc", "STRINGTABLE BEGIN 1 \"a\" END\n");
  ASSERT_EQ(Run({"new", "p.lxp", "--script", "a.rc"}).status, 0);
  std::string bytes = ReadFile(folder_ / "p.lxp");
  const std::string stored("a\0.\0r\0c\0", 8);
  const size_t at = bytes.rfind(stored);
  ASSERT_NE(at, std::string::npos);
  bytes.replace(at, 2, std::string("\x00\xD8", 2));
  WriteFile(folder_ / "p.lxp", bytes);
  Result build = Run({"build", "p.lxp"});
  EXPECT_EQ(build.status, 1);
  EXPECT_NE(build.err.find("p.lxp: the stored name \"\\uD800.rc\" holds an unpaired surrogate"),
            std::string::npos)
      << build.err;
  EXPECT_EQ(ReadFile(folder_ / "p.lxp"), bytes);
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
  EXPECT_NE(Run({"dump", "p.lxp"}).out.find("default code page: 1252\n"), std::string::npos);
  EXPECT_NE(Run({"dump", "p.tra"}).out.find(western), std::string::npos);
  // build --code-page changes what the project keeps.
  ASSERT_EQ(Run({"build", "p.lxp", "--code-page", "1251"}).status, 0);
  EXPECT_NE(Run({"dump", "p.lxp"}).out.find("default code page: 1251\n"), std::string::npos);
  EXPECT_EQ(Run({"dump", "p.tra"}).out.find(western), std::string::npos);
}

TEST_F(CliTest, PseudoTestFileKeepsConversionsAndHotkeys) {
  WriteFile(folder_ / "a.rc", "STRINGTABLE BEGIN 1 \"&Open %d\" END\n");
  ASSERT_EQ(Run({"scan", "--output", "a.tra", "a.rc"}).status, 0);
  ASSERT_EQ(Run({"testfile", "--input", "a.tra", "--output", "p.tra", "--pseudo"}).status, 0);
  Result dump = Run({"dump", "p.tra"});
  EXPECT_NE(dump.out.find("\"&Open %d\", translated \"[&O\xC3\xBE\xC3\xA9\xC3\xB1 %d~~~]\""), std::string::npos)
      << dump.out;
  EXPECT_NE(dump.out.find("language: \"Deutsch (test)\"\n"), std::string::npos);
  ASSERT_EQ(Run({"testfile", "--input", "a.tra", "--output", "q.tra", "--pseudo", "--lengthen",
                 "0", "--no-accents", "--begin", "<", "--no-end"})
                .status,
            0);
  EXPECT_NE(Run({"dump", "q.tra"}).out.find("\"&Open %d\", translated \"<&Open %d\""), std::string::npos);

  for (const auto& args : std::vector<std::vector<std::string>>{
           {"testfile", "--input", "a.tra", "--output", "r.tra", "--lengthen", "10"},
           {"testfile", "--input", "a.tra", "--output", "r.tra", "--pseudo", "--lengthen", "1001"},
           {"testfile", "--input", "a.tra", "--output", "r.tra", "--pseudo", "--lengthen", "-5"}}) {
    EXPECT_EQ(Run(args).status, 2) << args.back();
  }
  EXPECT_FALSE(fs::exists(folder_ / "r.tra"));
}

}  // namespace
