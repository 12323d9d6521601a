#include "rcreader/RcCategory.h"

#include <type_traits>

namespace tolmeric {

namespace {

const char16_t* CategoryText(int32_t categoryKind) {
  switch (categoryKind) {
    case kKindDialogCategory: return u"Dialoge";
    case kKindMenuCategory: return u"Menus";
    default: return u"Stringtables";
  }
}

std::unique_ptr<CTextNode> EmptyCategoryNode(int32_t categoryKind, CTextNode* parent) {
  const char16_t* text = CategoryText(categoryKind);
  return std::make_unique<CTextNode>(parent, text, text, categoryKind, -1, -1);
}

// The category node with the nodes of its elements in order. Given the
// elements to change, it lets go of each once its node is made.
template <typename Elements>
std::unique_ptr<CTextNode> CategoryNode(int32_t categoryKind, Elements& elements,
                                        CTextNode* parent, SourcePlaces* places) {
  auto node = EmptyCategoryNode(categoryKind, parent);
  std::vector<std::unique_ptr<CTextNode>> children;
  children.reserve(elements.size());
  for (auto& element : elements) {
    if (auto child = element->BuildNode(node.get(), places)) children.push_back(std::move(child));
    if constexpr (!std::is_const_v<Elements>) element.reset();
  }
  if constexpr (!std::is_const_v<Elements>) elements.clear();
  AddChildNodes(*node, std::move(children));
  return node;
}

}  // namespace

int32_t CRcCategory::Parse(const CRcTokenList&, int32_t, CProblemLog&) { return kParseFailed; }

std::unique_ptr<CTextNode> CRcCategory::BuildNode(CTextNode* parent, SourcePlaces* places) const {
  if (node_) return node_->Clone(parent);
  return CategoryNode(categoryKind_, elements_, parent, places);
}

// Once taken, the nodes made on adding are gone: the category is empty.
std::unique_ptr<CTextNode> CRcCategory::TakeNode(CTextNode* parent, SourcePlaces* places) {
  if (node_) {
    node_->parent = parent;
    return std::move(node_);
  }
  return CategoryNode(categoryKind_, elements_, parent, places);
}

void CRcCategory::BuildNodesOnAdd(SourcePlaces* places) {
  places_ = places;
  if (!node_) node_ = EmptyCategoryNode(categoryKind_, nullptr);
}

void CRcCategory::Add(std::unique_ptr<CRcElement> element) {
  ++added_;
  if (!node_) {
    elements_.push_back(std::move(element));
    return;
  }
  if (auto child = element->BuildNode(node_.get(), places_)) node_->AddChild(std::move(child));
}

const CRcElement* CRcCategory::ElementAt(int32_t index) const {
  if (index < 0 || static_cast<size_t>(index) >= elements_.size()) return nullptr;
  return elements_[static_cast<size_t>(index)].get();
}

void AddChildNodes(CTextNode& parent, std::vector<std::unique_ptr<CTextNode>> nodes) {
  parent.ReserveChildren(static_cast<int32_t>(nodes.size()));
  for (auto& node : nodes) parent.AddChild(std::move(node));
}

}  // namespace tolmeric
