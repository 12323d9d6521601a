// The indexed best match and merge against the plain comparison of every
// child with every other, on random trees with many repeated texts.
#include "translation/BestMatchIndex.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "translation/TextNode.h"
#include "translation/tests/TreeCompare.h"

namespace tolmeric {
namespace {

// The plain best match: every child of s scored against a in turn.
int32_t MissingIn(const CTextNode& from, const CTextNode& in) {
  int32_t missing = 0;
  for (int32_t i = 0; i < from.childCount; ++i) {
    bool found = false;
    for (int32_t k = 0; k < in.childCount && !found; ++k) {
      found = in.children[k]->baseText == from.children[i]->baseText;
    }
    if (!found) ++missing;
  }
  return missing;
}

const CTextNode* PlainBestMatch(const CTextNode& a, const CTextNode& s) {
  int32_t equalCount = 0;
  const CTextNode* equalChild = nullptr;
  for (int32_t i = 0; i < s.childCount; ++i) {
    if (s.children[i]->baseText == a.baseText) {
      ++equalCount;
      equalChild = s.children[i].get();
    }
  }
  if (equalCount == 1) return equalChild;
  const CTextNode* best = nullptr;
  int32_t bestOnlyA = 0;
  int32_t bestOnlyB = 0;
  int32_t bestScore = 9999;
  for (int32_t i = 0; i < s.childCount; ++i) {
    const CTextNode& x = *s.children[i];
    const int32_t onlyA = MissingIn(a, x);
    const int32_t onlyB = MissingIn(x, a);
    const int32_t score = onlyA + onlyB + (x.baseText != a.baseText ? 5 : 0);
    if (score <= bestScore) {
      bestScore = score;
      best = &x;
      bestOnlyA = onlyA;
      bestOnlyB = onlyB;
    }
  }
  if (equalCount >= 2 || best == nullptr) return best;
  if (bestOnlyA >= a.childCount || bestOnlyB >= best->childCount) return nullptr;
  return best;
}

// The plain merge, recursive (the trees here are shallow).
bool PlainMerge(CTextNode& node, const CTextNode& source) {
  node.text = source.text;
  bool gap = false;
  for (int32_t i = 0; i < node.childCount; ++i) {
    CTextNode& child = *node.children[i];
    if (const CTextNode* match = PlainBestMatch(child, source)) {
      gap = PlainMerge(child, *match) || gap;
    } else {
      child.MarkMissing();
      gap = true;
    }
  }
  node.state = node.childCount == 0 ? kStateLeafPresent : gap ? kStateSomeMissing : kStateAllPresent;
  return gap;
}

// A random tree over a small set of texts, so that equal base texts and
// equal child sets are common.
class CRandomTrees {
 public:
  explicit CRandomTrees(uint32_t seed) : random_(seed) {}

  std::unique_ptr<CTextNode> Tree(int32_t depth, CTextNode* parent = nullptr) {
    const std::u16string base = Pick(kTexts);
    auto node = std::make_unique<CTextNode>(parent, base, base + u"'", kKindDialog, 1, 1);
    node->text += Pick(kTexts);
    const int32_t children = depth == 0 ? 0 : Below(7);
    for (int32_t i = 0; i < children; ++i) node->AddChild(Tree(depth - 1, node.get()));
    return node;
  }

 private:
  static inline const std::vector<std::u16string> kTexts = {u"", u"OK", u"Abbrechen", u"Hilfe",
                                                             u"&Datei", u"Info"};
  int32_t Below(int32_t n) { return std::uniform_int_distribution<int32_t>(0, n - 1)(random_); }
  const std::u16string& Pick(const std::vector<std::u16string>& from) {
    return from[Below(static_cast<int32_t>(from.size()))];
  }
  std::mt19937 random_;
};

std::vector<const CTextNode*> AllNodes(const CTextNode& root) {
  std::vector<const CTextNode*> nodes{&root};
  for (size_t i = 0; i < nodes.size(); ++i) {
    for (int32_t k = 0; k < nodes[i]->childCount; ++k) nodes.push_back(nodes[i]->ChildAt(k));
  }
  return nodes;
}

TEST(BestMatchIndex, AnswersAsThePlainComparisonOnRandomTrees) {
  for (uint32_t seed = 1; seed <= 150; ++seed) {
    CRandomTrees random(seed);
    auto reference = random.Tree(3);
    auto source = random.Tree(3);
    const std::vector<const CTextNode*> sourceNodes = AllNodes(*source);
    for (const CTextNode* s : sourceNodes) {
      CBestMatchIndex index(*s);
      for (const CTextNode* a : AllNodes(*reference)) {
        ASSERT_EQ(index.Find(*a), PlainBestMatch(*a, *s)) << "seed " << seed;
        const CTextNode::Difference difference = CTextNode::ChildSetDifference(*a, *s);
        ASSERT_EQ(difference.onlyA, MissingIn(*a, *s)) << "seed " << seed;
        ASSERT_EQ(difference.onlyB, MissingIn(*s, *a)) << "seed " << seed;
      }
      for (const CTextNode* a : sourceNodes) {
        ASSERT_EQ(index.Find(*a), PlainBestMatch(*a, *s)) << "seed " << seed;
      }
    }
    auto merged = reference->Clone(nullptr);
    auto expected = reference->Clone(nullptr);
    EXPECT_EQ(merged->MergeTexts(*source), PlainMerge(*expected, *source)) << "seed " << seed;
    EXPECT_TRUE(SameTree(*expected, *merged)) << "seed " << seed;
  }
}

// Scores of 10,000 and more never win, as in the plain comparison: a node
// with that many children unknown to two equal candidates matches none.
TEST(BestMatchIndex, ScoresFromTheLimitOnFindNothing) {
  CTextNode a(nullptr, u"OK", u"OK", kKindDialog, 1, 1);
  for (int32_t i = 0; i < 10000; ++i) {
    a.AddChild(std::make_unique<CTextNode>(&a, u"x" + std::u16string(1, char16_t(0x4E00 + i)),
                                           u"", kKindControl, 1, 1));
  }
  CTextNode s(nullptr, u"S", u"S", kKindDialog, 1, 1);
  for (int32_t i = 0; i < 2; ++i) {
    s.AddChild(std::make_unique<CTextNode>(&s, u"OK", u"OK", kKindDialog, 1, 1));
  }
  EXPECT_EQ(PlainBestMatch(a, s), nullptr);
  EXPECT_EQ(CBestMatchIndex(s).Find(a), nullptr);
  a.children[9999]->baseText = u"x";  // still 10,000 unknown children
  s.children[0]->AddChild(std::make_unique<CTextNode>(s.children[0].get(), u"x", u"", 2, 1, 1));
  EXPECT_EQ(CBestMatchIndex(s).Find(a), PlainBestMatch(a, s));
  EXPECT_EQ(CBestMatchIndex(s).Find(a), s.ChildAt(0));
}

}  // namespace
}  // namespace tolmeric
