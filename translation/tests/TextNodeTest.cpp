#include "translation/TextNode.h"

#include <gtest/gtest.h>

namespace tolmeric {
namespace {

std::unique_ptr<CTextNode> Leaf(CTextNode* parent, const char16_t* base) {
  return std::make_unique<CTextNode>(parent, base, base, kKindControl, -1, -1);
}

// The reference node "Info" with children OK and Version, matched among
// "Info über" (OK, Version) and "Suchen" (OK, Abbrechen, Suchen nach:).
TEST(TextNodeBestMatch, WorkedExamplePrefersSharedChildren) {
  CTextNode a(nullptr, u"Info", u"Info", kKindDialog, 10, 10);
  a.AddChild(Leaf(&a, u"OK"));
  a.AddChild(Leaf(&a, u"Version"));

  CTextNode s(nullptr, u"Dialoge", u"Dialoge", kKindDialogCategory, -1, -1);
  auto a2 = std::make_unique<CTextNode>(&s, u"Info \u00fcber", u"About", kKindDialog, 1, 1);
  a2->AddChild(Leaf(a2.get(), u"OK"));
  a2->AddChild(Leaf(a2.get(), u"Version"));
  auto b2 = std::make_unique<CTextNode>(&s, u"Suchen", u"Find", kKindDialog, 1, 1);
  b2->AddChild(Leaf(b2.get(), u"OK"));
  b2->AddChild(Leaf(b2.get(), u"Abbrechen"));
  b2->AddChild(Leaf(b2.get(), u"Suchen nach:"));
  const CTextNode* expected = a2.get();
  s.AddChild(std::move(a2));
  s.AddChild(std::move(b2));

  EXPECT_EQ(CTextNode::BestMatch(a, s), expected);
  EXPECT_FALSE(a.MergeTexts(*expected));
  EXPECT_EQ(a.text, u"About");
  EXPECT_EQ(a.state, kStateAllPresent);
}

TEST(TextNodeGrowth, EleventhChildGrowsCapacityByTen) {
  CTextNode root(nullptr);
  EXPECT_EQ(root.kind, kKindNotSet);
  for (int i = 0; i < 10; ++i) root.AddChild(Leaf(&root, u"x"));
  EXPECT_EQ(root.capacity, 10);
  EXPECT_EQ(root.AddChild(Leaf(&root, u"y")), 11);
  EXPECT_EQ(root.capacity, 20);
  auto copy = root.Clone(nullptr);
  EXPECT_EQ(copy->capacity, 20);
  EXPECT_EQ(copy->CountNodes(), 12);
  EXPECT_EQ(copy->ChildAt(10)->parent, copy.get());
  EXPECT_EQ(copy->ChildAt(11), nullptr);
}

}  // namespace
}  // namespace tolmeric
