#include "translation/TextNode.h"

#include <algorithm>
#include <bit>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "translation/BestMatchIndex.h"
#include "translation/NodePool.h"
#include "translation/TestMarks.h"

namespace tolmeric {

namespace {

constexpr int32_t kCapacityStep = 10;
// Capacities up to this have exactly as many slots.
constexpr int64_t kExactSlots = 100;

// The slots of the child array of a node of this capacity: exactly the
// capacity while it is small; beyond, the next power of two, so that adding
// children one at a time moves the array only a logarithmic number of times.
// The slot count follows from the capacity and needs no field of its own.
int64_t SlotsFor(int64_t capacity) {
  if (capacity <= kExactSlots) return capacity;
  return static_cast<int64_t>(std::bit_ceil(static_cast<uint64_t>(capacity)));
}

// Children of from whose base text no child of in has; hashed, so linear in
// both child counts.
int32_t CountChildrenMissingIn(const CTextNode& from, const CTextNode& in) {
  std::unordered_set<std::u16string_view> bases;
  for (int32_t i = 0; i < in.childCount; ++i) bases.insert(in.children[i]->baseText);
  int32_t missing = 0;
  for (int32_t i = 0; i < from.childCount; ++i) {
    if (!bases.contains(from.children[i]->baseText)) ++missing;
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

void* CTextNode::operator new(std::size_t size) { return CNodePool::Allocate(size); }

void CTextNode::operator delete(void* node) noexcept { CNodePool::Release(node); }

CTextNode::CTextNode(CTextNode* parent) : parent(parent) {}

CTextNode::CTextNode(CTextNode* parent, std::u16string baseText, std::u16string text,
                     int32_t kind, int32_t number1, int32_t number2)
    : parent(parent),
      baseText(std::move(baseText)),
      text(std::move(text)),
      kind(kind),
      number1(number1),
      number2(number2) {}

CTextNode::CTextNode(CTextNode* parent, std::u16string_view text, int32_t kind, int32_t number1,
                     int32_t number2)
    : parent(parent), baseText(text), text(text), kind(kind), number1(number1), number2(number2) {}

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
  if (childCount == capacity) GrowCapacity(int64_t{capacity} + kCapacityStep);
  children[childCount] = std::move(node);
  return ++childCount;
}

void CTextNode::ReserveChildren(int32_t count) {
  const int64_t needed = int64_t{childCount} + count;
  if (count <= 0 || needed <= capacity) return;
  const int64_t steps = (needed - capacity + kCapacityStep - 1) / kCapacityStep;
  GrowCapacity(capacity + steps * kCapacityStep);
}

void CTextNode::GrowCapacity(int64_t newCapacity) {
  const int64_t slots = SlotsFor(newCapacity);
  if (slots > SlotsFor(capacity)) {
    auto grown = std::make_unique<std::unique_ptr<CTextNode>[]>(static_cast<size_t>(slots));
    std::move(children.get(), children.get() + childCount, grown.get());
    children = std::move(grown);
  }
  capacity = static_cast<int32_t>(newCapacity);
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

std::unique_ptr<CTextNode> CTextNode::CopyWithoutChildren(CTextNode* newParent) const {
  auto copy = std::make_unique<CTextNode>(newParent, baseText, text, kind, number1, number2);
  copy->state = state;
  copy->GrowCapacity(capacity);
  return copy;
}

std::unique_ptr<CTextNode> CTextNode::Clone(CTextNode* newParent) const {
  auto copy = CopyWithoutChildren(newParent);
  // Pairs of (original, copy) whose children are still to be copied.
  std::vector<std::pair<const CTextNode*, CTextNode*>> pending{{this, copy.get()}};
  while (!pending.empty()) {
    auto [original, target] = pending.back();
    pending.pop_back();
    for (int32_t i = 0; i < original->childCount; ++i) {
      target->children[i] = original->children[i]->CopyWithoutChildren(target);
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

const CTextNode* CTextNode::BestMatch(const CTextNode& a, const CTextNode& s) {
  return CBestMatchIndex(s).Find(a);
}

// Merge: this node takes the source's text; every child takes the texts of
// its best match in the source, or is marked missing. A node's state is known
// once all its children are merged; a gap anywhere below reaches every node
// above it. Frames on a work list stand for the recursion, so a tree of any
// depth merges on a small stack. Each source node's children are indexed
// once, however many nodes look for their match among them.
bool CTextNode::MergeTexts(const CTextNode& source) {
  struct Frame {
    CTextNode* node;
    const CTextNode* source;
    int32_t next;  // the next child to merge
    bool gap;
  };
  std::unordered_map<const CTextNode*, std::unique_ptr<CBestMatchIndex>> indexes;
  auto indexOf = [&indexes](const CTextNode& node) -> CBestMatchIndex& {
    std::unique_ptr<CBestMatchIndex>& index = indexes[&node];
    if (!index) index = std::make_unique<CBestMatchIndex>(node);
    return *index;
  };
  text = source.text;
  std::vector<Frame> frames{{this, &source, 0, false}};
  bool gap = false;
  while (!frames.empty()) {
    Frame& frame = frames.back();
    if (frame.next < frame.node->childCount) {
      CTextNode& child = *frame.node->children[frame.next++];
      const CTextNode* match = indexOf(*frame.source).Find(child);
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
    ApplyTestMarksToText(node.text, replaceBegin, beginText, replaceEnd, endText);
  });
}

}  // namespace tolmeric
