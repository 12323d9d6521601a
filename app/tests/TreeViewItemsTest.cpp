#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/TreeViewItems.h"
#include "translation/LanguageData.h"
#include "translation/Project.h"
#include "translation/TextNode.h"

namespace tolmeric {
namespace {

CTextNode* Add(CTextNode* parent, const std::u16string& text, int32_t kind) {
  auto node = std::make_unique<CTextNode>(parent, text, text, kind, -1, -1);
  CTextNode* added = node.get();
  parent->AddChild(std::move(node));
  return added;
}

// A tree as the scan builds it, with one node of every kind.
std::unique_ptr<CTextNode> SampleTree() {
  auto root = std::make_unique<CTextNode>(nullptr, u"RCFile", u"RCFile", kKindRoot, -1, -1);
  CTextNode* menus = Add(root.get(), u"Menus", kKindMenuCategory);
  CTextNode* file = Add(Add(menus, u"IDR_MAIN", kKindMenu), u"&Datei", kKindPopup);
  Add(file, u"&Neu", kKindMenuItem);
  CTextNode* dialogs = Add(root.get(), u"Dialoge", kKindDialogCategory);
  CTextNode* info = Add(dialogs, u"Info", kKindDialog);
  Add(info, u"OK", kKindPushButton);
  Add(info, u"Rahmen", kKindGroupBox);
  Add(info, u"Name:", kKindStaticText);
  Add(info, u"Auswahl", kKindControl);
  Add(dialogs, u"Sprache", kKindStandardSwitchDialog);
  CTextNode* tables = Add(root.get(), u"Stringtables", kKindStringTableCategory);
  Add(Add(tables, u"Tabelle", kKindStringTable), u"Bereit", kKindStringEntry);
  Add(tables, u"Fremd", kKindNotSet);
  return root;
}

struct Expected {
  const char16_t* text;
  int32_t image;
  int32_t parent;
};

void ExpectItems(const std::vector<CTreeViewItem>& items, const std::vector<Expected>& expected) {
  ASSERT_EQ(items.size(), expected.size());
  for (size_t i = 0; i < items.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(items[i].text, expected[i].text);
    EXPECT_EQ(items[i].image, expected[i].image);
    EXPECT_EQ(items[i].parent, expected[i].parent);
  }
}

TEST(TreeViewItemsTest, EveryNodeBelowTheRootInOrderWithTheImageOfItsKind) {
  ExpectItems(TreeViewItemsOf(*SampleTree()),
              {{u"Menus", 1, -1},      {u"IDR_MAIN", 1, 0},    {u"&Datei", 5, 1},
               {u"&Neu", 3, 2},        {u"Dialoge", 0, -1},    {u"Info", 0, 4},
               {u"OK", 6, 5},          {u"Rahmen", 7, 5},      {u"Name:", 8, 5},
               {u"Auswahl", 2, 5},     {u"Sprache", 0, 4},     {u"Stringtables", 4, -1},
               {u"Tabelle", 4, 11},    {u"Bereit", 2, 12},     {u"Fremd", 2, 11}});
}

TEST(TreeViewItemsTest, ProjectShowsTestMarksWhileTheTestVersionIsOn) {
  CProject project;
  EXPECT_TRUE(TreeViewItemsOf(project).empty());
  project.languageData = std::make_unique<CLanguageData>(SampleTree());
  const std::vector<CTreeViewItem> plain = TreeViewItemsOf(project);
  project.testVersion = true;
  const std::vector<CTreeViewItem> marked = TreeViewItemsOf(project);
  ASSERT_EQ(marked.size(), plain.size());
  EXPECT_EQ(plain[2].text, u"&Datei");
  // As the test language file holds it: the marks keep the hotkey.
  EXPECT_EQ(marked[2].text, u"&DXteY");
  EXPECT_EQ(marked[2].image, plain[2].image);
  // The project's own tree keeps its texts.
  EXPECT_EQ(TreeViewItemsOf(*project.languageData->root)[2].text, u"&Datei");
  project.testVersion = false;
  EXPECT_EQ(TreeViewItemsOf(project)[2].text, u"&Datei");
}

}  // namespace
}  // namespace tolmeric
