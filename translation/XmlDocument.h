// A small element tree of an XML document, read and written by the
// platform's XML library (pugixml natively, XmlLite on Windows). Texts are
// UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tolmeric {

// Elements nested deeper than this are refused.
inline constexpr int32_t kMaxXmlDepth = 64;

struct CXmlElement {
  std::string name;  // as written, with its prefix
  std::vector<std::pair<std::string, std::string>> attributes;
  std::vector<CXmlElement> children;
  std::string text;  // the character data directly inside, in order
  int32_t line = 0;  // 1-based line of the start tag, when read

  // The name without its prefix.
  std::string_view LocalName() const;
  // The attribute's value, or null when it is absent.
  const std::string* Attribute(std::string_view attributeName) const;
  CXmlElement& AddChild(std::string childName);
  CXmlElement& SetAttribute(std::string attributeName, std::string value);
};

// Reads a whole document; CFormatError with the line for a document that is
// not well-formed or nests too deep.
CXmlElement ParseXml(std::string_view bytes, const std::string& fileName);

// Writes the document in UTF-8 with a declaration, indented by two blanks;
// an element with text and no children stays on one line.
std::string SerializeXml(const CXmlElement& root);

}  // namespace tolmeric
