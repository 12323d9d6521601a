#include "runtime/StringIndex.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "translation/Utf.h"

namespace tolmeric {
namespace {

CTextNode* Add(CTextNode& parent, const std::u16string& base, const std::u16string& text) {
  auto node = std::make_unique<CTextNode>(&parent, base, text, kKindStringEntry, -1, -1);
  CTextNode* raw = node.get();
  parent.AddChild(std::move(node));
  return raw;
}

TEST(StringIndexTest, FirstNodeInTreeOrderWins) {
  CTextNode category(nullptr, u"Stringtables", u"Stringtables", kKindStringTableCategory, -1, -1);
  CTextNode* first = Add(category, u"1", u"1");
  // A node comes before its children, and an earlier subtree before a later
  // sibling, however deep the later match is.
  CTextNode* deep = Add(*Add(*first, u"A", u"a in table 1"), u"B", u"b deep in table 1");
  Add(*first, u"B", u"b in table 1");
  CTextNode* second = Add(category, u"2", u"2");
  Add(*second, u"A", u"a in table 2");
  Add(*second, u"1", u"one as an entry");

  CStringIndex index;
  index.Build(&category);
  for (const std::u16string text : {u"Stringtables", u"1", u"A", u"B", u"2", u"none"}) {
    SCOPED_TRACE(ToUtf8(text));
    EXPECT_EQ(index.Find(text), CStringIndex::SearchDepthFirst(category, text));
  }
  EXPECT_EQ(index.Find(u"B"), deep);
  EXPECT_EQ(index.Find(u"1"), first);
  EXPECT_EQ(index.Find(u"Stringtables"), &category);

  index.Build(nullptr);
  EXPECT_TRUE(index.IsEmpty());
  EXPECT_EQ(index.Find(u"A"), nullptr);
}

// Random trees with many repeated texts, some differing only by a trailing
// blank or by case: the index answers exactly as the walk does.
TEST(StringIndexTest, AgreesWithTheDepthFirstSearchOnRandomTrees) {
  std::mt19937 random(20240611);
  const std::vector<std::u16string> words = {u"Datei", u"Datei ", u"datei", u"Öffnen", u"",
                                             u"%d Dateien", u"Ende", u"Ende\n", u"1", u"2"};
  for (int round = 0; round < 50; ++round) {
    SCOPED_TRACE(round);
    CTextNode category(nullptr, u"Stringtables", u"Stringtables", kKindStringTableCategory, -1,
                       -1);
    std::vector<CTextNode*> nodes{&category};
    const int count = std::uniform_int_distribution<int>(1, 300)(random);
    for (int i = 0; i < count; ++i) {
      CTextNode* parent = nodes[std::uniform_int_distribution<size_t>(0, nodes.size() - 1)(random)];
      const std::u16string& word =
          words[std::uniform_int_distribution<size_t>(0, words.size() - 1)(random)];
      nodes.push_back(Add(*parent, word, word + u"#" + FromAscii(std::to_string(i))));
    }
    CStringIndex index;
    index.Build(&category);
    for (const std::u16string& word : words) {
      EXPECT_EQ(index.Find(word), CStringIndex::SearchDepthFirst(category, word));
    }
    EXPECT_EQ(index.Find(u"Stringtables"), &category);
    EXPECT_EQ(index.Find(u"missing"), nullptr);
  }
}

}  // namespace
}  // namespace tolmeric
