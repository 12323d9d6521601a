#include "translation/TextTreeDump.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tolmeric
