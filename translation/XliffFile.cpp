#include "translation/XliffFile.h"

#include "translation/ExchangeDocument.h"
#include "translation/PoFile.h"
#include "translation/Utf.h"
#include "translation/XmlDocument.h"

namespace tolmeric {

namespace {

// The resource types XLIFF names for the kinds of texts; none for a control
// of another type.
const char* ResourceTypeOf(int32_t kind) {
  switch (kind) {
    case kKindDialog:
    case kKindStandardSwitchDialog: return "dialog";
    case kKindStaticText: return "label";
    case kKindGroupBox: return "groupbox";
    case kKindPushButton: return "pushbutton";
    case kKindPopup: return "popupmenu";
    case kKindMenuItem: return "menuitem";
    case kKindStringEntry: return "string";
    default: return nullptr;
  }
}

void AddUnit(CXmlElement& body, const CExchangeEntry& entry, size_t number) {
  CXmlElement& unit = body.AddChild("trans-unit");
  unit.SetAttribute("id", std::to_string(number));
  unit.SetAttribute("resname", ToUtf8(entry.context));
  if (const char* type = ResourceTypeOf(entry.kind)) unit.SetAttribute("restype", type);
  if (entry.width >= 0 && entry.height >= 0) {
    unit.SetAttribute("maxwidth", std::to_string(entry.width));
    unit.SetAttribute("maxheight", std::to_string(entry.height));
    unit.SetAttribute("size-unit", "dlgunit");
  }
  unit.SetAttribute("xml:space", "preserve");
  unit.AddChild("source").text = ToUtf8(entry.source);
  if (!entry.target.empty() || entry.isNew) {
    CXmlElement& target = unit.AddChild("target");
    target.text = ToUtf8(entry.target);
    target.SetAttribute("state", entry.isNew   ? "new"
                                 : entry.fuzzy ? "needs-review-translation"
                                               : "translated");
  }
  unit.AddChild("note").SetAttribute("from", "developer").text = NoteOf(entry);
  for (const std::string& reference : entry.references) {
    const size_t colon = reference.rfind(':');
    CXmlElement& group = unit.AddChild("context-group");
    group.SetAttribute("purpose", "location");
    group.AddChild("context").SetAttribute("context-type", "sourcefile").text =
        reference.substr(0, colon);
    if (colon != std::string::npos) {
      group.AddChild("context").SetAttribute("context-type", "linenumber").text =
          reference.substr(colon + 1);
    }
  }
}

bool NeedsReview(const CXmlElement& unit, const CXmlElement& target) {
  const std::string* state = target.Attribute("state");
  if (state != nullptr && (*state == "new" || state->compare(0, 6, "needs-") == 0)) return true;
  const std::string* approved = unit.Attribute("approved");
  return approved != nullptr && *approved == "no";
}

const CXmlElement* ChildNamed(const CXmlElement& element, std::string_view name) {
  for (const CXmlElement& child : element.children) {
    if (child.LocalName() == name) return &child;
  }
  return nullptr;
}

// The text of a source or target; inline markup has no place in a
// language file's texts.
std::u16string PlainText(const CXmlElement& element, const std::string& fileName) {
  if (!element.children.empty()) {
    throw CFormatError(fileName, element.children.front().line,
                       "inline element <" + element.children.front().name + "> in <" +
                           element.name + "> is not supported");
  }
  return FromUtf8(element.text);
}

std::vector<std::string> ReferencesOf(const CXmlElement& unit) {
  std::vector<std::string> references;
  for (const CXmlElement& group : unit.children) {
    if (group.LocalName() != "context-group") continue;
    std::string file;
    std::string line;
    for (const CXmlElement& context : group.children) {
      const std::string* type = context.Attribute("context-type");
      if (type == nullptr) continue;
      if (*type == "sourcefile") file = context.text;
      if (*type == "linenumber") line = context.text;
    }
    if (!file.empty()) references.push_back(line.empty() ? file : file + ":" + line);
  }
  return references;
}

CExchangeEntry EntryOf(const CXmlElement& unit, const std::string& fileName) {
  const CXmlElement* source = ChildNamed(unit, "source");
  if (source == nullptr) throw CFormatError(fileName, unit.line, "<trans-unit> without <source>");
  CExchangeEntry entry;
  entry.line = unit.line;
  if (const std::string* resname = unit.Attribute("resname")) entry.context = FromUtf8(*resname);
  entry.source = PlainText(*source, fileName);
  if (const CXmlElement* target = ChildNamed(unit, "target")) {
    entry.target = PlainText(*target, fileName);
    entry.fuzzy = NeedsReview(unit, *target);
    const std::string* state = target->Attribute("state");
    entry.isNew = state != nullptr && *state == "new";
  }
  entry.references = ReferencesOf(unit);
  return entry;
}

// Trans-units stand in a file's body, possibly inside groups.
void CollectUnits(const CXmlElement& element, const std::string& fileName,
                  std::vector<CExchangeEntry>& into) {
  for (const CXmlElement& child : element.children) {
    if (child.LocalName() == "trans-unit") {
      // The catalogue header that converters from PO carry along.
      const std::string* type = child.Attribute("restype");
      if (type != nullptr && *type == "x-gettext-domain-header") continue;
      into.push_back(EntryOf(child, fileName));
    } else if (child.LocalName() == "group" || child.LocalName() == "body") {
      CollectUnits(child, fileName, into);
    }
  }
}

}  // namespace

std::string WriteXliffDocument(const CExchangeDocument& document) {
  const CExchangeHeader& header = document.header;
  CXmlElement root;
  root.name = "xliff";
  root.SetAttribute("version", "1.2");
  root.SetAttribute("xmlns", "urn:oasis:names:tc:xliff:document:1.2");
  CXmlElement& file = root.AddChild("file");
  std::string program = ToUtf8(header.programName);
  file.SetAttribute("original", program.empty() ? "language file" : program);
  file.SetAttribute("source-language",
                    header.sourceLanguage.empty() ? "und" : header.sourceLanguage);
  if (!header.targetLanguage.empty()) file.SetAttribute("target-language", header.targetLanguage);
  file.SetAttribute("datatype", "winres");
  if (!program.empty()) file.SetAttribute("product-name", program);
  if (!header.programVersion.empty()) {
    file.SetAttribute("product-version", ToUtf8(header.programVersion));
  }
  CXmlElement& body = file.AddChild("body");
  for (size_t i = 0; i < document.entries.size(); ++i) AddUnit(body, document.entries[i], i + 1);
  return SerializeXml(root);
}

CExchangeDocument ReadXliffDocument(std::string_view bytes, const std::string& fileName) {
  const CXmlElement root = ParseXml(bytes, fileName);
  if (root.LocalName() != "xliff") {
    throw CFormatError(fileName, root.line,
                       "not an XLIFF document: the root element is <" + root.name + ">");
  }
  CExchangeDocument document;
  for (const CXmlElement& file : root.children) {
    if (file.LocalName() != "file") continue;
    if (const std::string* source = file.Attribute("source-language")) {
      document.header.sourceLanguage = *source;
    }
    if (const std::string* target = file.Attribute("target-language")) {
      document.header.targetLanguage = *target;
    }
    CollectUnits(file, fileName, document.entries);
  }
  return document;
}

}  // namespace tolmeric
