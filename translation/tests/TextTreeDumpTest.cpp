#include "translation/TextTreeDump.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "translation/LanguageData.h"
#include "translation/tests/StackLimit.h"

namespace tolmeric {
namespace {

std::unique_ptr<CTextNode> SampleTree() {
  auto root = std::make_unique<CTextNode>(nullptr, u"RCFile", u"RCFileText", kKindRoot, -1, -1);
  auto dialogs = std::make_unique<CTextNode>(root.get(), u"Dialoge", u"Dialoge",
                                             kKindDialogCategory, -1, -1);
  auto dialog = std::make_unique<CTextNode>(dialogs.get(), u"Über \"X\"", u"a\\b\nc\td\re",
                                            kKindDialog, 200, 100);
  dialog->state = kStateSomeMissing;
  dialog->AddChild(std::make_unique<CTextNode>(dialog.get(), std::u16string(u"\x01\x7F"),
                                               u"\U0001F600", kKindStaticText, 40, 8));
  dialogs->AddChild(std::move(dialog));
  root->AddChild(std::move(dialogs));
  root->AddChild(std::make_unique<CTextNode>(root.get(), u"", u"", kKindMenuCategory, -1, -1));
  return root;
}

TEST(TextTreeDump, OneLinePerNodeIndentedByDepthWithEscapedTexts) {
  EXPECT_EQ(DumpTextTree(*SampleTree()),
            "7 -1 -1 0 \"RCFile\" \"RCFileText\"\n"
            "  8 -1 -1 0 \"Dialoge\" \"Dialoge\"\n"
            "    1 200 100 2 \"\xC3\x9C" "ber \\\"X\\\"\" \"a\\\\b\\nc\\td\\re\"\n"
            "      21 40 8 0 \"\\x01\\x7F\" \"\xF0\x9F\x98\x80\"\n"
            "  9 -1 -1 0 \"\" \"\"\n");
}

TEST(TextTreeDump, LoneSurrogatesStayVisibleInBothForms) {
  const std::u16string lone = {u'a', char16_t(0xD800), u'b', char16_t(0xDC01)};
  CTextNode node(nullptr, lone, lone, kKindStringEntry, -1, -1);
  EXPECT_EQ(DumpTextTree(node), "11 -1 -1 0 \"a\\uD800b\\uDC01\" \"a\\uD800b\\uDC01\"\n");
  EXPECT_NE(DumpTextTreeJson(node).find("\"baseText\":\"a\\uD800b\\uDC01\""), std::string::npos);
}

TEST(TextTreeDump, JsonHoldsTheSameTree) {
  EXPECT_EQ(DumpTextTreeJson(*SampleTree()),
            "{\"kind\":7,\"number1\":-1,\"number2\":-1,\"state\":0,\"baseText\":\"RCFile\","
            "\"text\":\"RCFileText\",\"children\":["
            "{\"kind\":8,\"number1\":-1,\"number2\":-1,\"state\":0,\"baseText\":\"Dialoge\","
            "\"text\":\"Dialoge\",\"children\":["
            "{\"kind\":1,\"number1\":200,\"number2\":100,\"state\":2,"
            "\"baseText\":\"\xC3\x9C" "ber \\\"X\\\"\",\"text\":\"a\\\\b\\nc\\td\\re\",\"children\":["
            "{\"kind\":21,\"number1\":40,\"number2\":8,\"state\":0,"
            "\"baseText\":\"\\u0001\\u007F\",\"text\":\"\xF0\x9F\x98\x80\",\"children\":[]}]}]},"
            "{\"kind\":9,\"number1\":-1,\"number2\":-1,\"state\":0,\"baseText\":\"\","
            "\"text\":\"\",\"children\":[]}]}\n");
}

TEST(TextTreeDump, ReadableFormNamesKindsStatesAndMeaningfulSizes) {
  auto root = SampleTree();
  CTextNode* dialog = root->ChildAt(0)->ChildAt(0);
  dialog->ChildAt(0)->state = kStateLeafMissing;
  auto item = std::make_unique<CTextNode>(root->ChildAt(1), u"&Open", u"&Open", kKindMenuItem, 7, 7);
  item->state = 42;
  root->ChildAt(1)->AddChild(std::move(item));
  EXPECT_EQ(DumpTextTreeReadable(*root),
            "root \"RCFile\"\n"
            "  dialogs \"Dialoge\"\n"
            "    dialog \"\xC3\x9C" "ber \\\"X\\\"\" (200 x 100), translated \"a\\\\b\\nc\\td\\re\", partly missing\n"
            "      static text \"\\x01\\x7F\" (40 x 8), translated \"\xF0\x9F\x98\x80\", missing\n"
            "  menus \"\"\n"
            "    menu item \"&Open\", state 42\n");
}

// The deepest tree a language file may hold is dumped in every form on a
// stack far smaller than the 1 MB a Windows program's main thread has.
TEST(TextTreeDump, TreeAtTheDepthLimitFitsASmallStack) {
  auto root = std::make_unique<CTextNode>(nullptr, u"0", u"0", kKindRoot, -1, -1);
  CTextNode* deepest = root.get();
  for (int32_t level = 1; level < kMaxTreeDepth; ++level) {
    auto child = std::make_unique<CTextNode>(deepest, u"n", u"n", kKindPopup, -1, -1);
    CTextNode* next = child.get();
    deepest->AddChild(std::move(child));
    deepest = next;
  }
  std::string lines, readable, json;
  ASSERT_TRUE(RunWithStack(128u << 10, [&] {
    lines = DumpTextTree(*root);
    readable = DumpTextTreeReadable(*root);
    json = DumpTextTreeJson(*root);
  }));
  const std::string lastIndent(2 * static_cast<size_t>(kMaxTreeDepth - 1), ' ');
  EXPECT_EQ(lines.substr(lines.size() - lastIndent.size() - 18), lastIndent + "4 -1 -1 0 \"n\" \"n\"\n");
  EXPECT_EQ(readable.substr(readable.size() - lastIndent.size() - 10), lastIndent + "popup \"n\"\n");
  EXPECT_EQ(json.substr(json.size() - 5), "]}]}\n");
  EXPECT_EQ(std::count(json.begin(), json.end(), '{'), kMaxTreeDepth);
  EXPECT_EQ(std::count(json.begin(), json.end(), '}'), kMaxTreeDepth);
}

}  // namespace
}  // namespace tolmeric
