#include "translation/TextNode.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "translation/NodePool.h"
#include "translation/Utf.h"
#include "translation/tests/SampleTree.h"
#include "translation/tests/TreeCompare.h"

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

// Past a hundred slots the array behind capacity grows faster than capacity
// does; added one at a time or reserved, every child stays in place.
TEST(TextNodeGrowth, ManyChildrenKeepCapacityInStepsOfTen) {
  CTextNode root(nullptr);
  for (int i = 0; i < 300; ++i) {
    root.AddChild(Leaf(&root, FromAscii(std::to_string(i)).c_str()));
    ASSERT_EQ(root.capacity, (i / 10 + 1) * 10);
  }
  root.ReserveChildren(125);
  EXPECT_EQ(root.capacity, 430);
  for (int i = 300; i < 430; ++i) root.AddChild(Leaf(&root, FromAscii(std::to_string(i)).c_str()));
  auto copy = root.Clone(nullptr);
  EXPECT_EQ(copy->capacity, 430);
  copy->AddChild(Leaf(copy.get(), u"last"));
  EXPECT_EQ(copy->capacity, 440);
  for (int i = 0; i < 430; ++i) EXPECT_EQ(copy->ChildAt(i)->baseText, FromAscii(std::to_string(i)));
  EXPECT_EQ(copy->ChildAt(430)->baseText, u"last");
}

// Nodes come from slabs of the node pool: a freed node's slot serves the
// next node, and the slabs go back to the heap with the last node, so a
// process that has built and freed trees holds no node memory.
TEST(TextNodeStorage, SlotsAreReusedAndSlabsGoBackWithTheLastNode) {
  const size_t before = CNodePool::SlotsInUse();
  {
    CTextNode root(nullptr);
    for (int i = 0; i < 5000; ++i) root.AddChild(Leaf(&root, u"x"));
    EXPECT_EQ(CNodePool::SlotsInUse(), before + 5000);
    EXPECT_GT(CNodePool::SlabsHeld(), 1u);
    const size_t slabs = CNodePool::SlabsHeld();
    root.children[7].reset();
    root.children[7] = Leaf(&root, u"y");
    EXPECT_EQ(CNodePool::SlabsHeld(), slabs);
    EXPECT_EQ(root.ChildAt(7)->baseText, u"y");
    EXPECT_EQ(root.ChildAt(8)->baseText, u"x");
  }
  EXPECT_EQ(CNodePool::SlotsInUse(), before);
  if (before == 0) {
    EXPECT_EQ(CNodePool::SlabsHeld(), 0u);
  }
}


// Builds a node with children given as base texts; each text equals its base.
std::unique_ptr<CTextNode> Node(CTextNode* parent, const char16_t* base,
                                std::initializer_list<const char16_t*> children = {},
                                const char16_t* text = nullptr) {
  auto node = std::make_unique<CTextNode>(parent, base, text ? text : base, kKindDialog, 5, 6);
  for (const char16_t* child : children) node->AddChild(Leaf(node.get(), child));
  return node;
}

CTextNode* Add(CTextNode& parent, std::unique_ptr<CTextNode> child) {
  CTextNode* raw = child.get();
  child->parent = &parent;
  parent.AddChild(std::move(child));
  return raw;
}

TEST(TextNodeFindPath, FirstEqualChildWithoutBacktracking) {
  CTextNode root(nullptr, u"RCFile", u"RCFileText", kKindRoot, -1, -1);
  CTextNode* first = Add(root, Node(nullptr, u"Dialoge", {u"A"}));
  CTextNode* second = Add(root, Node(nullptr, u"Dialoge", {u"B"}));
  const std::u16string toA[] = {u"Dialoge", u"A"};
  const std::u16string toB[] = {u"Dialoge", u"B"};
  const std::u16string wrongCase[] = {u"dialoge"};
  EXPECT_EQ(root.FindPath(toA, 0), &root);
  EXPECT_EQ(root.FindPath(toA, 1), first);
  EXPECT_EQ(root.FindPath(toA, 2), first->ChildAt(0));
  // B lies under the second "Dialoge", which is never tried.
  EXPECT_EQ(root.FindPath(toB, 2), nullptr);
  EXPECT_NE(second->ChildAt(0), nullptr);
  EXPECT_EQ(root.FindPath(wrongCase, 1), nullptr);
}

TEST(TextNodeBestMatch, SeveralEqualBaseTextsPickTheBestScoredOfAll) {
  CTextNode a(nullptr, u"OK", u"OK", kKindPushButton, 1, 1);
  CTextNode s(nullptr, u"S", u"S", kKindDialog, 1, 1);
  const CTextNode* firstOk = Add(s, Node(nullptr, u"OK"));
  const CTextNode* secondOk = Add(s, Node(nullptr, u"OK"));
  // Both score 0; the later one wins the tie.
  EXPECT_EQ(CTextNode::BestMatch(a, s), secondOk);
  // A later child with an unequal base text scores 5 and loses.
  Add(s, Node(nullptr, u"Abbrechen"));
  EXPECT_EQ(CTextNode::BestMatch(a, s), secondOk);
  // Children of the candidates count: the first equal one shares them.
  a.AddChild(Leaf(&a, u"x"));
  const_cast<CTextNode*>(firstOk)->AddChild(Leaf(nullptr, u"x"));
  EXPECT_EQ(CTextNode::BestMatch(a, s), firstOk);

  // Among all children, not only the equal ones: an unequal child with the
  // same children (5) beats equal ones with many different children.
  CTextNode b(nullptr, u"Info", u"Info", kKindDialog, 1, 1);
  for (const char16_t* t : {u"1", u"2", u"3"}) b.AddChild(Leaf(&b, t));
  CTextNode t(nullptr, u"T", u"T", kKindDialog, 1, 1);
  Add(t, Node(nullptr, u"Info", {u"7", u"8", u"9"}));
  Add(t, Node(nullptr, u"Info", {u"4", u"5", u"6"}));
  const CTextNode* renamed = Add(t, Node(nullptr, u"Info2", {u"1", u"2", u"3"}));
  EXPECT_EQ(CTextNode::BestMatch(b, t), renamed);
}

TEST(TextNodeBestMatch, WithoutEqualTextChildrenMustOverlapBothWays) {
  CTextNode a(nullptr, u"Info", u"Info", kKindDialog, 1, 1);
  a.AddChild(Leaf(&a, u"OK"));
  CTextNode s(nullptr, u"S", u"S", kKindDialog, 1, 1);
  EXPECT_EQ(CTextNode::BestMatch(a, s), nullptr);  // no children at all
  Add(s, Node(nullptr, u"Suchen", {u"Abbrechen"}));
  EXPECT_EQ(CTextNode::BestMatch(a, s), nullptr);  // shares nothing
  const CTextNode* sharing = Add(s, Node(nullptr, u"Info \u00fcber", {u"OK", u"Hilfe"}));
  Add(s, Node(nullptr, u"Leer"));
  // "Leer" scores 1 + 0 + 5 = 6, the sharing one 0 + 1 + 5 = 6 and comes
  // earlier, so "Leer" wins the tie and then fails the overlap rule.
  EXPECT_EQ(CTextNode::BestMatch(a, s), nullptr);
  Add(s, Node(nullptr, u"Ende", {u"Weiter"}));
  EXPECT_EQ(CTextNode::BestMatch(a, s), nullptr);
  CTextNode s2(nullptr, u"S", u"S", kKindDialog, 1, 1);
  Add(s2, Node(nullptr, u"Leer"));
  Add(s2, Node(nullptr, u"Info \u00fcber", {u"OK", u"Hilfe"}));
  EXPECT_NE(CTextNode::BestMatch(a, s2), nullptr);
  EXPECT_EQ(CTextNode::BestMatch(a, s2)->baseText, sharing->baseText);
  // A leaf is matched only through an equal base text.
  CTextNode leaf(nullptr, u"Hilfe", u"Hilfe", kKindControl, 1, 1);
  EXPECT_EQ(CTextNode::BestMatch(leaf, s2), nullptr);
}

TEST(TextNodeMerge, GapsMarkLeavesInnerNodesAndParents) {
  // Target: root > {Datei > {Neu, Alt > {x}}, Fehlt > {y > {z}}, Blatt}
  CTextNode target(nullptr, u"R", u"R", kKindRoot, -1, -1);
  CTextNode* datei = Add(target, Node(nullptr, u"Datei", {u"Neu"}));
  CTextNode* alt = Add(*datei, Node(nullptr, u"Alt", {u"x"}));
  CTextNode* fehlt = Add(target, Node(nullptr, u"Fehlt"));
  CTextNode* y = Add(*fehlt, Node(nullptr, u"y", {u"z"}));
  CTextNode* blatt = Add(target, Node(nullptr, u"Blatt"));
  // Source: root > {Datei > {Neu}, Blatt}, with translated texts.
  CTextNode source(nullptr, u"R", u"R2", kKindRoot, -1, -1);
  CTextNode* sourceDatei = Add(source, Node(nullptr, u"Datei", {}, u"File"));
  Add(*sourceDatei, Node(nullptr, u"Neu", {}, u"New"));
  Add(source, Node(nullptr, u"Blatt", {}, u"Leaf"));

  EXPECT_TRUE(target.MergeTexts(source));
  EXPECT_EQ(target.text, u"R2");
  EXPECT_EQ(target.state, kStateSomeMissing);
  EXPECT_EQ(datei->text, u"File");
  EXPECT_EQ(datei->state, kStateSomeMissing);
  EXPECT_EQ(datei->ChildAt(0)->text, u"New");
  EXPECT_EQ(datei->ChildAt(0)->state, kStateLeafPresent);
  EXPECT_EQ(alt->state, kStateSubtreeMissing);
  EXPECT_EQ(alt->ChildAt(0)->state, kStateLeafMissing);
  EXPECT_EQ(fehlt->state, kStateSubtreeMissing);
  EXPECT_EQ(fehlt->text, u"Fehlt");  // keeps its own text
  EXPECT_EQ(y->state, kStateSubtreeMissing);
  EXPECT_EQ(y->ChildAt(0)->state, kStateLeafMissing);
  EXPECT_EQ(blatt->text, u"Leaf");
  EXPECT_EQ(blatt->state, kStateLeafPresent);
}

TEST(TextNodeMerge, CompleteSourceLeavesNoGap) {
  auto target = BuildSampleTree(1, 2, 1);
  auto source = BuildSampleTree(1, 2, 1);
  source->ChildAt(1)->ChildAt(1)->ChildAt(3)->text = u"\u00fcbersetzt";
  target->MarkMissing();
  EXPECT_FALSE(target->MergeTexts(*source));
  EXPECT_EQ(target->ChildAt(1)->ChildAt(1)->ChildAt(3)->text, u"\u00fcbersetzt");
  auto expected = BuildSampleTree(1, 2, 1);
  expected->ChildAt(1)->ChildAt(1)->ChildAt(3)->text = u"\u00fcbersetzt";
  EXPECT_TRUE(SameTree(*expected, *target));  // states 0 and 1 again
}

// Base texts below depth 1 take the other tree's texts; the root and the
// categories keep theirs.
TEST(TextNodeCopyTextsAsBase, OnlyBelowDepthOne) {
  auto mine = BuildSampleTree(1, 1, 0);
  auto other = BuildSampleTree(1, 1, 0);
  other->text = u"root text";
  other->ChildAt(1)->text = u"Dialogs";
  other->ChildAt(1)->ChildAt(0)->text = u"Settings";
  other->ChildAt(1)->ChildAt(0)->ChildAt(0)->text = u"&Option";
  mine->CopyTextsAsBase(*other, 0);
  EXPECT_EQ(mine->baseText, u"RCFile");
  EXPECT_EQ(mine->ChildAt(1)->baseText, u"Dialoge");
  EXPECT_EQ(mine->ChildAt(1)->ChildAt(0)->baseText, u"Settings");
  EXPECT_EQ(mine->ChildAt(1)->ChildAt(0)->ChildAt(0)->baseText, u"&Option");
  EXPECT_EQ(mine->ChildAt(1)->ChildAt(0)->ChildAt(0)->text, u"&Option 0");
  // A walk started with a depth above 1 changes the start node as well.
  auto dialog = BuildSampleTree(0, 1, 0);
  CTextNode* node = dialog->ChildAt(1)->ChildAt(0);
  node->CopyTextsAsBase(*other->ChildAt(1)->ChildAt(0), 2);
  EXPECT_EQ(node->baseText, u"Settings");
}

TEST(TextNodeTestMarks, MarkersOverwriteAndKeepLength) {
  struct Case {
    const char16_t* text;
    bool replaceBegin;
    const char16_t* begin;
    bool replaceEnd;
    const char16_t* end;
    const char16_t* expected;
  };
  const Case cases[] = {
      {u"AB", true, u"XYZ", false, u"Y", u"XY"},
      {u"A", true, u"X", true, u"Y", u"Y"},
      {u"&Datei", true, u"X", true, u"Y", u"&DXteY"},
      {u"&Datei", true, u"", true, u"", u"&Datei"},
      {u"&Datei", false, u"X", false, u"Y", u"&Datei"},
      {u"", true, u"X", true, u"Y", u""},
      {u"Datei", false, u"X", true, u"<<>>", u"D<<>>"},
      {u"Datei", false, u"X", true, u"123456", u"23456"},
      {u"Zeile\nzwei", true, u"[", true, u"]", u"[eile\nzwe]"},
      // What the application reads stays: conversions, hotkeys, accelerators.
      {u"Verbunden mit %s", true, u"X", true, u"Y", u"Xerbunden mitY%s"},
      {u"%d von %5.2f%%", true, u"<<", true, u">>", u"%d<<o>>%5.2f%%"},
      {u"%-08ld", true, u"X", true, u"Y", u"%-08ld"},
      {u"100% sicher", true, u"X", true, u"Y", u"X00% sicheY"},
      {u"E&xit", true, u"X", true, u"Y", u"X&xiY"},
      {u"A && B&", true, u"X", true, u"Y", u"X && Y&"},
      {u"&Open...\tCtrl+O", true, u"X", true, u"Y", u"&OXen..Y\tCtrl+O"},
      {u"\t%s&", true, u"[", true, u"]", u"\t%s&"},
      {u"&a%s", true, u"XYZ", true, u"", u"&a%s"},
      {u"ab%s", true, u"XYZ", false, u"", u"XY%s"},
      {u"%sab", false, u"", true, u"XYZ", u"%sYZ"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.text));
    CTextNode node(nullptr, u"base", c.text, kKindControl, 1, 1);
    node.ApplyTestMarks(c.replaceBegin, c.begin, c.replaceEnd, c.end);
    EXPECT_EQ(node.text, c.expected);
    EXPECT_EQ(node.baseText, u"base");
  }
  // Every node of the subtree, categories and root included.
  auto tree = BuildSampleTree(1, 1, 1);
  tree->ApplyTestMarks(true, u"X", true, u"Y");
  EXPECT_EQ(tree->text, u"XCFileTexY");
  EXPECT_EQ(tree->ChildAt(0)->text, u"XenuY");
  EXPECT_EQ(tree->ChildAt(1)->ChildAt(0)->ChildAt(10)->text, u"XY");
}

}  // namespace
}  // namespace tolmeric
