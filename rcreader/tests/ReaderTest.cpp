// The reader over script files: reading order, progress, files that cannot
// be opened, and the language switch dialog.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "rcreader/ProblemLog.h"
#include "rcreader/RcDialog.h"
#include "rcreader/RcReader.h"
#include "rcreader/tests/ScanFixture.h"
#include "translation/FileError.h"
#include "translation/Progress.h"
#include "translation/TextTreeDump.h"

namespace tolmeric {
namespace {

namespace fs = std::filesystem;

const fs::path kGolden = fs::path(TOLMERIC_TEST_DATA) / "golden";

class CRecordedProgress : public IProgress {
 public:
  void SetPosition(int32_t position) override { positions.push_back(position); }
  std::vector<int32_t> positions;
};

// The reader stays: the parsed elements refer to its tokens.
struct ReaderScan {
  std::unique_ptr<CRcReader> reader;
  std::unique_ptr<CRcFile> file;
  std::unique_ptr<CTextNode> root;
  std::u16string log;
};

ReaderScan Read(const std::vector<std::u16string>& names, bool withSwitch,
                IProgress* progress = nullptr) {
  static const testing::CReaderStrings strings;
  ReaderScan scan;
  scan.reader = std::make_unique<CRcReader>(names, progress, 0, 60);
  CProblemLog log(strings);
  scan.file = scan.reader->Parse(log, withSwitch);
  scan.root = scan.file->BuildNode(nullptr);
  scan.log = log.text;
  return scan;
}

TEST(Reader, ReadsScriptsInOrderAndMovesTheProgressBeforeEachFurtherOne) {
  const std::u16string first = (kGolden / "file_two_scripts.rc").u16string();
  const std::u16string second = (kGolden / "file_two_scripts.2.rc").u16string();
  const std::u16string third = (kGolden / "menu_example.rc").u16string();
  CRecordedProgress progress;
  const ReaderScan scan = Read({first, second, third}, false, &progress);
  EXPECT_EQ(progress.positions, (std::vector<int32_t>{20, 40}));
  ASSERT_EQ(scan.file->DialogCount(), 2);
  EXPECT_EQ(static_cast<const CRcDialog*>(scan.file->dialogs.ElementAt(0))->name, u"IDD_FIRST");
  EXPECT_EQ(static_cast<const CRcDialog*>(scan.file->dialogs.ElementAt(1))->name, u"IDD_SECOND");
  EXPECT_EQ(scan.file->MenuCount(), 1);
  // The problem in the second script names the second script as given.
  EXPECT_EQ(scan.log, u"!Fehler bei Control in Dialog!\r\n- " + second + u" (5): BOGUS \r\n");
}

TEST(Reader, AScriptThatCannotBeOpenedEndsTheScanNamingIt) {
  const fs::path missing = kGolden / "no such script.rc";
  try {
    CRcReader reader({(kGolden / "menu_example.rc").u16string(), missing.u16string()}, nullptr, 0,
                     60);
    FAIL() << "no error";
  } catch (const CFileError& error) {
    EXPECT_EQ(error.Kind(), FileErrorKind::kCannotOpen);
    EXPECT_EQ(error.Path(), missing);
  }
}

// Scripts are read ahead while the parse goes on: an included script that
// cannot be read still ends the scan, naming it.
TEST(Reader, AnIncludedScriptThatCannotBeReadEndsTheScanNamingIt) {
  const fs::path folder =
      fs::temp_directory_path() / ("tolmeric-include-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  std::ofstream(folder / "main.rc") << "#include \"big.rc2\"\nSTRINGTABLE\nBEGIN\n 1 \"one\"\nEND\n";
  std::ofstream(folder / "big.rc2").close();
  fs::resize_file(folder / "big.rc2", (uintmax_t{256} << 20) + 1);
  static const testing::CReaderStrings strings;
  CRcReader reader({(folder / "main.rc").u16string()}, nullptr, 0, 60, 0, RcGrammar::kCompiler);
  CProblemLog log(strings);
  try {
    reader.ParseTree(log, false, strings);
    ADD_FAILURE() << "no error";
  } catch (const CFileError& error) {
    EXPECT_EQ(error.Kind(), FileErrorKind::kCannotOpen);
    EXPECT_EQ(error.Path().filename(), "big.rc2");
  }
  fs::remove_all(folder);
}

TEST(Reader, WithoutScriptsTheTreeHoldsEmptyCategories) {
  CRcReader reader({}, nullptr, 0, 60);
  EXPECT_EQ(reader.tokenList(), nullptr);
  const ReaderScan scan = Read({}, false);
  EXPECT_EQ(DumpTextTree(*scan.root),
            "7 -1 -1 0 \"RCFile\" \"RCFileText\"\n"
            "  9 -1 -1 0 \"Menus\" \"Menus\"\n"
            "  8 -1 -1 0 \"Dialoge\" \"Dialoge\"\n"
            "  10 -1 -1 0 \"Stringtables\" \"Stringtables\"\n");
  EXPECT_EQ(scan.log, u"");
}

int CountKind(const CTextNode& node, int32_t kind) {
  int count = node.kind == kind ? 1 : 0;
  for (int32_t i = 0; i < node.childCount; ++i) count += CountKind(*node.ChildAt(i), kind);
  return count;
}

TEST(Reader, TheSwitchDialogFollowsTheScriptsDialogsOnlyWhenAsked) {
  const std::u16string script = (kGolden / "controls_kinds.rc").u16string();
  const ReaderScan without = Read({script}, false);
  EXPECT_EQ(CountKind(*without.root, kKindStandardSwitchDialog), 0);
  EXPECT_EQ(without.file->DialogCount(), 1);

  const ReaderScan with = Read({script}, true);
  const CTextNode& dialogs = *with.root->ChildAt(1);
  ASSERT_EQ(dialogs.childCount, 2);
  EXPECT_EQ(dialogs.ChildAt(0)->baseText, u"Kinds");
  const CTextNode& switchDialog = *dialogs.ChildAt(1);
  EXPECT_EQ(switchDialog.kind, kKindStandardSwitchDialog);
  EXPECT_EQ(switchDialog.childCount, 11);
  EXPECT_EQ(CountKind(*with.root, kKindStandardSwitchDialog), 1);
  const auto& element = static_cast<const CRcDialog&>(*with.file->dialogs.ElementAt(1));
  EXPECT_EQ(element.name, u"IDD_DLG_AUTOMATIC_STANDARD_SWITCH");
  EXPECT_EQ(element.Kind(), kKindStandardSwitchDialog);

  const ReaderScan alone = Read({}, true);
  ASSERT_EQ(alone.root->ChildAt(1)->childCount, 1);
  EXPECT_EQ(alone.root->ChildAt(1)->ChildAt(0)->kind, kKindStandardSwitchDialog);
  EXPECT_EQ(alone.root->ChildAt(1)->ChildAt(0)->childCount, 11);
}

}  // namespace
}  // namespace tolmeric
