// The indexed dialog search against the exhaustive scoring it replaces, on
// thousands of generated language files and open dialogs: both must choose
// the same dialog with the same side and score.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "runtime/DialogMatcher.h"

namespace tolmeric::testing {
namespace {

// Few texts, so that equal texts, equal captions, empty texts and ties are
// common.
const std::vector<std::u16string>& Words() {
  static const std::vector<std::u16string> words = {
      u"", u"OK", u"Abbrechen", u"Hilfe", u"Name:", u"Datei", u"Suchen", u"Ja", u"Nein",
      u"Optionen", u"Info", u"Weiter"};
  return words;
}

class CGenerator {
 public:
  explicit CGenerator(uint32_t seed) : random_(seed) {}

  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
  const std::u16string& Word() { return Words()[static_cast<size_t>(Below(static_cast<int>(Words().size())))]; }

  // A node whose text is its base text or, now and then, another word.
  CTextNode* Add(CTextNode& parent, int32_t kind) {
    const std::u16string base = Word();
    const std::u16string text = Below(3) == 0 ? Word() : base;
    auto node = std::make_unique<CTextNode>(&parent, base, text, kind, -1, -1);
    CTextNode* raw = node.get();
    parent.AddChild(std::move(node));
    return raw;
  }

  std::unique_ptr<CTextNode> Category() {
    auto category = std::make_unique<CTextNode>(nullptr, u"Dialoge", u"Dialoge",
                                                kKindDialogCategory, -1, -1);
    const int dialogs = Below(25);
    for (int d = 0; d < dialogs; ++d) {
      CTextNode* dialog = Add(*category, kKindDialog);
      const int controls = Below(9);
      for (int c = 0; c < controls; ++c) {
        CTextNode* control = Add(*dialog, kKindControl);
        // Controls with nodes below them count with their whole subtree.
        if (Below(8) == 0) Add(*control, kKindControl);
      }
    }
    return category;
  }

  // An open dialog: often one of the category's, on either side, with
  // texts dropped, added and moved; else texts at random.
  CDialogSnapshot Snapshot(const CTextNode& category) {
    std::vector<CDialogChild> children;
    std::u16string title = Word();
    if (category.childCount > 0 && Below(3) != 0) {
      const CTextNode& dialog = *category.ChildAt(Below(category.childCount));
      const int32_t side = Below(2);
      if (Below(4) != 0) title = ComparedText(dialog, side);
      for (int32_t k = 0; k < dialog.childCount; ++k) {
        if (Below(5) != 0) children.push_back({0, ComparedText(*dialog.ChildAt(k), side)});
      }
      if (!children.empty() && Below(2) == 0) {
        std::swap(children[0], children[static_cast<size_t>(Below(static_cast<int>(children.size())))]);
      }
    }
    for (int extra = Below(3); extra > 0; --extra) children.push_back({0, Word()});
    for (size_t i = 0; i < children.size(); ++i) children[i].window = i + 1;
    return CDialogSnapshot(100, title, std::move(children));
  }

 private:
  std::mt19937 random_;
};

TEST(MatchingDifferentialTest, IndexedSearchChoosesAsTheExhaustiveScoring) {
  CGenerator generate(20261207);
  int compared = 0;
  int taken = 0;
  for (int tree = 0; tree < 400; ++tree) {
    const std::unique_ptr<CTextNode> category = generate.Category();
    const CDialogIndex index(category.get());
    for (int open = 0; open < 15; ++open) {
      const CDialogSnapshot snapshot = generate.Snapshot(*category);
      const CDialogMatch expected = FindBestDialogExhaustive(snapshot, *category);
      const CDialogMatch actual = index.FindBestDialog(snapshot);
      ASSERT_EQ(actual.index, expected.index) << "tree " << tree << ", dialog " << open;
      ASSERT_EQ(actual.side, expected.side) << "tree " << tree << ", dialog " << open;
      ASSERT_EQ(actual.score, expected.score) << "tree " << tree << ", dialog " << open;
      ++compared;
      if (expected.index >= 0) ++taken;
    }
  }
  // Both outcomes must be well represented for the comparison to mean much.
  EXPECT_EQ(compared, 6000);
  EXPECT_GT(taken, compared / 4);
  EXPECT_LT(taken, compared * 3 / 4);
}

}  // namespace
}  // namespace tolmeric::testing
