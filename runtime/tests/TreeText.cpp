#include "runtime/tests/TreeText.h"

#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

#include "translation/Utf.h"

#ifndef TOLMERIC_TEST_DATA
#error "TOLMERIC_TEST_DATA must name the tests' data folder"
#endif

namespace tolmeric::testing {

namespace {

[[noreturn]] void Fail(int32_t line, const std::string& what) {
  throw std::runtime_error("line " + std::to_string(line) + ": " + what);
}

// "text" with escapes, starting at text[pos] == '"'; pos ends after it.
std::u16string ReadQuoted(const std::string& text, size_t& pos, int32_t line) {
  std::string value;
  for (++pos; pos < text.size() && text[pos] != '"'; ++pos) {
    if (text[pos] != '\\') {
      value += text[pos];
      continue;
    }
    if (++pos == text.size()) break;
    value += text[pos] == 'n' ? '\n' : text[pos];
  }
  if (pos == text.size()) Fail(line, "unterminated text");
  ++pos;
  return FromUtf8(value);
}

CTextLine ReadLine(const std::string& text, int32_t number) {
  CTextLine line;
  line.number = number;
  size_t pos = text.find_first_not_of(' ');
  if (pos % 2 != 0) Fail(number, "indentation is not a multiple of two");
  line.depth = static_cast<int32_t>(pos / 2);
  const size_t keywordEnd = std::min(text.find(' ', pos), text.size());
  line.keyword = text.substr(pos, keywordEnd - pos);
  pos = keywordEnd;
  while ((pos = text.find_first_not_of(' ', pos)) != std::string::npos) {
    if (text[pos] == '"') {
      line.values.push_back(ReadQuoted(text, pos, number));
    } else {
      const size_t end = std::min(text.find(' ', pos), text.size());
      line.values.push_back(FromUtf8(text.substr(pos, end - pos)));
      pos = end;
    }
  }
  return line;
}

struct Category {
  const char16_t* name;
  int32_t kind;
};

const std::map<std::string, Category>& Categories() {
  static const std::map<std::string, Category> categories = {
      {"dialogs", {u"Dialoge", kKindDialogCategory}},
      {"menus", {u"Menus", kKindMenuCategory}},
      {"strings", {u"Stringtables", kKindStringTableCategory}},
  };
  return categories;
}

const std::map<std::string, int32_t>& Kinds() {
  static const std::map<std::string, int32_t> kinds = {
      {"dialog", kKindDialog},   {"switch", kKindStandardSwitchDialog},
      {"control", kKindControl}, {"static", kKindStaticText},
      {"group", kKindGroupBox},  {"button", kKindPushButton},
      {"menu", kKindMenu},       {"popup", kKindPopup},
      {"item", kKindMenuItem},   {"table", kKindStringTable},
      {"string", kKindStringEntry},
  };
  return kinds;
}

}  // namespace

std::vector<CTextLine> ReadTextLines(const std::string& text) {
  std::vector<CTextLine> lines;
  std::istringstream in(text);
  std::string raw;
  for (int32_t number = 1; std::getline(in, raw); ++number) {
    const size_t first = raw.find_first_not_of(' ');
    if (first == std::string::npos || raw[first] == '#') continue;
    lines.push_back(ReadLine(raw, number));
  }
  return lines;
}

std::unique_ptr<CLanguageData> MakeLanguageFromLines(const std::vector<CTextLine>& lines) {
  auto root = std::make_unique<CTextNode>(nullptr, u"RCFile", u"RCFileText", kKindRoot, -1, -1);
  std::vector<CTextNode*> open{root.get()};  // the last node of each depth
  for (const CTextLine& line : lines) {
    if (line.depth + 1 > static_cast<int32_t>(open.size())) Fail(line.number, "too deep");
    open.resize(static_cast<size_t>(line.depth) + 1);
    CTextNode& parent = *open.back();
    std::unique_ptr<CTextNode> node;
    if (line.depth == 0) {
      const auto category = Categories().find(line.keyword);
      if (category == Categories().end()) Fail(line.number, "unknown category " + line.keyword);
      node = std::make_unique<CTextNode>(&parent, category->second.name, category->second.name,
                                         category->second.kind, -1, -1);
    } else {
      const auto kind = Kinds().find(line.keyword);
      if (kind == Kinds().end() || line.values.empty() || line.values.size() > 2) {
        Fail(line.number, "expected a kind, a base text and maybe a text");
      }
      const std::u16string& base = line.values[0];
      node = std::make_unique<CTextNode>(&parent, base, line.values.back(), kind->second, -1, -1);
    }
    open.push_back(node.get());
    parent.AddChild(std::move(node));
  }
  root->ResetStates();
  return std::make_unique<CLanguageData>(std::move(root));
}

std::unique_ptr<CLanguageData> MakeLanguageFromText(const std::string& text) {
  return MakeLanguageFromLines(ReadTextLines(text));
}

std::string Quoted(const std::u16string& text) {
  std::string quoted = "\"";
  for (char c : ToUtf8(text)) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c == '\n' ? std::string("\\n") : std::string(1, c);
  }
  return quoted + "\"";
}

std::string ReadTestData(const std::string& name) {
  std::ifstream in(std::string(TOLMERIC_TEST_DATA) + "/" + name, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read test data " + name);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

}  // namespace tolmeric::testing
