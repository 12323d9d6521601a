// Every script under data/golden is scanned and its tree dump and log are
// compared with NAME.tree and NAME.log, byte for byte. A script NAME.2.rc
// beside NAME.rc is read as the second script of the same scan; a name
// starting with "switch_" scans with the language switch dialog.
// Every script under data/grammar is scanned in both grammars; its tree
// dump and diagnostics go to NAME.GRAMMAR.tree and NAME.GRAMMAR.diag.
// TOLMERIC_UPDATE_GOLDEN=1 rewrites the expectations (check them by hand).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "rcreader/tests/ScanFixture.h"
#include "translation/Utf.h"

namespace tolmeric {
namespace {

namespace fs = std::filesystem;

const fs::path kGoldenFolder = fs::path(TOLMERIC_TEST_DATA) / "golden";
const fs::path kGrammarFolder = fs::path(TOLMERIC_TEST_DATA) / "grammar";

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

bool UpdateRequested() {
  const char* update = std::getenv("TOLMERIC_UPDATE_GOLDEN");
  return update && std::string(update) == "1";
}

// The first differing line of two texts, for a readable failure.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
  std::istringstream e(expected);
  std::istringstream a(actual);
  std::string le;
  std::string la;
  for (int line = 1;; ++line) {
    const bool moreE = static_cast<bool>(std::getline(e, le));
    const bool moreA = static_cast<bool>(std::getline(a, la));
    if (!moreE && !moreA) return "texts differ only in their line ends";
    if (!moreE || !moreA || le != la) {
      return "line " + std::to_string(line) + ":\n  expected: " + (moreE ? le : "<end>") +
             "\n  actual:   " + (moreA ? la : "<end>");
    }
  }
}

std::vector<std::string> GoldenCases(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string file = entry.path().filename().string();
    if (entry.path().extension() == ".rc" && file.find(".2.rc") == std::string::npos)
      names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

void CheckGolden(const fs::path& expectedPath, const std::string& actual) {
  if (UpdateRequested()) {
    WriteBytes(expectedPath, actual);
    return;
  }
  ASSERT_TRUE(fs::exists(expectedPath)) << expectedPath << " is missing";
  const std::string expected = ReadBytes(expectedPath);
  EXPECT_TRUE(expected == actual) << expectedPath.filename().string() << " differs at "
                                  << FirstDifference(expected, actual);
}

TEST(Golden, EveryScriptGivesItsTreeAndLog) {
  const std::vector<std::string> names = GoldenCases(kGoldenFolder);
  ASSERT_GE(names.size(), 20u);
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    std::vector<std::pair<std::u16string, std::string>> scripts = {
        {FromUtf8(name + ".rc"), ReadBytes(kGoldenFolder / (name + ".rc"))}};
    const fs::path second = kGoldenFolder / (name + ".2.rc");
    if (fs::exists(second)) scripts.emplace_back(FromUtf8(name + ".2.rc"), ReadBytes(second));
    const bool withSwitch = name.rfind("switch_", 0) == 0;
    const testing::ScanResult scan = testing::ScanScripts(scripts, withSwitch);
    CheckGolden(kGoldenFolder / (name + ".tree"), scan.Tree());
    CheckGolden(kGoldenFolder / (name + ".log"), scan.LogUtf8());
  }
}

TEST(Golden, GrammarScriptsGiveTheirTreeAndDiagnosticsInBothGrammars) {
  const std::vector<std::string> names = GoldenCases(kGrammarFolder);
  ASSERT_GE(names.size(), 4u);
  for (const std::string& name : names) {
    for (RcGrammar grammar : {RcGrammar::kClassic, RcGrammar::kCompiler}) {
      const std::string stem = name + "." + GrammarName(grammar);
      SCOPED_TRACE(stem);
      const testing::ScanResult scan = testing::ScanScripts(
          {{FromUtf8(name + ".rc"), ReadBytes(kGrammarFolder / (name + ".rc"))}}, false, grammar);
      CheckGolden(kGrammarFolder / (stem + ".tree"), scan.Tree());
      CheckGolden(kGrammarFolder / (stem + ".diag"), scan.Diagnostics());
    }
  }
}

}  // namespace
}  // namespace tolmeric
