#include "translation/TextTreeDump.h"

#include <cstdint>
#include <cstdio>
#include <string_view>
#include <vector>

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

// Visits node and every node below it, depth first, children in order,
// without recursion, so that a tree of any allowed depth fits any stack:
// enter(node, depth, first) before the node's children, where first tells
// whether it is the first child its parent shows; leave(node) after them.
template <typename Enter, typename Leave>
void Walk(const CTextNode& root, Enter enter, Leave leave) {
  struct Frame {
    const CTextNode* node;
    int32_t next;
    bool shown;  // a child of this node has been entered
  };
  std::vector<Frame> stack;
  enter(root, 0, true);
  stack.push_back({&root, 0, false});
  while (!stack.empty()) {
    Frame& top = stack.back();
    if (top.next >= top.node->childCount) {
      leave(*top.node);
      stack.pop_back();
      continue;
    }
    const CTextNode* child = top.node->ChildAt(top.next++);
    if (child == nullptr) continue;
    const bool first = !top.shown;
    top.shown = true;
    enter(*child, static_cast<int>(stack.size()), first);
    stack.push_back({child, 0, false});
  }
}

void Indent(std::string& out, int depth) { out.append(static_cast<size_t>(depth) * 2, ' '); }

const char* KindName(int32_t kind) {
  switch (kind) {
    case kKindDialog: return "dialog";
    case kKindControl: return "control";
    case kKindMenu: return "menu";
    case kKindPopup: return "popup";
    case kKindMenuItem: return "menu item";
    case kKindStringTable: return "string table";
    case kKindRoot: return "root";
    case kKindDialogCategory: return "dialogs";
    case kKindMenuCategory: return "menus";
    case kKindStringTableCategory: return "string tables";
    case kKindStringEntry: return "string";
    case kKindStaticText: return "static text";
    case kKindGroupBox: return "group box";
    case kKindPushButton: return "push button";
    case kKindStandardSwitchDialog: return "switch dialog";
    case kKindNotSet: return "unset";
    default: return nullptr;
  }
}

// Dialogs and controls have a size; the numbers of other nodes mean nothing.
bool HasSize(int32_t kind) {
  switch (kind) {
    case kKindDialog: case kKindStandardSwitchDialog: case kKindControl:
    case kKindStaticText: case kKindGroupBox: case kKindPushButton:
      return true;
    default:
      return false;
  }
}

// The root and the categories hold fixed texts of the file format.
bool HasOwnText(int32_t kind) {
  return kind != kKindRoot && kind != kKindDialogCategory && kind != kKindMenuCategory &&
         kind != kKindStringTableCategory;
}

const char* StateName(int32_t state) {
  switch (state) {
    case kStateLeafPresent: case kStateAllPresent: return "";
    case kStateSomeMissing: return "partly missing";
    case kStateLeafMissing: case kStateSubtreeMissing: return "missing";
    default: return nullptr;
  }
}

void AppendReadableLine(std::string& out, const CTextNode& node, int depth) {
  Indent(out, depth);
  const char* kind = KindName(node.kind);
  out += kind != nullptr ? std::string(kind) : "kind " + std::to_string(node.kind);
  out += ' ';
  AppendQuoted(out, node.baseText, Flavour::kText);
  if (HasSize(node.kind) && (node.number1 >= 0 || node.number2 >= 0)) {
    out += " (" + std::to_string(node.number1) + " x " + std::to_string(node.number2) + ")";
  }
  if (HasOwnText(node.kind) && node.text != node.baseText) {
    out += ", translated ";
    AppendQuoted(out, node.text, Flavour::kText);
  }
  const char* state = StateName(node.state);
  if (state == nullptr) {
    out += ", state " + std::to_string(node.state);
  } else if (*state != '\0') {
    out += ", ";
    out += state;
  }
  out += '\n';
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
  Walk(
      node,
      [&out](const CTextNode& n, int depth, bool) {
        Indent(out, depth);
        out += std::to_string(n.kind) + ' ' + std::to_string(n.number1) + ' ' +
               std::to_string(n.number2) + ' ' + std::to_string(n.state) + ' ';
        AppendQuoted(out, n.baseText, Flavour::kText);
        out += ' ';
        AppendQuoted(out, n.text, Flavour::kText);
        out += '\n';
      },
      [](const CTextNode&) {});
  return out;
}

std::string DumpTextTreeReadable(const CTextNode& node) {
  std::string out;
  Walk(
      node, [&out](const CTextNode& n, int depth, bool) { AppendReadableLine(out, n, depth); },
      [](const CTextNode&) {});
  return out;
}

std::string DumpTextTreeJson(const CTextNode& node) {
  std::string out;
  Walk(
      node,
      [&out](const CTextNode& n, int, bool first) {
        if (!first) out += ',';
        out += "{\"kind\":" + std::to_string(n.kind) + ",\"number1\":" + std::to_string(n.number1) +
               ",\"number2\":" + std::to_string(n.number2) + ",\"state\":" + std::to_string(n.state) +
               ",\"baseText\":";
        AppendQuoted(out, n.baseText, Flavour::kJson);
        out += ",\"text\":";
        AppendQuoted(out, n.text, Flavour::kJson);
        out += ",\"children\":[";
      },
      [&out](const CTextNode&) { out += "]}"; });
  out += '\n';
  return out;
}

}  // namespace tolmeric
