#include "runtime/DialogMatcher.h"

#include <algorithm>

namespace tolmeric {

namespace {

// The score from the counts; the one formula of the exhaustive and the
// indexed search, so both compute the very same double.
double ScoreFromCounts(int32_t childWindows, int32_t nonEmptyWindows, int32_t nodeChildren,
                       const CDialogScore& misses) {
  const double windowScore =
      childWindows > 0 ? static_cast<double>(nonEmptyWindows - misses.windowMisses + 1) /
                             static_cast<double>(nonEmptyWindows + 1)
                       : 0.0;
  const double nodeScore = nodeChildren > 0
                               ? static_cast<double>(nodeChildren - misses.nodeMisses + 1) /
                                     static_cast<double>(nodeChildren + 1)
                               : 0.0;
  return nodeScore + windowScore;
}

// Keeps the best candidate the way the exhaustive search does: strictly
// greater replaces, and only 1.0 or more is taken in the end.
class CBestDialog {
 public:
  void Offer(int32_t index, int32_t side, double score) {
    if (score > best_.score) best_ = {index, side, score};
  }
  CDialogMatch Result() const { return best_.score < 1.0 ? CDialogMatch{} : best_; }

 private:
  CDialogMatch best_;
};

}  // namespace

const std::u16string& ComparedText(const CTextNode& node, int32_t side) {
  return side == kSideText ? node.text : node.baseText;
}

CDialogScore ScoreDialog(const CDialogSnapshot& snapshot, const CTextNode& node, int32_t side) {
  CDialogScore score;
  std::vector<char> used(static_cast<size_t>(node.childCount), 0);
  if (ComparedText(node, side) != snapshot.Title()) {
    ++score.windowMisses;
    ++score.nodeMisses;
  }
  for (const CDialogChild& window : snapshot.Children()) {
    bool found = false;
    for (int32_t k = 0; k < node.childCount && !found; ++k) {
      if (!used[k] && ComparedText(*node.ChildAt(k), side) == window.text) {
        used[k] = 1;
        found = true;
      }
    }
    if (!found && !window.text.empty()) ++score.windowMisses;
  }
  for (int32_t k = 0; k < node.childCount; ++k) {
    if (!used[k]) score.nodeMisses += node.ChildAt(k)->CountNodes();
  }
  return score;
}

double DialogScoreValue(const CDialogSnapshot& snapshot, const CTextNode& node,
                        const CDialogScore& misses) {
  return ScoreFromCounts(snapshot.ChildCount(), snapshot.NonEmptyCount(), node.childCount,
                         misses);
}

CDialogMatch FindBestDialogExhaustive(const CDialogSnapshot& snapshot,
                                      const CTextNode& category) {
  CBestDialog best;
  for (int32_t i = 0; i < category.childCount; ++i) {
    const CTextNode& node = *category.ChildAt(i);
    for (int32_t side : {kSideBase, kSideText}) {
      best.Offer(i, side, DialogScoreValue(snapshot, node, ScoreDialog(snapshot, node, side)));
    }
  }
  return best.Result();
}

CDialogPlan ApplyDialogTexts(const CDialogSnapshot& snapshot, const CTextNode& node,
                             int32_t side) {
  CDialogPlan plan;
  const std::vector<CDialogChild>& windows = snapshot.Children();
  std::vector<char> used(windows.size(), 0);
  for (int32_t k = 0; k < node.childCount; ++k) {
    const CTextNode& child = *node.ChildAt(k);
    const std::u16string& compared = ComparedText(child, side);
    for (size_t w = 0; w < windows.size(); ++w) {
      if (!used[w] && windows[w].text == compared) {
        used[w] = 1;
        plan.childTexts.push_back({static_cast<int32_t>(w), child.text});
        break;
      }
    }
  }
  plan.caption = node.text;
  return plan;
}

void ApplyDialogPlan(IWindowSystem& windows, const CDialogSnapshot& snapshot,
                     const CDialogPlan& plan) {
  for (const CDialogPlan::ChildText& change : plan.childTexts) {
    windows.WriteWindowText(snapshot.Children()[static_cast<size_t>(change.child)].window,
                          change.text);
  }
  windows.WriteWindowText(snapshot.Window(), plan.caption);
}

const CTextNode* FindDialogByCaption(const CTextNode& category, std::u16string_view caption) {
  for (int32_t i = 0; i < category.childCount; ++i) {
    const CTextNode* dialog = category.ChildAt(i);
    if (dialog->baseText == caption) return dialog;
  }
  return nullptr;
}

void CDialogIndex::Clear() {
  category_ = nullptr;
  for (Side& side : sides_) side = Side();
  dialogs_.clear();
}

void CDialogIndex::Build(const CTextNode* category) {
  Clear();
  category_ = category;
  if (!category) return;
  dialogs_.reserve(static_cast<size_t>(category->childCount));
  // One dialog's children on one side: text and subtree size, grouped by
  // text with stored order kept inside each group.
  std::vector<std::pair<std::u16string_view, int32_t>> children;
  for (int32_t i = 0; i < category->childCount; ++i) {
    const CTextNode& dialog = *category->ChildAt(i);
    dialogs_.push_back({dialog.childCount, dialog.CountNodes() - 1});
    for (int32_t s : {kSideBase, kSideText}) {
      Side& side = sides_[s];
      side.captions[ComparedText(dialog, s)].push_back(i);
      children.clear();
      for (int32_t k = 0; k < dialog.childCount; ++k) {
        const CTextNode& child = *dialog.ChildAt(k);
        children.emplace_back(ComparedText(child, s), child.CountNodes());
      }
      std::stable_sort(children.begin(), children.end(),
                       [](const auto& a, const auto& b) { return a.first < b.first; });
      for (size_t first = 0; first < children.size();) {
        size_t end = first;
        const int32_t start = static_cast<int32_t>(side.prefixNodes.size());
        int32_t sum = 0;
        for (; end < children.size() && children[end].first == children[first].first; ++end) {
          side.prefixNodes.push_back(sum += children[end].second);
        }
        side.children[children[first].first].push_back(
            {i, static_cast<int32_t>(end - first), start});
        first = end;
      }
    }
  }
}

CDialogMatch CDialogIndex::FindBestDialog(const CDialogSnapshot& snapshot) const {
  // Without child windows the window part is 0 and the node part below 1.
  if (!category_ || snapshot.ChildCount() == 0) return {};

  // The snapshot's distinct texts with the number of windows showing each.
  std::vector<std::pair<std::u16string_view, int32_t>> texts;
  for (const CDialogChild& window : snapshot.Children()) {
    auto found = std::find_if(texts.begin(), texts.end(),
                              [&](const auto& entry) { return entry.first == window.text; });
    if (found == texts.end()) {
      texts.emplace_back(window.text, 1);
    } else {
      ++found->second;
    }
  }

  // Per dialog and side: the pairs of equal texts (a window of text t takes
  // one of the dialog's children of text t while any is left, the first in
  // stored order), the windows with text among them and the nodes they use.
  struct Tally {
    int32_t matchedWindows = 0;
    int32_t matchedNodes = 0;
    bool captionEqual = false;
    bool touched = false;
  };
  const size_t count = dialogs_.size();
  std::vector<Tally> tallies(2 * count);
  std::vector<int32_t> candidates;
  auto touch = [&](int32_t dialog, int32_t side) -> Tally& {
    Tally& tally = tallies[static_cast<size_t>(side) * count + static_cast<size_t>(dialog)];
    if (!tally.touched) {
      tally.touched = true;
      candidates.push_back(dialog);
    }
    return tally;
  };
  for (int32_t s : {kSideBase, kSideText}) {
    const Side& side = sides_[s];
    if (auto found = side.captions.find(snapshot.Title()); found != side.captions.end()) {
      for (int32_t dialog : found->second) touch(dialog, s).captionEqual = true;
    }
    for (const auto& [text, windows] : texts) {
      auto found = side.children.find(text);
      if (found == side.children.end()) continue;
      for (const Posting& posting : found->second) {
        const int32_t pairs = std::min(windows, posting.count);
        Tally& tally = touch(posting.dialog, s);
        if (!text.empty()) tally.matchedWindows += pairs;
        tally.matchedNodes += side.prefixNodes[static_cast<size_t>(posting.prefixStart + pairs - 1)];
      }
    }
  }

  // Every other candidate misses the caption and every window: at most 0.
  std::sort(candidates.begin(), candidates.end());
  candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
  CBestDialog best;
  for (int32_t dialog : candidates) {
    const DialogFacts& facts = dialogs_[static_cast<size_t>(dialog)];
    for (int32_t s : {kSideBase, kSideText}) {
      const Tally& tally = tallies[static_cast<size_t>(s) * count + static_cast<size_t>(dialog)];
      if (!tally.touched) continue;
      const int32_t captionMiss = tally.captionEqual ? 0 : 1;
      const CDialogScore misses{captionMiss + snapshot.NonEmptyCount() - tally.matchedWindows,
                                captionMiss + facts.childNodes - tally.matchedNodes};
      best.Offer(dialog, s,
                 ScoreFromCounts(snapshot.ChildCount(), snapshot.NonEmptyCount(),
                                 facts.childCount, misses));
    }
  }
  return best.Result();
}

}  // namespace tolmeric
