// The element tree read and written with pugixml.
#include <algorithm>
#include <pugixml.hpp>
#include <sstream>

#include "translation/PoFile.h"
#include "translation/XmlDocument.h"

namespace tolmeric {

namespace {

class CLineTable {
 public:
  explicit CLineTable(std::string_view bytes) {
    starts_.push_back(0);
    for (size_t i = 0; i < bytes.size(); ++i) {
      if (bytes[i] == '\n') starts_.push_back(i + 1);
    }
  }
  int32_t LineOf(ptrdiff_t offset) const {
    if (offset < 0) return 1;
    auto after = std::upper_bound(starts_.begin(), starts_.end(), static_cast<size_t>(offset));
    return static_cast<int32_t>(after - starts_.begin());
  }

 private:
  std::vector<size_t> starts_;
};

void Convert(const pugi::xml_node& node, CXmlElement& into, int32_t depth, const CLineTable& lines,
             const std::string& fileName) {
  into.name = node.name();
  into.line = lines.LineOf(node.offset_debug());
  if (depth > kMaxXmlDepth) throw CFormatError(fileName, into.line, "elements nested too deep");
  for (const pugi::xml_attribute& attribute : node.attributes()) {
    into.attributes.emplace_back(attribute.name(), attribute.value());
  }
  for (const pugi::xml_node& child : node.children()) {
    if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
      into.text += child.value();
    } else if (child.type() == pugi::node_element) {
      into.children.emplace_back();
      Convert(child, into.children.back(), depth + 1, lines, fileName);
    }
  }
}

void Build(const CXmlElement& element, pugi::xml_node into) {
  for (const auto& [key, value] : element.attributes) {
    into.append_attribute(key.c_str()).set_value(value.c_str());
  }
  if (!element.text.empty()) into.append_child(pugi::node_pcdata).set_value(element.text.c_str());
  for (const CXmlElement& child : element.children) {
    Build(child, into.append_child(child.name.c_str()));
  }
}

}  // namespace

CXmlElement ParseXml(std::string_view bytes, const std::string& fileName) {
  pugi::xml_document document;
  const CLineTable lines(bytes);
  pugi::xml_parse_result result = document.load_buffer(
      bytes.data(), bytes.size(), pugi::parse_default | pugi::parse_ws_pcdata, pugi::encoding_auto);
  if (!result) {
    throw CFormatError(fileName, lines.LineOf(result.offset),
                       std::string("not well-formed XML: ") + result.description());
  }
  pugi::xml_node root = document.document_element();
  if (!root) throw CFormatError(fileName, 1, "not well-formed XML: no document element");
  CXmlElement element;
  Convert(root, element, 1, lines, fileName);
  return element;
}

std::string SerializeXml(const CXmlElement& root) {
  pugi::xml_document document;
  pugi::xml_node declaration = document.append_child(pugi::node_declaration);
  declaration.append_attribute("version") = "1.0";
  declaration.append_attribute("encoding") = "UTF-8";
  Build(root, document.append_child(root.name.c_str()));
  std::ostringstream out;
  document.save(out, "  ", pugi::format_indent, pugi::encoding_utf8);
  return out.str();
}

}  // namespace tolmeric
