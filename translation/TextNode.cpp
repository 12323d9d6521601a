#include "TextNode.h"

#include <algorithm>
#include <utility>

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

CTextNode::~CTextNode() = default;

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
  int32_t count = 1;
  for (int32_t i = 0; i < childCount; ++i) count += children[i]->CountNodes();
  return count;
}

std::unique_ptr<CTextNode> CTextNode::Clone(CTextNode* newParent) const {
  auto copy = std::make_unique<CTextNode>(newParent, baseText, text, kind, number1, number2);
  copy->state = state;
  copy->capacity = capacity;
  if (capacity > 0) copy->children = std::make_unique<std::unique_ptr<CTextNode>[]>(capacity);
  copy->childCount = childCount;
  for (int32_t i = 0; i < childCount; ++i) copy->children[i] = children[i]->Clone(copy.get());
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
  state = childCount == 0 ? kStateLeafPresent : kStateAllPresent;
  for (int32_t i = 0; i < childCount; ++i) children[i]->ResetStates();
}

void CTextNode::MarkMissing() {
  state = childCount == 0 ? kStateLeafMissing : kStateSubtreeMissing;
  for (int32_t i = 0; i < childCount; ++i) children[i]->MarkMissing();
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
// its best match in the source, or is marked missing.
bool CTextNode::MergeTexts(const CTextNode& source) {
  text = source.text;
  bool gap = false;
  for (int32_t i = 0; i < childCount; ++i) {
    CTextNode& child = *children[i];
    const CTextNode* match = BestMatch(child, source);
    if (match != nullptr) {
      if (child.MergeTexts(*match)) gap = true;
    } else {
      child.MarkMissing();
      gap = true;
    }
  }
  if (childCount == 0) {
    state = kStateLeafPresent;
  } else {
    state = gap ? kStateSomeMissing : kStateAllPresent;
  }
  return gap;
}

void CTextNode::CopyTextsAsBase(const CTextNode& other, int32_t depth) {
  if (depth > 1) baseText = other.text;
  int32_t shared = std::min(childCount, other.childCount);
  for (int32_t i = 0; i < shared; ++i) children[i]->CopyTextsAsBase(*other.children[i], depth + 1);
}

void CTextNode::ApplyTestMarks(bool replaceBegin, std::u16string beginText, bool replaceEnd,
                               std::u16string endText) {
  const size_t n = text.size();
  if (replaceBegin) {
    size_t m = std::min(n, beginText.size());
    text = beginText.substr(0, m) + text.substr(m);
  }
  if (replaceEnd) {
    size_t m = std::min(n, endText.size());
    text = text.substr(0, n - m) + endText.substr(endText.size() - m);
  }
  for (int32_t i = 0; i < childCount; ++i) {
    children[i]->ApplyTestMarks(replaceBegin, beginText, replaceEnd, endText);
  }
}

}  // namespace tolmeric
