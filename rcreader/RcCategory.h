// The dialogs, the menus or the string tables of one scan.
#pragma once

#include <vector>

#include "rcreader/RcElement.h"

namespace tolmeric {

class CRcCategory : public CRcElement {
 public:
  // categoryKind: kKindDialogCategory, kKindMenuCategory or
  // kKindStringTableCategory.
  explicit CRcCategory(int32_t categoryKind) : categoryKind_(categoryKind) {}

  // A category is filled by the file, never read from a script.
  int32_t Parse(const CRcTokenList& list, int32_t start, CProblemLog& log) override;
  int32_t Kind() const override { return categoryKind_; }
  // The category node ("Dialoge", "Menus" or "Stringtables"), made even
  // when the category is empty, with the nodes of its elements in order.
  std::unique_ptr<CTextNode> BuildNode(CTextNode* parent,
                                       SourcePlaces* places = nullptr) const override;
  // The same node, letting go of each element once its node is made, so
  // that the elements and the tree are not both held whole: the category
  // is empty afterwards.
  std::unique_ptr<CTextNode> TakeNode(CTextNode* parent, SourcePlaces* places = nullptr);

  // From now on an element added is made into its node at once and let go
  // (with places, the places of its texts noted): the category holds the
  // nodes, which BuildNode and TakeNode give, and no elements.
  void BuildNodesOnAdd(SourcePlaces* places);

  void Add(std::unique_ptr<CRcElement> element);
  // The elements added, also those made into nodes at once.
  int32_t elementCount() const { return added_; }
  // An element kept as it was added, or null.
  const CRcElement* ElementAt(int32_t index) const;

 private:
  std::vector<std::unique_ptr<CRcElement>> elements_;
  int32_t categoryKind_;
  int32_t added_ = 0;
  // With BuildNodesOnAdd: the category node made so far, and the places.
  std::unique_ptr<CTextNode> node_;
  SourcePlaces* places_ = nullptr;
};

// Appends nodes below parent. The child array is sized once, to exactly the
// capacity that adding them one at a time would give (it grows by 10), so
// a category of thousands of dialogs costs linear time.
void AddChildNodes(CTextNode& parent, std::vector<std::unique_ptr<CTextNode>> nodes);

}  // namespace tolmeric
