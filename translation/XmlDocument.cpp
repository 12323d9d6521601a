#include "translation/XmlDocument.h"

namespace tolmeric {

std::string_view CXmlElement::LocalName() const {
  std::string_view local = name;
  if (size_t colon = local.find(':'); colon != std::string_view::npos) {
    local.remove_prefix(colon + 1);
  }
  return local;
}

const std::string* CXmlElement::Attribute(std::string_view attributeName) const {
  for (const auto& [key, value] : attributes) {
    if (key == attributeName) return &value;
  }
  return nullptr;
}

CXmlElement& CXmlElement::AddChild(std::string childName) {
  children.emplace_back();
  children.back().name = std::move(childName);
  return children.back();
}

CXmlElement& CXmlElement::SetAttribute(std::string attributeName, std::string value) {
  attributes.emplace_back(std::move(attributeName), std::move(value));
  return *this;
}

}  // namespace tolmeric
