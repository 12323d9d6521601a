// One node of the tree of texts: every translatable text of an application,
// as the resource reader builds it, a language file stores it and the
// run-time module searches and merges it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace tolmeric {

// What a node stands for. The numbers are stored in language files and looked
// up by the run-time module, so they are fixed values.
enum TextNodeKind : int32_t {
  kKindDialog = 1,
  kKindControl = 2,
  kKindMenu = 3,
  kKindPopup = 4,
  kKindMenuItem = 5,
  kKindStringTable = 6,
  kKindRoot = 7,
  kKindDialogCategory = 8,
  kKindMenuCategory = 9,
  kKindStringTableCategory = 10,
  kKindStringEntry = 11,
  kKindStaticText = 21,
  kKindGroupBox = 22,
  kKindPushButton = 23,
  kKindStandardSwitchDialog = 30,
  kKindNotSet = 99,
};

// Match states of a node.
enum TextNodeState : int32_t {
  kStateLeafPresent = 0,
  kStateAllPresent = 1,
  kStateSomeMissing = 2,
  kStateLeafMissing = 3,
  kStateSubtreeMissing = 5,
};

// No class derives from a node: it has no virtual functions, which keeps
// each of the many nodes of a scan small.
class CTextNode final {
 public:
  // The plain constructor: a node about to be read from a file.
  explicit CTextNode(CTextNode* parent);
  // The full constructor: a node made by the resource reader.
  CTextNode(CTextNode* parent, std::u16string baseText, std::u16string text, int32_t kind,
            int32_t number1, int32_t number2);
  // A node whose base text and text are both text, each made straight from
  // the view.
  CTextNode(CTextNode* parent, std::u16string_view text, int32_t kind, int32_t number1,
            int32_t number2);
  ~CTextNode();

  // Nodes live in the node pool (see NodePool.h).
  static void* operator new(std::size_t size);
  static void operator delete(void* node) noexcept;

  CTextNode(const CTextNode&) = delete;
  CTextNode& operator=(const CTextNode&) = delete;

  // Appends a child (the caller has set its parent) and returns the new
  // child count. capacity grows by exactly 10 slots when full; the memory
  // behind it grows geometrically beyond a hundred slots, so adding children
  // one at a time stays linear however many there are.
  int32_t AddChild(std::unique_ptr<CTextNode> node);
  // Makes room for count more children at once, with the capacity that
  // adding them one at a time would give (the next multiple of 10).
  void ReserveChildren(int32_t count);
  // The child at index, or null when the index is not below childCount.
  CTextNode* ChildAt(int32_t index) const;
  // 1 for this node plus the nodes of every subtree below it.
  int32_t CountNodes() const;
  // Deep copy with the same capacity, hung below parent.
  std::unique_ptr<CTextNode> Clone(CTextNode* parent) const;
  // Follows a path of n base texts, always into the first equal child.
  CTextNode* FindPath(const std::u16string* texts, int32_t n);
  void ResetStates();
  void MarkMissing();
  // Merges the texts of source onto this tree; true when something had no
  // counterpart in source.
  bool MergeTexts(const CTextNode& source);
  // Makes this tree's base texts the texts of other, below depth 1.
  void CopyTextsAsBase(const CTextNode& other, int32_t depth);
  // Overwrites the beginning and the end of every text with markers,
  // keeping each text's length and leaving alone what the application reads
  // in it (see ApplyTestMarksToText).
  void ApplyTestMarks(bool replaceBegin, std::u16string beginText, bool replaceEnd,
                      std::u16string endText);
  // Replaces the text of every node of the subtree by transform(text).
  void TransformTexts(const std::function<std::u16string(const std::u16string&)>& transform);

  // The child set difference: children of a whose base text no child of b
  // has (onlyA), and the other way round (onlyB).
  struct Difference {
    int32_t onlyA = 0;
    int32_t onlyB = 0;
  };
  static Difference ChildSetDifference(const CTextNode& a, const CTextNode& b);
  // The best match of a among the children of s, or null.
  static const CTextNode* BestMatch(const CTextNode& a, const CTextNode& s);

  // The fields are ordered so that none needs padding.
  CTextNode* parent = nullptr;
  // Owned children in stored order; change only through AddChild and
  // ReserveChildren, which keep its length in step with capacity (see
  // SlotsFor in TextNode.cpp).
  std::unique_ptr<std::unique_ptr<CTextNode>[]> children;
  int32_t childCount = 0;
  int32_t capacity = 0;
  std::u16string baseText;
  std::u16string text;
  int32_t kind = kKindNotSet;
  int32_t number1 = 0;
  int32_t number2 = 0;
  int32_t state = kStateLeafPresent;

 private:
  // Sets capacity to newCapacity, moving the children to a longer array when
  // the new capacity needs more slots.
  void GrowCapacity(int64_t newCapacity);
  // This node's fields and an empty child array of the same capacity.
  std::unique_ptr<CTextNode> CopyWithoutChildren(CTextNode* newParent) const;
};

}  // namespace tolmeric
