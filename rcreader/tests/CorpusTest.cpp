// Resource scripts of public applications, read as a project scan reads
// them, in both grammars: each must scan to its end, every problem must
// point into the script, the elements found must all reach the tree, and
// the compiler's grammar must find every text the classic one finds. A few
// have their tree and log checked in full under data/corpus-golden. The scan
// straight into the tree gives what the elements give.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "rcreader/ProblemLog.h"
#include "rcreader/RcReader.h"
#include "rcreader/tests/ScanFixture.h"
#include "translation/TextTreeDump.h"
#include "translation/Utf.h"

namespace tolmeric {
namespace {

namespace fs = std::filesystem;

const fs::path kCorpusFolder = fs::path(TOLMERIC_TEST_DATA) / "corpus";

std::vector<std::string> CorpusScripts() {
  std::vector<std::string> scripts;
  for (const auto& entry : fs::recursive_directory_iterator(kCorpusFolder)) {
    const std::string extension = entry.path().extension().string();
    if (extension == ".rc" || extension == ".rc2")
      scripts.push_back(fs::relative(entry.path(), kCorpusFolder).generic_string());
  }
  std::sort(scripts.begin(), scripts.end());
  return scripts;
}

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

struct Scan {
  std::unique_ptr<CRcFile> file;  // null for a scan of the tree only
  std::unique_ptr<CTextNode> root;
  std::u16string log;
  int32_t problems = 0;
  std::vector<std::string> places;  // of the tree's nodes, depth first
};

void CollectPlaces(const CTextNode& node, const SourcePlaces& places,
                   std::vector<std::string>& into) {
  const auto found = places.find(&node);
  into.push_back(found == places.end() ? "" : found->second);
  for (int32_t i = 0; i < node.childCount; ++i) CollectPlaces(*node.ChildAt(i), places, into);
}

// Reads the script through the reader, named by its path inside the
// corpus: into elements and then the tree, or (treeOnly) straight into the
// tree as the scan of a project does, letting go of the tokens behind.
Scan ScanCorpusScript(const std::string& relative, RcGrammar grammar, bool treeOnly = false) {
  static const testing::CReaderStrings strings;
  const fs::path path = kCorpusFolder / relative;
  CRcReader reader({path.u16string()}, nullptr, 0, 60, 0, grammar);
  CProblemLog log(strings);
  log.Begin();
  Scan scan;
  SourcePlaces places;
  if (treeOnly) {
    scan.root = reader.ParseTree(log, false, strings, &places);
  } else {
    scan.file = reader.Parse(log, false, strings);
    scan.root = scan.file->BuildNode(nullptr, &places);
  }
  scan.log = log.text;
  scan.problems = log.problemCount();
  CollectPlaces(*scan.root, places, scan.places);
  return scan;
}

// The texts that reach the tree: dialogs, controls, popups, items and
// string table entries.
int32_t CountTexts(const CTextNode& node) {
  int32_t count = 0;
  for (int32_t i = 0; i < node.childCount; ++i) {
    const CTextNode& child = *node.ChildAt(i);
    const int32_t kind = child.kind;
    if (kind != kKindMenu && kind != kKindStringTable && kind != kKindDialogCategory &&
        kind != kKindMenuCategory && kind != kKindStringTableCategory)
      ++count;
    count += CountTexts(child);
  }
  return count;
}

class CorpusScript : public ::testing::TestWithParam<std::string> {};

// The classic grammar also reads the lines of false conditional branches,
// which the compiler's grammar leaves out: the two scripts whose false
// branches hold texts find fewer, and exactly these.
TEST_P(CorpusScript, CompilerGrammarFindsEveryTextOfTheClassicOne) {
  const int32_t classic = CountTexts(*ScanCorpusScript(GetParam(), RcGrammar::kClassic).root);
  const int32_t compiler = CountTexts(*ScanCorpusScript(GetParam(), RcGrammar::kCompiler).root);
  if (GetParam() == "notepad2-mod/Notepad2.rc") {
    EXPECT_EQ(compiler, 749);  // of 771
  } else if (GetParam() == "win-classic-samples/RegExplorer.rc") {
    EXPECT_EQ(compiler, 34);  // of 68: the Japanese copy is under #ifdef JAPAN
  } else {
    EXPECT_GE(compiler, classic);
  }
}

TEST_P(CorpusScript, ScansToTheEndAndReportsInsideTheScript) {
  for (RcGrammar grammar : {RcGrammar::kClassic, RcGrammar::kCompiler}) {
  SCOPED_TRACE(GrammarName(grammar));
  const Scan scan = ScanCorpusScript(GetParam(), grammar);
  ASSERT_EQ(scan.root->childCount, 3);
  EXPECT_EQ(scan.root->ChildAt(0)->childCount, scan.file->MenuCount());
  EXPECT_EQ(scan.root->ChildAt(1)->childCount, scan.file->DialogCount());
  EXPECT_EQ(scan.root->ChildAt(2)->childCount, scan.file->StringTableCount());
  EXPECT_GT(scan.file->MenuCount() + scan.file->DialogCount() + scan.file->StringTableCount(), 0);

  // Every problem names this script and a line that exists in it.
  const std::string bytes = ReadBytes(kCorpusFolder / GetParam());
  const auto lines = static_cast<int>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
  const std::u16string fileName = (kCorpusFolder / GetParam()).u16string();
  int32_t located = 0;
  for (size_t at = scan.log.find(u"\r\n- "); at != std::u16string::npos;
       at = scan.log.find(u"\r\n- ", at + 1)) {
    const size_t name = at + 4;
    ASSERT_EQ(scan.log.compare(name, fileName.size(), fileName), 0)
        << ToUtf8(scan.log.substr(name, 200));
    const size_t open = name + fileName.size();
    ASSERT_EQ(scan.log.substr(open, 2), u" (");
    const size_t close = scan.log.find(u')', open);
    const int line = std::stoi(ToUtf8(scan.log.substr(open + 2, close - open - 2)));
    EXPECT_GE(line, 1);
    EXPECT_LE(line, lines);
    ++located;
  }
  EXPECT_EQ(located, scan.problems);

  // The project's scan, straight into the tree, gives the same.
  const Scan treeOnly = ScanCorpusScript(GetParam(), grammar, true);
  EXPECT_EQ(DumpTextTree(*treeOnly.root), DumpTextTree(*scan.root));
  EXPECT_EQ(treeOnly.places, scan.places);
  EXPECT_EQ(treeOnly.log, scan.log);
  }
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusScript, ::testing::ValuesIn(CorpusScripts()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           std::string name;
                           for (char c : info.param) name += std::isalnum(c) ? c : '_';
                           return name;
                         });

TEST(Corpus, HoldsAllEighteenScripts) { EXPECT_EQ(CorpusScripts().size(), 18u); }

// corpus-golden/<folder>/<script>.tree and .log: the full result of scanning
// corpus/<folder>/<script>, named by that relative path, in the classic
// grammar; <script>.compiler.tree and .log in the compiler's.
TEST(Corpus, ChosenScriptsGiveTheirTreeAndLog) {
  const fs::path goldenFolder = fs::path(TOLMERIC_TEST_DATA) / "corpus-golden";
  const char* update = std::getenv("TOLMERIC_UPDATE_GOLDEN");
  int checked = 0;
  for (const std::string& script : CorpusScripts()) {
    if (!fs::exists(goldenFolder / (script + ".tree"))) continue;
    for (RcGrammar grammar : {RcGrammar::kClassic, RcGrammar::kCompiler}) {
    const std::string stem = grammar == RcGrammar::kClassic ? script : script + ".compiler";
    const fs::path treePath = goldenFolder / (stem + ".tree");
    const fs::path logPath = goldenFolder / (stem + ".log");
    SCOPED_TRACE(stem);
    const testing::ScanResult scan = testing::ScanScripts(
        {{FromUtf8(script), ReadBytes(kCorpusFolder / script)}}, false, grammar);
    if (update && std::string(update) == "1") {
      std::ofstream(treePath, std::ios::binary) << scan.Tree();
      std::ofstream(logPath, std::ios::binary) << scan.LogUtf8();
    }
    EXPECT_TRUE(ReadBytes(treePath) == scan.Tree()) << scan.Tree();
    EXPECT_TRUE(ReadBytes(logPath) == scan.LogUtf8()) << scan.LogUtf8();
    ++checked;
    }
  }
  EXPECT_EQ(checked, 6);
}

}  // namespace
}  // namespace tolmeric
