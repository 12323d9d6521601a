// Recognising a dialog by its texts: which dialog of the language file an
// open dialog is, and which text each of its windows gets. Portable: the
// result is a plan that the caller applies to the windows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "runtime/DialogSnapshot.h"
#include "translation/TextNode.h"

namespace tolmeric {

// Which text of a language-file node is compared with what a window shows:
// side 0 the base text (the window shows the application's own texts),
// side 1 the text (it shows this translation already).
enum MatchSide : int32_t { kSideBase = 0, kSideText = 1 };

const std::u16string& ComparedText(const CTextNode& node, int32_t side);

struct CDialogScore {
  int32_t windowMisses = 0;
  int32_t nodeMisses = 0;
  bool operator==(const CDialogScore&) const = default;
};

// The chosen dialog: its index among the category's children and the side
// that matched; index -1 when no dialog fits well enough.
struct CDialogMatch {
  int32_t index = -1;
  int32_t side = kSideBase;
  double score = 0.0;
  bool operator==(const CDialogMatch&) const = default;
};

// Which window gets which text.
struct CDialogPlan {
  struct ChildText {
    int32_t child = 0;  // index into the snapshot's children
    std::u16string text;
    bool operator==(const ChildText&) const = default;
  };
  std::u16string caption;
  std::vector<ChildText> childTexts;  // in the order they are written
  bool operator==(const CDialogPlan&) const = default;
};

// Misses of the snapshot against dialog node n on one side: the caption
// counts once on both sides when it differs; each non-empty window without
// an unused equal child of n is a window miss; each child of n that no
// window used counts its whole subtree as node misses.
CDialogScore ScoreDialog(const CDialogSnapshot& snapshot, const CTextNode& node, int32_t side);

// The score of one candidate from its misses: the window part plus the node
// part, each 1.0 for a perfect fit. A dialog without child windows and a
// node without children contribute 0.
double DialogScoreValue(const CDialogSnapshot& snapshot, const CTextNode& node,
                        const CDialogScore& misses);

// Every dialog of the category scored on both sides, in order; the first
// highest score wins, taken only from 1.0 up. The reference the indexed
// search must agree with.
CDialogMatch FindBestDialogExhaustive(const CDialogSnapshot& snapshot, const CTextNode& category);

// The texts for the windows from dialog node n: each child of n, in stored
// order, gives its text to the first unused window showing its compared
// text; the caption always takes n's text.
CDialogPlan ApplyDialogTexts(const CDialogSnapshot& snapshot, const CTextNode& node,
                             int32_t side);

// Writes a plan to the dialog's windows.
void ApplyDialogPlan(IWindowSystem& windows, const CDialogSnapshot& snapshot,
                     const CDialogPlan& plan);

// An index of the dialogs of one category, for both sides: for every text,
// the dialogs whose children carry it, and the dialogs whose caption is it.
// Points into the tree: rebuild it whenever the tree changes.
class CDialogIndex {
 public:
  CDialogIndex() = default;
  explicit CDialogIndex(const CTextNode* category) { Build(category); }
  void Build(const CTextNode* category);
  void Clear();
  const CTextNode* Category() const { return category_; }

  // The same choice as FindBestDialogExhaustive, scoring only the dialogs
  // that can reach 1.0: those sharing the caption or some child text with
  // the snapshot. Any other dialog misses the caption and every window, so
  // its window part is 0 and its node part at most 0.
  CDialogMatch FindBestDialog(const CDialogSnapshot& snapshot) const;

 private:
  // The children of one dialog that carry one text: how many, and the
  // running sums of their subtree sizes in stored order (in prefixNodes_).
  struct Posting {
    int32_t dialog = 0;
    int32_t count = 0;
    int32_t prefixStart = 0;
  };
  struct Side {
    std::unordered_map<std::u16string_view, std::vector<Posting>> children;
    std::unordered_map<std::u16string_view, std::vector<int32_t>> captions;
    std::vector<int32_t> prefixNodes;
  };
  struct DialogFacts {
    int32_t childCount = 0;
    int32_t childNodes = 0;  // nodes below the dialog
  };

  const CTextNode* category_ = nullptr;
  Side sides_[2];
  std::vector<DialogFacts> dialogs_;
};

// The first dialog of the category whose base text is caption, or null: a
// property page's tab label is its dialog's caption.
const CTextNode* FindDialogByCaption(const CTextNode& category, std::u16string_view caption);

}  // namespace tolmeric
