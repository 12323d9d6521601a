#include "TextNode.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace tolmeric {

namespace {

constexpr int32_t kCapacityStep = 10;
constexpr int32_t kNoScore = 9999;
constexpr int32_t kUnequalBasePenalty = 5;

bool HasChildWithBase(const CTextNode& node, const std::u16string& base) {
  for (int32_t i = 0; i < node.childCount; ++i) {
    if (node.children[i]->baseText == base) return true;
  }
  return false;
}

int32_t CountChildrenMissingIn(const CTextNode& from, const CTextNode& in) {
  int32_t missing = 0;
  for (int32_t i = 0; i < from.childCount; ++i) {
    if (!HasChildWithBase(in, from.children[i]->baseText)) ++missing;
  }
  return missing;
}

// Visits node and its whole subtree, each node before its children and the
// children in stored order. A work list instead of recursion: trees read from
// files may be thousands of levels deep.
template <typename Node, typename Visit>
void VisitSubtree(Node& node, Visit visit) {
  std::vector<Node*> pending{&node};
  while (!pending.empty()) {
    Node* current = pending.back();
    pending.pop_back();
    visit(*current);
    for (int32_t i = current->childCount - 1; i >= 0; --i) {
      pending.push_back(current->children[i].get());
    }
  }
}

}  // namespace

CTextNode::CTextNode(CTextNode* parent) : parent(parent) {}

CTextNode::CTextNode(CTextNode* parent, std::u16string baseText, std::u16string text,
                     int32_t kind, int32_t number1, int32_t number2)
    : parent(parent),
      baseText(std::move(baseText)),
      text(std::move(text)),
      kind(kind),
      number1(number1),
      number2(number2) {}

// Takes the subtree apart through a work list, so that every node destroyed
// here has no children left and destruction never recurses.
CTextNode::~CTextNode() {
  if (childCount == 0) return;
  std::vector<std::unique_ptr<CTextNode>> pending;
  auto detachChildren = [&pending](CTextNode& node) {
    for (int32_t i = 0; i < node.childCount; ++i) pending.push_back(std::move(node.children[i]));
    node.childCount = 0;
  };
  detachChildren(*this);
  while (!pending.empty()) {
    std::unique_ptr<CTextNode> node = std::move(pending.back());
    pending.pop_back();
    detachChildren(*node);
  }
}

int32_t CTextNode::AddChild(std::unique_ptr<CTextNode> node) {
  if (childCount == capacity) {
    auto grown = std::make_unique<std::unique_ptr<CTextNode>[]>(capacity + kCapacityStep);
    std::move(children.get(), children.get() + childCount, grown.get());
    children = std::move(grown);
    capacity += kCapacityStep;
  }
  children[childCount] = std::move(node);
  return ++childCount;
}

CTextNode* CTextNode::ChildAt(int32_t index) const {
  if (index < 0 || index >= childCount) return nullptr;
  return children[index].get();
}

int32_t CTextNode::CountNodes() const {
  int32_t count = 0;
  VisitSubtree(*this, [&count](const CTextNode&) { ++count; });
  return count;
}

namespace {

// One node's fields and an empty child array of the same capacity.
std::unique_ptr<CTextNode> CopyNode(const CTextNode& node, CTextNode* parent) {
  auto copy = std::make_unique<CTextNode>(parent, node.baseText, node.text, node.kind,
                                          node.number1, node.number2);
  copy->state = node.state;
  copy->capacity = node.capacity;
  if (node.capacity > 0) {
    copy->children = std::make_unique<std::unique_ptr<CTextNode>[]>(node.capacity);
  }
  return copy;
}

}  // namespace

std::unique_ptr<CTextNode> CTextNode::Clone(CTextNode* newParent) const {
  auto copy = CopyNode(*this, newParent);
  // Pairs of (original, copy) whose children are still to be copied.
  std::vector<std::pair<const CTextNode*, CTextNode*>> pending{{this, copy.get()}};
  while (!pending.empty()) {
    auto [original, target] = pending.back();
    pending.pop_back();
    for (int32_t i = 0; i < original->childCount; ++i) {
      target->children[i] = CopyNode(*original->children[i], target);
      target->childCount = i + 1;
      pending.emplace_back(original->children[i].get(), target->children[i].get());
    }
  }
  return copy;
}

CTextNode* CTextNode::FindPath(const std::u16string* texts, int32_t n) {
  CTextNode* node = this;
  for (int32_t step = 0; step < n; ++step) {
    CTextNode* next = nullptr;
    for (int32_t i = 0; i < node->childCount; ++i) {
      if (node->children[i]->baseText == texts[step]) {
        next = node->children[i].get();
        break;
      }
    }
    if (next == nullptr) return nullptr;
    node = next;
  }
  return node;
}

void CTextNode::ResetStates() {
  VisitSubtree(*this, [](CTextNode& node) {
    node.state = node.childCount == 0 ? kStateLeafPresent : kStateAllPresent;
  });
}

void CTextNode::MarkMissing() {
  VisitSubtree(*this, [](CTextNode& node) {
    node.state = node.childCount == 0 ? kStateLeafMissing : kStateSubtreeMissing;
  });
}

CTextNode::Difference CTextNode::ChildSetDifference(const CTextNode& a, const CTextNode& b) {
  return Difference{CountChildrenMissingIn(a, b), CountChildrenMissingIn(b, a)};
}

// Best match of a among the children of s:
//   exactly one child with a's base text -> that child;
//   otherwise the lowest score (difference, +5 for an unequal base text),
//   the later child winning ties; without any equal base text the best child
//   must share at least one child text with a in each direction.
const CTextNode* CTextNode::BestMatch(const CTextNode& a, const CTextNode& s) {
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
  Difference bestDifference;
  int32_t bestScore = kNoScore;
  for (int32_t i = 0; i < s.childCount; ++i) {
    const CTextNode& x = *s.children[i];
    Difference difference = ChildSetDifference(a, x);
    int32_t score = difference.onlyA + difference.onlyB;
    if (x.baseText != a.baseText) score += kUnequalBasePenalty;
    if (score <= bestScore) {
      bestScore = score;
      best = &x;
      bestDifference = difference;
    }
  }
  if (equalCount >= 2) return best;
  if (best == nullptr) return nullptr;
  if (bestDifference.onlyA >= a.childCount) return nullptr;
  if (bestDifference.onlyB >= best->childCount) return nullptr;
  return best;
}

// Merge: this node takes the source's text; every child takes the texts of
// its best match in the source, or is marked missing. A node's state is known
// once all its children are merged; a gap anywhere below reaches every node
// above it. Frames on a work list stand for the recursion, so a tree of any
// depth merges on a small stack.
bool CTextNode::MergeTexts(const CTextNode& source) {
  struct Frame {
    CTextNode* node;
    const CTextNode* source;
    int32_t next;  // the next child to merge
    bool gap;
  };
  text = source.text;
  std::vector<Frame> frames{{this, &source, 0, false}};
  bool gap = false;
  while (!frames.empty()) {
    Frame& frame = frames.back();
    if (frame.next < frame.node->childCount) {
      CTextNode& child = *frame.node->children[frame.next++];
      const CTextNode* match = BestMatch(child, *frame.source);
      if (match != nullptr) {
        child.text = match->text;
        frames.push_back({&child, match, 0, false});
      } else {
        child.MarkMissing();
        frame.gap = true;
      }
      continue;
    }
    CTextNode& node = *frame.node;
    gap = frame.gap;
    if (node.childCount == 0) {
      node.state = kStateLeafPresent;
    } else {
      node.state = gap ? kStateSomeMissing : kStateAllPresent;
    }
    frames.pop_back();
    if (gap && !frames.empty()) frames.back().gap = true;
  }
  return gap;
}

// Walks both trees in parallel, child i with child i. Where the shapes
// differ, only the children both have are walked.
void CTextNode::CopyTextsAsBase(const CTextNode& other, int32_t depth) {
  struct Pair {
    CTextNode* mine;
    const CTextNode* theirs;
    int32_t depth;
  };
  std::vector<Pair> pending{{this, &other, depth}};
  while (!pending.empty()) {
    Pair pair = pending.back();
    pending.pop_back();
    if (pair.depth > 1) pair.mine->baseText = pair.theirs->text;
    int32_t shared = std::min(pair.mine->childCount, pair.theirs->childCount);
    for (int32_t i = 0; i < shared; ++i) {
      pending.push_back({pair.mine->children[i].get(), pair.theirs->children[i].get(),
                         pair.depth + 1});
    }
  }
}

void CTextNode::TransformTexts(
    const std::function<std::u16string(const std::u16string&)>& transform) {
  VisitSubtree(*this, [&](CTextNode& node) { node.text = transform(node.text); });
}

void CTextNode::ApplyTestMarks(bool replaceBegin, std::u16string beginText, bool replaceEnd,
                               std::u16string endText) {
  VisitSubtree(*this, [&](CTextNode& node) {
    std::u16string& text = node.text;
    const size_t n = text.size();
    if (replaceBegin) {
      size_t m = std::min(n, beginText.size());
      text.replace(0, m, beginText, 0, m);
    }
    if (replaceEnd) {
      size_t m = std::min(n, endText.size());
      text.replace(n - m, m, endText, endText.size() - m, m);
    }
  });
}

}  // namespace tolmeric
