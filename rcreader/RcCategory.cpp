#include "rcreader/RcCategory.h"

namespace tolmeric {

namespace {

const char16_t* CategoryText(int32_t categoryKind) {
  switch (categoryKind) {
    case kKindDialogCategory: return u"Dialoge";
    case kKindMenuCategory: return u"Menus";
    default: return u"Stringtables";
  }
}

}  // namespace

int32_t CRcCategory::Parse(const CRcTokenList&, int32_t, CProblemLog&) { return kParseFailed; }

std::unique_ptr<CTextNode> CRcCategory::BuildNode(CTextNode* parent, SourcePlaces* places) const {
  const char16_t* text = CategoryText(categoryKind_);
  auto node = std::make_unique<CTextNode>(parent, text, text, categoryKind_, -1, -1);
  std::vector<std::unique_ptr<CTextNode>> children;
  children.reserve(elements_.size());
  for (const auto& element : elements_) {
    if (auto child = element->BuildNode(node.get(), places)) children.push_back(std::move(child));
  }
  AddChildNodes(*node, std::move(children));
  return node;
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
