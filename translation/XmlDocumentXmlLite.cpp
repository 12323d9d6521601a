// The element tree read and written with the system's XmlLite. The library
// is loaded when first used: the cross tool chain has no import library
// for it, and every Windows since XP SP2 ships it.
#include <windows.h>
#include <objbase.h>
#include <shlwapi.h>
#include <xmllite.h>

#include <cstdio>
#include <vector>

#include "translation/PoFile.h"
#include "translation/Utf.h"
#include "translation/XmlDocument.h"

namespace tolmeric {

namespace {

using CreateReaderFunction = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);
using CreateWriterFunction = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);

// Releases a COM interface when it goes.
template <typename T>
class CComHolder {
 public:
  CComHolder() = default;
  ~CComHolder() {
    if (p) p->Release();
  }
  CComHolder(const CComHolder&) = delete;
  CComHolder& operator=(const CComHolder&) = delete;
  T* operator->() const { return p; }
  T* p = nullptr;
};

template <typename Function>
Function XmlLiteFunction(const char* name) {
  static HMODULE library = LoadLibraryW(L"xmllite.dll");
  FARPROC address = library ? GetProcAddress(library, name) : nullptr;
  // Through the generic function type, which any function pointer converts to.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

std::string Narrow(const wchar_t* text, UINT length) {
  return ToUtf8(std::u16string(reinterpret_cast<const char16_t*>(text), length));
}

std::wstring Wide(const std::string& text) {
  std::u16string wide = FromUtf8(text);
  return std::wstring(wide.begin(), wide.end());
}

std::string HresultText(HRESULT result) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%08lx", static_cast<unsigned long>(result));
  return buffer;
}

void ReadAttributes(IXmlReader* reader, CXmlElement& element) {
  for (HRESULT hr = reader->MoveToFirstAttribute(); hr == S_OK;
       hr = reader->MoveToNextAttribute()) {
    const wchar_t* name = nullptr;
    const wchar_t* value = nullptr;
    UINT nameLength = 0;
    UINT valueLength = 0;
    reader->GetQualifiedName(&name, &nameLength);
    reader->GetValue(&value, &valueLength);
    element.attributes.emplace_back(Narrow(name, nameLength), Narrow(value, valueLength));
  }
  reader->MoveToElement();
}

}  // namespace

CXmlElement ParseXml(std::string_view bytes, const std::string& fileName) {
  auto create = XmlLiteFunction<CreateReaderFunction>("CreateXmlReader");
  if (create == nullptr) throw CFormatError(fileName, 1, "the system has no XML reader (xmllite.dll)");
  CComHolder<IStream> stream;
  stream.p = SHCreateMemStream(reinterpret_cast<const BYTE*>(bytes.data()),
                               static_cast<UINT>(bytes.size()));
  CComHolder<IXmlReader> reader;
  if (stream.p == nullptr || FAILED(create(__uuidof(IXmlReader), reinterpret_cast<void**>(&reader.p), nullptr)) ||
      FAILED(reader->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Prohibit)) ||
      FAILED(reader->SetInput(stream.p))) {
    throw CFormatError(fileName, 1, "the XML reader cannot be started");
  }

  CXmlElement root;
  bool haveRoot = false;
  std::vector<CXmlElement*> open;
  XmlNodeType type;
  for (;;) {
    const HRESULT hr = reader->Read(&type);
    UINT line = 1;
    reader->GetLineNumber(&line);
    if (hr == S_FALSE) break;
    if (FAILED(hr)) {
      throw CFormatError(fileName, static_cast<int32_t>(line),
                         "not well-formed XML (XmlLite error " + HresultText(hr) + ")");
    }
    if (type == XmlNodeType_Element) {
      CXmlElement* element = nullptr;
      if (open.empty()) {
        if (haveRoot) throw CFormatError(fileName, line, "not well-formed XML: a second root");
        haveRoot = true;
        element = &root;
      } else {
        element = &open.back()->children.emplace_back();
      }
      const wchar_t* name = nullptr;
      UINT length = 0;
      reader->GetQualifiedName(&name, &length);
      element->name = Narrow(name, length);
      element->line = static_cast<int32_t>(line);
      const bool empty = reader->IsEmptyElement();
      ReadAttributes(reader.p, *element);
      if (!empty) open.push_back(element);
      if (static_cast<int32_t>(open.size()) > kMaxXmlDepth) {
        throw CFormatError(fileName, line, "elements nested too deep");
      }
    } else if (type == XmlNodeType_EndElement) {
      if (!open.empty()) open.pop_back();
    } else if ((type == XmlNodeType_Text || type == XmlNodeType_CDATA ||
                type == XmlNodeType_Whitespace) &&
               !open.empty()) {
      const wchar_t* value = nullptr;
      UINT length = 0;
      reader->GetValue(&value, &length);
      open.back()->text += Narrow(value, length);
    }
  }
  if (!haveRoot) throw CFormatError(fileName, 1, "not well-formed XML: no document element");
  return root;
}

namespace {

// Attribute values with the characters markup needs escaped, for a writer
// that leaves them as they are.
std::wstring EscapeAttribute(const std::wstring& value) {
  std::wstring out;
  for (wchar_t c : value) {
    switch (c) {
      case L'&': out += L"&amp;"; break;
      case L'<': out += L"&lt;"; break;
      case L'"': out += L"&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string WriteDocument(const CXmlElement& root, bool escapeAttributes);

// Windows' XmlLite escapes attribute values; Wine's leaves them as they
// are and writes a document no reader accepts. A one-attribute document
// tells which of the two this is.
bool WriterEscapesAttributes() {
  static const bool escapes = [] {
    CXmlElement probe;
    probe.name = "p";
    probe.SetAttribute("a", "&");
    return WriteDocument(probe, false).find("&amp;") != std::string::npos;
  }();
  return escapes;
}

void WriteElement(IXmlWriter* writer, const CXmlElement& element, bool escapeAttributes) {
  // A default namespace is declared through the element that opens it.
  const std::string* space = element.Attribute("xmlns");
  const std::wstring spaceUri = space ? Wide(*space) : std::wstring();
  writer->WriteStartElement(nullptr, Wide(element.name).c_str(),
                            space ? spaceUri.c_str() : nullptr);
  for (const auto& [key, value] : element.attributes) {
    const std::wstring name = Wide(key);
    const size_t colon = name.find(L':');
    const std::wstring text = escapeAttributes ? EscapeAttribute(Wide(value)) : Wide(value);
    if (name == L"xmlns") continue;
    if (colon != std::wstring::npos) {
      writer->WriteAttributeString(name.substr(0, colon).c_str(), name.substr(colon + 1).c_str(),
                                   nullptr, text.c_str());
    } else {
      writer->WriteAttributeString(nullptr, name.c_str(), nullptr, text.c_str());
    }
  }
  if (!element.text.empty()) writer->WriteString(Wide(element.text).c_str());
  for (const CXmlElement& child : element.children) {
    WriteElement(writer, child, escapeAttributes);
  }
  writer->WriteEndElement();
}

std::string WriteDocument(const CXmlElement& root, bool escapeAttributes) {
  auto create = XmlLiteFunction<CreateWriterFunction>("CreateXmlWriter");
  CComHolder<IStream> stream;
  CComHolder<IXmlWriter> writer;
  if (create == nullptr || FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream.p)) ||
      FAILED(create(__uuidof(IXmlWriter), reinterpret_cast<void**>(&writer.p), nullptr)) ||
      FAILED(writer->SetProperty(XmlWriterProperty_Indent, TRUE)) ||
      FAILED(writer->SetOutput(stream.p))) {
    throw std::runtime_error("the system's XML writer (xmllite.dll) cannot be started");
  }
  writer->WriteStartDocument(XmlStandalone_Omit);
  WriteElement(writer.p, root, escapeAttributes);
  writer->WriteEndDocument();
  writer->Flush();
  HGLOBAL memory = nullptr;
  GetHGlobalFromStream(stream.p, &memory);
  STATSTG status{};
  stream->Stat(&status, STATFLAG_NONAME);
  const char* data = static_cast<const char*>(GlobalLock(memory));
  std::string text(data, data + status.cbSize.QuadPart);
  GlobalUnlock(memory);
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
  return text + "\n";
}

}  // namespace

std::string SerializeXml(const CXmlElement& root) {
  return WriteDocument(root, !WriterEscapesAttributes());
}

}  // namespace tolmeric
