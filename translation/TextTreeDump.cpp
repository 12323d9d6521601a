#include "translation/TextTreeDump.h"

#include <cstdint>
#include <cstdio>
#include <string_view>

#include "translation/Utf.h"

namespace tolmeric {

namespace {

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

void AppendHex(std::string& out, const char* format, unsigned value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, format, value);
  out += buffer;
}

enum class Flavour { kText, kJson };

// Appends text between quotes. Printable characters go out as UTF-8;
// quotes, backslashes, control characters and lone surrogates are escaped.
void AppendQuoted(std::string& out, std::u16string_view text, Flavour flavour) {
  out += '"';
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    switch (c) {
      case u'"': out += "\\\""; continue;
      case u'\\': out += "\\\\"; continue;
      case u'\n': out += "\\n"; continue;
      case u'\r': out += "\\r"; continue;
      case u'\t': out += "\\t"; continue;
      default: break;
    }
    if (c < 0x20 || c == 0x7F) {
      if (flavour == Flavour::kJson)
        AppendHex(out, "\\u%04X", c);
      else
        AppendHex(out, "\\x%02X", c);
    } else if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      out += ToUtf8(text.substr(i, 2));
      ++i;
    } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
      AppendHex(out, "\\u%04X", c);
    } else {
      out += ToUtf8(text.substr(i, 1));
    }
  }
  out += '"';
}

void DumpLines(std::string& out, const CTextNode& node, int depth) {
  out.append(static_cast<size_t>(depth) * 2, ' ');
  out += std::to_string(node.kind) + ' ' + std::to_string(node.number1) + ' ' +
         std::to_string(node.number2) + ' ' + std::to_string(node.state) + ' ';
  AppendQuoted(out, node.baseText, Flavour::kText);
  out += ' ';
  AppendQuoted(out, node.text, Flavour::kText);
  out += '\n';
  for (int32_t i = 0; i < node.childCount; ++i) {
    if (const CTextNode* child = node.ChildAt(i)) DumpLines(out, *child, depth + 1);
  }
}

void DumpJson(std::string& out, const CTextNode& node) {
  out += "{\"kind\":" + std::to_string(node.kind) + ",\"number1\":" +
         std::to_string(node.number1) + ",\"number2\":" + std::to_string(node.number2) +
         ",\"state\":" + std::to_string(node.state) + ",\"baseText\":";
  AppendQuoted(out, node.baseText, Flavour::kJson);
  out += ",\"text\":";
  AppendQuoted(out, node.text, Flavour::kJson);
  out += ",\"children\":[";
  bool first = true;
  for (int32_t i = 0; i < node.childCount; ++i) {
    const CTextNode* child = node.ChildAt(i);
    if (!child) continue;
    if (!first) out += ',';
    first = false;
    DumpJson(out, *child);
  }
  out += "]}";
}

}  // namespace

std::string QuoteText(std::u16string_view text) {
  std::string out;
  AppendQuoted(out, text, Flavour::kText);
  return out;
}

std::string JsonText(std::u16string_view text) {
  std::string out;
  AppendQuoted(out, text, Flavour::kJson);
  return out;
}

std::string DumpTextTree(const CTextNode& node) {
  std::string out;
  DumpLines(out, node, 0);
  return out;
}

std::string DumpTextTreeJson(const CTextNode& node) {
  std::string out;
  DumpJson(out, node);
  out += '\n';
  return out;
}

}  // namespace tolmeric
