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

// The category node with the nodes of its elements in order. Given the
// elements to change, it lets go of each once its node is made.
template <typename Elements>
std::unique_ptr<CTextNode> CategoryNode(int32_t categoryKind, Elements& elements,
                                        CTextNode* parent, SourcePlaces* places) {
  const char16_t* text = CategoryText(categoryKind);
  auto node = std::make_unique<CTextNode>(parent, text, text, categoryKind, -1, -1);
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
  return CategoryNode(categoryKind_, elements_, parent, places);
}

std::unique_ptr<CTextNode> CRcCategory::TakeNode(CTextNode* parent, SourcePlaces* places) {
  return CategoryNode(categoryKind_, elements_, parent, places);
}

void CRcCategory::Add(std::unique_ptr<CRcElement> element) {
  elements_.push_back(std::move(element));
}

const CRcElement* CRcCategory::ElementAt(int32_t index) const {
  if (index < 0 || index >= elementCount()) return nullptr;
  return elements_[static_cast<size_t>(index)].get();
}

void AddChildNodes(CTextNode& parent, std::vector<std::unique_ptr<CTextNode>> nodes) {
  parent.ReserveChildren(static_cast<int32_t>(nodes.size()));
  for (auto& node : nodes) parent.AddChild(std::move(node));
}

}  // namespace tolmeric
