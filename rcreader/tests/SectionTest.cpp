// The section parsers seen through the elements they keep: fields that never
// reach the tree, the failure rules and what the scan does at the list's end.
#include <gtest/gtest.h>

#include <random>

#include "rcreader/ProblemLog.h"
#include "rcreader/RcCategory.h"
#include "rcreader/RcDialog.h"
#include "rcreader/RcMenu.h"
#include "rcreader/RcMenuItem.h"
#include "rcreader/RcPopup.h"
#include "rcreader/RcSkippedSection.h"
#include "rcreader/RcStringTable.h"
#include "rcreader/tests/ScanFixture.h"
#include "translation/Utf.h"

namespace tolmeric {
namespace {

using testing::Problem;
using testing::ScanText;

const std::string kLogStart = "----------- Scanne Ressourcen --------\r\n";
const std::string kSection = "!Fehler bei Sektion in Resource-Datei!";

const CRcDialog& DialogAt(const testing::ScanResult& scan, int32_t index) {
  return static_cast<const CRcDialog&>(*scan.file->dialogs.ElementAt(index));
}

const CRcMenu& MenuAt(const testing::ScanResult& scan, int32_t index) {
  return static_cast<const CRcMenu&>(*scan.file->menus.ElementAt(index));
}

const CRcStringTable& TableAt(const testing::ScanResult& scan, int32_t index) {
  return static_cast<const CRcStringTable&>(*scan.file->stringTables.ElementAt(index));
}

TEST(DialogHeader, KeepsEveryStatementOfTheHeader) {
  auto scan = ScanText(
      "IDD_ABOUT DIALOGEX DISCARDABLE 10, -20, 200, 100, IDH_ABOUT\n"
      "STYLE DS_MODALFRAME | WS_POPUP | NOT WS_VISIBLE\n"
      "EXSTYLE 0x80\n"
      "CAPTION \"About \"\"X\"\"\"\n"
      "MENU IDR_MENU\n"
      "FONT 8, \"MS Shell Dlg\", 400, 1, 0x1\n"
      "CHARACTERISTICS 0\n"
      "VERSION V1\n"
      "LANGUAGE LANG_GERMAN, SUBLANG_GERMAN\n"
      "CLASS \"MyClass\"\n"
      "BEGIN\nEND\n");
  ASSERT_EQ(scan.file->DialogCount(), 1);
  const CRcDialog& dialog = DialogAt(scan, 0);
  EXPECT_TRUE(dialog.isEx);
  EXPECT_EQ(dialog.name, u"IDD_ABOUT");
  EXPECT_EQ(dialog.memoryOptions, u"DISCARDABLE ");
  EXPECT_EQ(dialog.x, 10);
  EXPECT_EQ(dialog.y, -20);
  EXPECT_EQ(dialog.cx, 200);
  EXPECT_EQ(dialog.cy, 100);
  EXPECT_EQ(dialog.helpId, u"IDH_ABOUT");
  EXPECT_EQ(dialog.style, u"DS_MODALFRAME WS_POPUP NOT WS_VISIBLE ");
  EXPECT_EQ(dialog.exStyle, u"0x80 ");
  EXPECT_EQ(dialog.caption, u"About \"X\"");
  EXPECT_EQ(dialog.menu, u"IDR_MENU");
  EXPECT_EQ(dialog.fontSize, 8);
  EXPECT_EQ(dialog.fontFace, u"MS Shell Dlg");
  EXPECT_EQ(dialog.fontWeight, 400);
  EXPECT_EQ(dialog.fontItalic, 1);
  EXPECT_EQ(dialog.fontCharset, u"0x1");
  EXPECT_EQ(dialog.characteristics, u"");
  EXPECT_EQ(dialog.version, u"V1 ");
  EXPECT_EQ(dialog.language, u"LANG_GERMAN");
  EXPECT_EQ(dialog.subLanguage, u"SUBLANG_GERMAN");
  EXPECT_EQ(dialog.className, u"MyClass");
  EXPECT_FALSE(dialog.isStandardSwitch);
  EXPECT_EQ(dialog.Kind(), kKindDialog);
  EXPECT_EQ(scan.LogUtf8(), kLogStart);
}

TEST(DialogHeader, LaterStatementsOverwriteEarlierOnesAndClassTakesAName) {
  auto scan = ScanText(
      "1 DIALOG 0, 0, 1, 1\nCAPTION \"a\"\nSTYLE WS_A\nCAPTION \"b\"\nCLASS MyClass\n"
      "FONT 9, \"Tahoma\"\nBEGIN\nEND\n");
  ASSERT_EQ(scan.file->DialogCount(), 1);
  const CRcDialog& dialog = DialogAt(scan, 0);
  EXPECT_FALSE(dialog.isEx);
  EXPECT_EQ(dialog.caption, u"b");
  EXPECT_EQ(dialog.style, u"WS_A ");
  EXPECT_EQ(dialog.className, u"MyClass");
  EXPECT_EQ(dialog.fontSize, 9);
  EXPECT_EQ(dialog.fontWeight, 0);
  EXPECT_EQ(dialog.fontCharset, u"");
}

TEST(DialogHeader, FontWithoutCharacterSetBeforeBeginDoesNotApplyButTheDialogIsRead) {
  auto scan = ScanText(
      "1 DIALOGEX 0, 0, 1, 1\nCAPTION \"c\"\nFONT 8, \"X\", 400, 0\nBEGIN\n"
      "LTEXT \"t\", -1, 0, 0, 5, 6\nEND\n");
  ASSERT_EQ(scan.file->DialogCount(), 1);
  const CRcDialog& dialog = DialogAt(scan, 0);
  EXPECT_EQ(dialog.caption, u"c");
  EXPECT_EQ(dialog.fontSize, 0);  // the statement did not apply
  EXPECT_EQ(dialog.controlCount(), 1);
  EXPECT_EQ(scan.LogUtf8(), kLogStart);
}

TEST(DialogHeader, FailingHeadersFailTheDialogAtItsKeyword) {
  struct Case {
    const char* script;
    const char* location;
  } cases[] = {
      // A decimal style ends the statements before BEGIN.
      {"1 DIALOG 0, 0, 1, 1\nSTYLE 5\nBEGIN\nEND\n", "test.rc (1): 1 DIALOG 0 , 0 , 1 , 1 "},
      // The character set must follow weight and italic; the 0 is taken
      // before the token after it is tested.
      {"1 DIALOG 0, 0, 1, 1\nFONT 8, \"X\", 0, 0, 0 5\nBEGIN\nEND\n",
       "test.rc (1): 1 DIALOG 0 , 0 , 1 , 1 "},
      {"1 DIALOG 0, 0, 1\nBEGIN\nEND\n", "test.rc (1): 1 DIALOG 0 , 0 , 1 "},
      {"1 DIALOG 0, 0, 1, 1, 5\nCAPTION x\nBEGIN\nEND\n", "test.rc (1): 1 DIALOG 0 , 0 , 1 , 1 , 5 "},
  };
  for (const Case& c : cases) {
    auto scan = ScanText(c.script);
    EXPECT_EQ(scan.file->DialogCount(), 0) << c.script;
    EXPECT_EQ(scan.LogUtf8(), kLogStart + Problem(kSection, c.location)) << c.script;
  }
}

TEST(DialogBody, ControlsKeepTheirOperands) {
  auto scan = ScanText(
      "1 DIALOG 0, 0, 1, 1\nBEGIN\n"
      "CONTROL \"Spin\", IDC_SPIN, \"msctls_updown32\", UDS_ARROWKEYS | 0x4, 1, 2, 3, 4, "
      "WS_EX_X, IDH_SPIN\n"
      "ICON IDI_APP, IDC_ICON, 5, 6, 7, 8\n"
      "EDITTEXT IDC_EDIT, 1, 2, 3, 4, ES_AUTOHSCROLL, 0, IDH_E\n"
      "PUSHBUTTON IDB_BITMAP, -5, 1, 2, 3, 4\n"
      "END\n");
  const CRcDialog& dialog = DialogAt(scan, 0);
  ASSERT_EQ(dialog.controlCount(), 4);
  const CRcControl& spin = *dialog.controls[0];
  EXPECT_EQ(spin.keyword, u"CONTROL");
  EXPECT_EQ(spin.text, u"Spin");
  EXPECT_EQ(spin.name, u"IDC_SPIN");
  EXPECT_EQ(spin.className, u"msctls_updown32");
  EXPECT_EQ(spin.style, u"UDS_ARROWKEYS 0x4 ");
  EXPECT_EQ(spin.exStyle, u"WS_EX_X ");
  EXPECT_EQ(spin.helpId, u"IDH_SPIN");
  EXPECT_EQ(spin.cx, 3);
  const CRcControl& icon = *dialog.controls[1];
  EXPECT_EQ(icon.iconName, u"IDI_APP");
  EXPECT_EQ(icon.name, u"IDC_ICON");
  EXPECT_EQ(icon.text, u"");
  EXPECT_EQ(icon.cy, 8);
  const CRcControl& edit = *dialog.controls[2];
  EXPECT_EQ(edit.style, u"ES_AUTOHSCROLL ");
  EXPECT_EQ(edit.exStyle, u"");
  EXPECT_EQ(edit.helpId, u"IDH_E");
  const CRcControl& bitmapButton = *dialog.controls[3];
  EXPECT_EQ(bitmapButton.text, u"");
  EXPECT_EQ(bitmapButton.name, u"-5");
  EXPECT_EQ(scan.LogUtf8(), kLogStart);
}

TEST(Menu, KeepsHeaderAndItemOperands) {
  auto scan = ScanText(
      "IDR_M MENUEX PRELOAD\nVERSION 0x2\nLANGUAGE 9, 1\nBEGIN\n"
      "POPUP \"&File\", 100, MFT_STRING, MFS_ENABLED\nBEGIN\n"
      "MENUITEM \"&Open\", ID_OPEN, MFT_STRING | MFT_RADIOCHECK, MFS_GRAYED\n"
      "MENUITEM SEPARATOR\n"
      "END\n"
      "MENUITEM \"E&xit\"\n"
      "END\n");
  ASSERT_EQ(scan.file->MenuCount(), 1);
  const CRcMenu& menu = MenuAt(scan, 0);
  EXPECT_TRUE(menu.isEx);
  EXPECT_EQ(menu.name, u"IDR_M");
  EXPECT_EQ(menu.memoryOptions, u"PRELOAD ");
  EXPECT_EQ(menu.version, u"0x2 ");
  EXPECT_EQ(menu.language, u"9");
  ASSERT_EQ(menu.entryCount(), 2);
  const auto& popup = static_cast<const CRcPopup&>(*menu.block.entries[0]);
  EXPECT_EQ(popup.name, u"100");
  EXPECT_EQ(popup.typeFlags, u"MFT_STRING ");
  EXPECT_EQ(popup.stateFlags, u"MFS_ENABLED ");
  ASSERT_EQ(popup.entryCount(), 2);
  const auto& open = static_cast<const CRcMenuItem&>(*popup.block.entries[0]);
  EXPECT_EQ(open.text, u"&Open");
  EXPECT_EQ(open.typeFlags, u"MFT_STRING MFT_RADIOCHECK ");
  EXPECT_EQ(open.stateFlags, u"MFS_GRAYED ");
  EXPECT_TRUE(static_cast<const CRcMenuItem&>(*popup.block.entries[1]).isSeparator);
  const auto& exit = static_cast<const CRcMenuItem&>(*menu.block.entries[1]);
  EXPECT_EQ(exit.name, u"");
  EXPECT_FALSE(exit.isSeparator);
}

TEST(Menu, HeaderStatementsAreReadInPasses) {
  auto scan = ScanText(
      "M MENU\nLANGUAGE LANG_X, SUBLANG_Y\nCHARACTERISTICS C1 | C2\nVERSION V\nBEGIN\nEND\n");
  ASSERT_EQ(scan.file->MenuCount(), 1);
  const CRcMenu& menu = MenuAt(scan, 0);
  EXPECT_FALSE(menu.isEx);
  EXPECT_EQ(menu.language, u"LANG_X");
  EXPECT_EQ(menu.subLanguage, u"SUBLANG_Y");
  EXPECT_EQ(menu.characteristics, u"C1 C2 ");
  EXPECT_EQ(menu.version, u"V ");
  EXPECT_EQ(menu.entryCount(), 0);
}

TEST(Menu, PopupsDeeperThanTheLimitFailInsteadOfExhaustingTheStack) {
  const int depth = kMaxMenuDepth + 50;
  std::string script = "M MENU\nBEGIN\n";
  for (int i = 0; i < depth; ++i) script += "POPUP \"p\"\nBEGIN\n";
  script += "MENUITEM \"leaf\", 1\n";
  for (int i = 0; i < depth; ++i) script += "END\n";
  script += "END\n";
  auto scan = ScanText(script);
  ASSERT_EQ(scan.file->MenuCount(), 1);
  // The tree holds the popups up to the limit; the deeper ones failed and
  // their tokens were read as entries of the deepest popup.
  const CTextNode* node = scan.root->ChildAt(0)->ChildAt(0)->ChildAt(0);
  int popups = 0;
  while (node && node->kind == kKindPopup) {
    ++popups;
    node = node->ChildAt(0);
  }
  EXPECT_EQ(popups, kMaxMenuDepth);
  ASSERT_NE(node, nullptr);
  EXPECT_EQ(node->text, u"leaf");
  EXPECT_NE(scan.log.find(u"!Fehler in Menu-Item!"), std::u16string::npos);
}

TEST(StringTable, KeepsOptionsIdentifiersAndTexts) {
  auto scan = ScanText(
      "STRINGTABLE DISCARDABLE PURE\nBEGIN\n  IDS_A \"a\"\n  7 \"seven\"\n  - 3 \"minus\"\n"
      "  IDS_B, \"comma\"\nEND\n");
  ASSERT_EQ(scan.file->StringTableCount(), 1);
  const CRcStringTable& table = TableAt(scan, 0);
  EXPECT_EQ(table.options, u"DISCARDABLE PURE ");
  EXPECT_EQ(table.number, 1);
  EXPECT_EQ(table.names, (std::vector<std::u16string_view>{u"IDS_A", u"7", u"-3", u","}));
  EXPECT_EQ(table.texts, (std::vector<std::u16string_view>{u"a", u"seven", u"minus", u"comma"}));
  EXPECT_EQ(scan.LogUtf8(),
            kLogStart + Problem("!Fehler bei Stringtable-Eintrag!",
                                "test.rc (6): IDS_B , comma "));
}

TEST(FileLevel, CategoriesGrowPastAThousandElements) {
  std::string script;
  for (int i = 0; i < 1200; ++i)
    script += "D" + std::to_string(i) + " DIALOG 0,0,1,1 BEGIN END\nM MENU BEGIN END\n"
              "STRINGTABLE BEGIN 1 \"x\" END\n";
  auto scan = ScanText(script);
  EXPECT_EQ(scan.file->DialogCount(), 1200);
  EXPECT_EQ(scan.file->MenuCount(), 1200);
  EXPECT_EQ(scan.file->StringTableCount(), 1200);
  EXPECT_EQ(TableAt(scan, 1199).number, 1200);
  EXPECT_EQ(DialogAt(scan, 1199).name, u"D1199");
  EXPECT_EQ(scan.root->ChildAt(1)->childCount, 1200);
  EXPECT_EQ(scan.root->ChildAt(1)->capacity, 1200);
  EXPECT_EQ(scan.LogUtf8(), kLogStart);
}

TEST(FileLevel, AnUnclosedBodyFailsOnceAndEndsTheSearch) {
  // Whichever loop meets the end, every enclosing element fails with it
  // without messages of its own, the section is reported once, and the
  // search ends: the MENU statement of the dialog is not tried as a menu.
  struct Case {
    const char* script;
    const char* location;
  } cases[] = {
      {"X DIALOG 0,0,1,1 MENU IDR_M\nBEGIN\nLTEXT \"a\",1,0,0,1,1\n",
       "test.rc (2): X DIALOG 0 , 0 , 1 , 1 MENU IDR_M "},
      {"X MENU\nBEGIN\nPOPUP \"a\"\nBEGIN\nPOPUP \"b\"\nBEGIN\nMENUITEM \"c\", 1\n",
       "test.rc (2): X MENU "},
      {"STRINGTABLE\nBEGIN\n1 \"a\"\n", "test.rc (3): BEGIN "},
  };
  for (const Case& c : cases) {
    auto scan = ScanText(std::string("S MENU BEGIN END\n") + c.script);
    EXPECT_EQ(scan.file->MenuCount(), 1) << c.script;
    EXPECT_EQ(scan.file->DialogCount(), 0) << c.script;
    EXPECT_EQ(scan.file->StringTableCount(), 0) << c.script;
    EXPECT_EQ(scan.LogUtf8(), kLogStart + Problem(kSection, c.location)) << c.script;
  }
}

TEST(FileLevel, ManyUnclosedNestedPopupsCostOneMessage) {
  std::string script = "M MENU\nBEGIN\n";
  for (int i = 0; i < 150; ++i) script += "POPUP \"p\"\nBEGIN\nMENUITEM \"i\", 1\n";
  auto scan = ScanText(script);
  EXPECT_EQ(scan.file->MenuCount(), 0);
  EXPECT_EQ(scan.LogUtf8(), kLogStart + Problem(kSection, "test.rc (1): M MENU "));
}

TEST(TreeBuilding, ChildArraysEndAsAddingOneByOneLeavesThem) {
  // Sizing the array once must give the capacity that growing by 10 gives.
  for (int before : {0, 3, 10}) {
    for (int added : {0, 1, 7, 10, 11, 25}) {
      CTextNode grown(nullptr, u"", u"", kKindDialog, 0, 0);
      CTextNode sized(nullptr, u"", u"", kKindDialog, 0, 0);
      std::vector<std::unique_ptr<CTextNode>> nodes;
      for (int i = 0; i < before + added; ++i) {
        const std::u16string text = FromAscii(std::to_string(i));
        grown.AddChild(std::make_unique<CTextNode>(&grown, text, text, kKindControl, 0, 0));
        auto node = std::make_unique<CTextNode>(&sized, text, text, kKindControl, 0, 0);
        if (i < before)
          sized.AddChild(std::move(node));
        else
          nodes.push_back(std::move(node));
      }
      AddChildNodes(sized, std::move(nodes));
      EXPECT_EQ(sized.capacity, grown.capacity) << before << " + " << added;
      ASSERT_EQ(sized.childCount, before + added);
      for (int i = 0; i < before + added; ++i)
        EXPECT_EQ(sized.ChildAt(i)->baseText, FromAscii(std::to_string(i)));
    }
  }
}

TEST(SkippedSection, IndexAgreesWithWalkingOverRandomBlocks) {
  // The block index must give exactly what walking token by token gives,
  // for balanced, unbalanced and absent blocks alike.
  std::mt19937 random(1234);
  const char* words[] = {"BEGIN", "END", "x", "1"};
  for (int round = 0; round < 300; ++round) {
    std::string script;
    const int length = static_cast<int>(random() % 30);
    for (int i = 0; i < length; ++i) script += std::string(words[random() % 4]) + " ";
    const CRcTokenList list = CRcTokenList::FromBytes(u"r.rc", script);
    CRcBlockIndex index(list);
    testing::CReaderStrings strings;
    CProblemLog log(strings);
    for (int32_t start = -1; start <= list.count(); ++start) {
      CRcSkippedSection walking;
      CRcSkippedSection indexed(&index);
      EXPECT_EQ(walking.Parse(list, start, log), indexed.Parse(list, start, log))
          << script << " from " << start;
    }
  }
}

}  // namespace
}  // namespace tolmeric
