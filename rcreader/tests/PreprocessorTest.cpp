// Scripts under data/preprocessor are scanned through the preprocessor with
// the options of each case; the tree dump, the problem log and the warnings
// are compared with the case's .out file. Paths are shown relative to the
// data folder. TOLMERIC_UPDATE_GOLDEN=1 rewrites the expectations.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "rcreader/ProblemLog.h"
#include "rcreader/RcLanguage.h"
#include "rcreader/RcReader.h"
#include "rcreader/tests/ScanFixture.h"
#include "translation/TextTreeDump.h"
#include "translation/Utf.h"

namespace tolmeric {
namespace {

namespace fs = std::filesystem;

const fs::path kFolder = fs::path(TOLMERIC_TEST_DATA) / "preprocessor";

struct Case {
  const char* script;
  std::vector<std::u16string> defines;  // as -D takes them
  bool includeFolder;                   // -I res
  const char16_t* languageSection;      // null: none
  const char* expected;
};

std::string Scan(const Case& c) {
  CPreprocessorOptions options;
  for (const std::u16string& define : c.defines) {
    options.defines.emplace_back();
    EXPECT_TRUE(ParseDefineOption(define, options.defines.back()));
  }
  if (c.includeFolder) options.includeFolders.push_back(kFolder / "res");
  const std::u16string name = (kFolder / c.script).u16string();
  CRcReader reader({name}, nullptr, 0, 0, 0, RcGrammar::kCompiler, options);
  if (c.languageSection) reader.SelectLanguage(ParseLanguageSection(c.languageSection));
  static const testing::CReaderStrings strings;
  CProblemLog log(strings);
  log.Begin();
  std::unique_ptr<CRcFile> file = reader.Parse(log, false, strings);
  std::string out = "== tree\n" + DumpTextTree(*file->BuildNode(nullptr)) + "== log\n" +
                    ToUtf8(log.text) + "== warnings\n";
  for (const CRcWarning& warning : reader.TakeWarnings()) out += ToUtf8(warning.Format()) + "\n";
  for (const char* separator : {"/", "\\"}) {
    const std::string prefix = ToUtf8(kFolder.u16string()) + separator;
    for (size_t at = out.find(prefix); at != std::string::npos; at = out.find(prefix, at)) {
      out.erase(at, prefix.size());
    }
  }
  return out;
}

TEST(Preprocessor, ScriptsGiveTheirTreeLogAndWarnings) {
  const Case cases[] = {
      {"branches.rc", {}, false, nullptr, "branches.out"},
      {"branches.rc", {u"GERMAN"}, false, nullptr, "branches_german.out"},
      {"branches.rc", {u"GERMAN", u"LEVEL=3"}, false, nullptr, "branches_german_level3.out"},
      {"expressions.rc", {}, false, nullptr, "expressions.out"},
      {"include.rc", {}, true, nullptr, "include.out"},
      {"lines.rc", {}, false, nullptr, "lines.out"},
      {"languages.rc", {}, false, nullptr, "languages.out"},
      {"languages.rc", {}, false, u"LANG_GERMAN, SUBLANG_GERMAN", "languages_german.out"},
      {"languages.rc", {}, false, u"0x0c,0x01", "languages_french.out"},
  };
  const char* update = std::getenv("TOLMERIC_UPDATE_GOLDEN");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    const std::string actual = Scan(c);
    const fs::path expectedPath = kFolder / c.expected;
    if (update && std::string(update) == "1") {
      std::ofstream(expectedPath, std::ios::binary) << actual;
      continue;
    }
    std::ifstream in(expectedPath, std::ios::binary);
    std::ostringstream expected;
    expected << in.rdbuf();
    EXPECT_EQ(expected.str(), actual);
  }
}

}  // namespace
}  // namespace tolmeric
