// The exchange commands with translators' real tools as the other side:
// GNU gettext (msgfmt, msgcat, msgmerge), translate-toolkit (pocount,
// xliff2po, po2xliff) and xmllint. Runs the binary through the shell.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

void Replace(std::string& text, const std::string& from, const std::string& to) {
  const size_t at = text.find(from);
  ASSERT_NE(at, std::string::npos) << from;
  text.replace(at, from.size(), to);
}

class ExchangeToolsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("tolmeric-exchange-" + std::to_string(::getpid()) + "-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  // Runs a shell command in the test's folder; "cli" stands for the binary.
  // Returns the exit status; standard output goes to out_, errors to err_.
  int Sh(const std::string& command) {
    const std::string line = "cd '" + folder_.string() + "' && cli='" + TOLMERIC_CLI + "' && " +
                             command + " >.out 2>.err";
    const int raw = std::system(line.c_str());
    out_ = ReadFile(folder_ / ".out");
    err_ = ReadFile(folder_ / ".err");
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }
  void Ok(const std::string& command) { ASSERT_EQ(Sh(command), 0) << command << "\n" << err_; }

  // The example project copied and built: notebook.lxp and notebook.tra.
  void BuildExample() {
    fs::copy(fs::path(TOLMERIC_EXAMPLES) / "notebook", folder_, fs::copy_options::recursive);
    Ok("$cli build notebook.lxp");
  }
  std::string Text(const std::string& name) { return ReadFile(folder_ / name); }

  fs::path folder_;
  std::string out_;
  std::string err_;
};

TEST_F(ExchangeToolsTest, ExportedFilesPassTheToolsAndImportUnchanged) {
  BuildExample();
  Ok("$cli export --format po --output nb.po notebook.lxp");
  // A project is scanned: notes carry kind, size, script and line.
  for (const char* entry : {"#. popup menu\n#: notebook.rc:30\nmsgctxt \"Menus/IDR_MAINFRAME/&File\"",
                            "#. button, 50 x 14 dialog units\n#: notebook.rc:105\n"
                            "msgctxt \"Dialoge/Find/&Find Next\"",
                            "#. string\n#: notebook_strings.rc:10\n#, c-format\n"}) {
    EXPECT_NE(Text("nb.po").find(entry), std::string::npos) << entry;
  }
  Ok("msgfmt -c --check-format -o /dev/null nb.po");
  Ok("msgcat --no-wrap nb.po -o cat.po");
  EXPECT_EQ(Text("cat.po"), Text("nb.po"));
  Ok("$cli import --base notebook.tra --output po.tra nb.po");
  EXPECT_EQ(out_, "0 translated, 74 untranslated, 0 fuzzy not taken, 0 fuzzy taken, 0 with a "
                  "context the base file lacks\n");
  EXPECT_EQ(Text("po.tra"), Text("notebook.tra"));

  Ok("$cli export --format xliff --output nb.xlf notebook.tra");
  Ok("xmllint --noout nb.xlf");
  Ok("pocount nb.xlf");
  EXPECT_NE(out_.find("Total:"), std::string::npos) << out_;
  Ok("xliff2po nb.xlf back.po");
  EXPECT_NE(Text("back.po").find("msgid \"Save changes to %s?\""), std::string::npos);
  Ok("$cli import --base notebook.tra --output xliff.tra nb.xlf");
  EXPECT_EQ(Text("xliff.tra"), Text("notebook.tra"));
}

// The German translation shipped with the example, through gettext's and
// translate-toolkit's hands, gives the same language file.
TEST_F(ExchangeToolsTest, TranslationsEditedByTheToolsImport) {
  BuildExample();
  Ok("$cli import --base notebook.tra --output de.tra --language Deutsch --flag de "
     "notebook_de.po");
  EXPECT_EQ(out_, "56 translated, 18 untranslated, 0 fuzzy not taken, 0 fuzzy taken, 0 with a "
                  "context the base file lacks\n");
  Ok("$cli dump de.tra");
  for (const char* shown : {"\"&Datei\"", "\"Suchen\"", "\"Groß/&klein beachten\"",
                            "\"Änderungen an %s speichern?\"", "language: \"Deutsch\"",
                            "flag: 814 of 1024 pixels not 0"}) {
    EXPECT_NE(out_.find(shown), std::string::npos) << shown;
  }

  // msgmerge onto a fresh export, as a translator refreshes a catalogue.
  Ok("$cli export --format po --output new.pot notebook.lxp");
  Ok("msgmerge -q notebook_de.po new.pot -o merged.po");
  Ok("$cli import --base notebook.tra --output merged.tra --language Deutsch --flag de "
     "merged.po");
  EXPECT_EQ(Text("merged.tra"), Text("de.tra"));

  // po2xliff drops contexts: entries are matched by their source text.
  Ok("po2xliff notebook_de.po de.xlf");
  Ok("$cli import --base notebook.tra --output xlf.tra --language Deutsch --flag de de.xlf");
  EXPECT_EQ(Text("xlf.tra"), Text("de.tra"));
}

TEST_F(ExchangeToolsTest, MalformedFilesAreRefusedAndNothingIsWritten) {
  BuildExample();
  WriteFile(folder_ / "bad.po", "msgid \"a\"\nmsgid_plural \"as\"\nmsgstr[0] \"\"\n");
  EXPECT_EQ(Sh("$cli import --base notebook.tra --output out.tra bad.po"), 1);
  EXPECT_EQ(err_, "tolmeric-cli: bad.po:2: plural forms (msgid_plural) are not supported: a "
                  "language file has one text per message\n");
  WriteFile(folder_ / "bad.xlf", "<xliff>\n<file>\n</xliff>\n");
  EXPECT_EQ(Sh("$cli import --base notebook.tra --output out.tra bad.xlf"), 1);
  EXPECT_EQ(err_, "tolmeric-cli: bad.xlf:3: not well-formed XML: Start-end tags mismatch\n");
  EXPECT_FALSE(fs::exists(folder_ / "out.tra"));
}

// The script changes: a button renamed, a caption changed, a menu item
// removed, a dialog added. The update carries the rest and marks these.
TEST_F(ExchangeToolsTest, UpdateAcrossAChangedScriptMarksWhatChanged) {
  BuildExample();
  Ok("$cli import --base notebook.tra --output de.tra --language Deutsch notebook_de.po");
  std::string script = Text("notebook.rc");
  Replace(script, "\"&Find Next\",IDOK", "\"Find &Next\",IDOK");
  Replace(script, "CAPTION \"Options\"", "CAPTION \"Settings\"");
  Replace(script, "        MENUITEM \"&Word Wrap\",", "//");
  script += "\nIDD_GOTO DIALOG 0, 0, 120, 40\nCAPTION \"Go To Line\"\nBEGIN\n"
            "    LTEXT \"&Line:\",-1,5,5,30,8\nEND\n";
  WriteFile(folder_ / "notebook.rc", script);
  Ok("$cli build notebook.lxp");
  Ok("$cli update --old de.tra --output updated.tra notebook.tra");
  EXPECT_EQ(out_, "53 carried over, 1 to review, 3 new, 2 no longer used\n");
  Ok("$cli export --format po --output updated.po updated.tra");
  const std::string po = Text("updated.po");
  EXPECT_NE(po.find("#, fuzzy\nmsgctxt \"Dialoge/Settings\"\nmsgid \"Settings\"\n"
                    "msgstr \"Optionen\""),
            std::string::npos);
  EXPECT_NE(po.find("msgctxt \"Dialoge/Find/Find &Next\"\nmsgid \"Find &Next\"\nmsgstr \"\""),
            std::string::npos);
  EXPECT_NE(po.find("msgctxt \"Dialoge/Go To Line/&Line:\"\nmsgid \"&Line:\"\nmsgstr \"\""),
            std::string::npos);
  EXPECT_EQ(po.find("Word Wrap\\n"), po.rfind("Word Wrap\\n"));  // only the string is left
  Ok("$cli export --format xliff --output updated.xlf updated.tra");
  EXPECT_NE(Text("updated.xlf").find("<target state=\"needs-review-translation\">Optionen</target>"),
            std::string::npos);
}

TEST_F(ExchangeToolsTest, CheckReportsLikeACompilerAndGatesWithStrict) {
  BuildExample();
  std::string po = Text("notebook_de.po");
  Replace(po, "msgstr \"%i Zeilen, %i Zeichen\"", "msgstr \"%i Zeilen, %s Zeichen\"");
  Replace(po, "msgstr \"&Symbolleiste\"", "msgstr \"Status&leiste \"");
  Replace(po,
          "#. dialog caption, 235 x 55 dialog units\n#: notebook.rc:85\nmsgctxt \"Dialoge/About "
          "Notebook\"\nmsgid \"About Notebook\"\nmsgstr \"Info über Notebook\"\n\n",
          "");  // a text the script gained after the file was made
  WriteFile(folder_ / "faulty.po", po);
  EXPECT_EQ(Sh("$cli check --strict --base notebook.tra faulty.po | grep -v 'untranslated:'"), 0);
  EXPECT_EQ(out_,
            "faulty.po: warning: missing: \"About Notebook\" (context \"Dialoge/About Notebook\")\n"
            "faulty.po:109: warning: trailing blanks or line feeds differ from the base text\n"
            "faulty.po:115: warning: hotkey &l of \"Status&leiste\" is also used by "
            "\"Status&leiste \" (faulty.po:109)\n"
            "faulty.po:211: warning: translation \"&Aufwärts\" needs about 32 dialog units, its "
            "control has 30\n"
            "faulty.po:375: warning: printf conversions differ from the base text: base has %i "
            "%i, translation has %i %s\n"
            "faulty.po: 23 findings in 73 texts (1 printf, 1 hotkey, 19 untranslated, 1 width, "
            "1 blanks)\n");
  EXPECT_EQ(Sh("$cli check --strict --base notebook.tra faulty.po"), 1);
  EXPECT_EQ(Sh("$cli check --base notebook.tra faulty.po"), 0);
  EXPECT_EQ(Sh("$cli check faulty.po"), 2);
}

// Every script of the corpus: scan, export, import gives the same file, and
// the exports pass the tools.
TEST_F(ExchangeToolsTest, CorpusScriptsRoundTrip) {
  int scripts = 0;
  for (const auto& entry : fs::recursive_directory_iterator(TOLMERIC_CORPUS)) {
    const std::string name = entry.path().filename().string();
    if (name.find(".rc") == std::string::npos) continue;
    ++scripts;
    const std::string scan = "$cli scan --output c.tra '" + entry.path().string() + "'";
    ASSERT_EQ(Sh(scan), 0) << err_;
    for (const char* format : {"po", "xliff"}) {
      Ok(std::string("$cli export --format ") + format + " --output c." + format + " c.tra");
      Ok(std::string("$cli import --base c.tra --output back.tra c.") + format);
      EXPECT_EQ(Text("back.tra"), Text("c.tra")) << name << " " << format;
    }
    Ok("msgfmt -c --check-format -o /dev/null c.po");
    Ok("xmllint --noout c.xliff");
  }
  EXPECT_GE(scripts, 10);
}

}  // namespace
