#include "translation/PoFile.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <utility>

#include "translation/Utf.h"

namespace tolmeric {

CFormatError::CFormatError(const std::string& fileName, int32_t line, const std::string& reason)
    : std::runtime_error(fileName + ":" + std::to_string(line) + ": " + reason),
      line_(line),
      reason_(reason) {}

bool CPoEntry::HasFlag(std::string_view flag) const {
  return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

std::string CPoFile::HeaderField(std::string_view name) const {
  if (entries.empty() || !entries.front().IsHeader()) return {};
  const std::string& header = entries.front().msgstr;
  size_t start = 0;
  while (start < header.size()) {
    size_t end = header.find('\n', start);
    if (end == std::string::npos) end = header.size();
    std::string_view line(header.data() + start, end - start);
    if (line.size() > name.size() && line.substr(0, name.size()) == name &&
        line[name.size()] == ':') {
      std::string_view value = line.substr(name.size() + 1);
      while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
      while (!value.empty() && value.back() == ' ') value.remove_suffix(1);
      return std::string(value);
    }
    start = end + 1;
  }
  return {};
}

namespace {

struct PoLine {
  int32_t number;
  std::string_view text;  // without "#~ " for obsolete lines
  bool obsolete;
};

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && text.substr(0, prefix.size()) == prefix;
}

std::string_view TrimLeft(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  return text;
}

std::string_view TrimRight(std::string_view text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
    text.remove_suffix(1);
  }
  return text;
}

std::string Lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

class CPoReader {
 public:
  CPoReader(std::string_view bytes, const std::string& fileName) : fileName_(fileName) {
    SplitLines(bytes);
  }

  // file := { blank-line | entry }
  CPoFile ReadFile() {
    CPoFile file;
    std::map<std::pair<std::string, std::string>, int32_t> seen;
    while (SkipBlankLines()) {
      CPoEntry entry = ReadEntry();
      if (!entry.obsolete) {
        auto key = std::make_pair(entry.hasContext ? "\x04" + entry.context : std::string(),
                                  entry.msgid);
        auto [where, fresh] = seen.emplace(key, entry.line);
        if (!fresh) {
          Fail(entry.line, "duplicate message definition (first at line " +
                               std::to_string(where->second) + ")");
        }
      }
      file.entries.push_back(std::move(entry));
    }
    CheckCharset(file);
    return file;
  }

 private:
  void SplitLines(std::string_view bytes) {
    if (StartsWith(bytes, "\xEF\xBB\xBF")) bytes.remove_prefix(3);
    int32_t number = 0;
    size_t start = 0;
    while (start <= bytes.size()) {
      size_t end = bytes.find('\n', start);
      if (end == std::string_view::npos) end = bytes.size();
      ++number;
      std::string_view text = TrimRight(bytes.substr(start, end - start));
      CheckUtf8(text, number);
      bool obsolete = false;
      if (StartsWith(text, "#~") && !StartsWith(text, "#~|")) {
        obsolete = true;
        text = TrimLeft(text.substr(2));
      }
      lines_.push_back({number, text, obsolete});
      if (end == bytes.size()) break;
      start = end + 1;
    }
  }

  void CheckUtf8(std::string_view text, int32_t number) const {
    if (ToUtf8(FromUtf8(text)) != text) Fail(number, "invalid UTF-8");
  }

  [[noreturn]] void Fail(int32_t line, const std::string& reason) const {
    throw CFormatError(fileName_, line, reason);
  }

  bool AtEnd() const { return pos_ >= lines_.size(); }
  const PoLine& Current() const { return lines_[pos_]; }
  int32_t CurrentNumber() const {
    return AtEnd() ? (lines_.empty() ? 1 : lines_.back().number) : Current().number;
  }

  // Skips empty lines; false at the end of the file.
  bool SkipBlankLines() {
    while (!AtEnd() && TrimLeft(Current().text).empty()) ++pos_;
    return !AtEnd();
  }

  // entry := { comment } [ "msgctxt" string ] "msgid" string "msgstr" string
  CPoEntry ReadEntry() {
    CPoEntry entry;
    entry.line = Current().number;
    ReadComments(entry);
    if (AtEnd() || TrimLeft(Current().text).empty()) {
      Fail(entry.line, "comments without a message (msgid expected)");
    }
    entry.obsolete = Current().obsolete;
    if (IsKeywordLine("msgctxt")) {
      entry.hasContext = true;
      entry.context = ReadKeywordString("msgctxt");
    }
    if (!IsKeywordLine("msgid")) Fail(CurrentNumber(), "msgid expected");
    entry.msgid = ReadKeywordString("msgid");
    if (IsKeywordLine("msgid_plural")) {
      Fail(CurrentNumber(),
           "plural forms (msgid_plural) are not supported: a language file has one text per "
           "message");
    }
    if (!AtEnd() && StartsWith(TrimLeft(Current().text), "msgstr[")) {
      Fail(CurrentNumber(), "plural forms (msgstr[N]) are not supported");
    }
    if (!IsKeywordLine("msgstr")) Fail(CurrentNumber(), "msgstr expected after msgid");
    entry.msgstr = ReadKeywordString("msgstr");
    return entry;
  }

  // comment := "#" text | "#." text | "#:" references | "#," flags | "#|" previous
  void ReadComments(CPoEntry& entry) {
    while (!AtEnd() && !Current().obsolete && StartsWith(Current().text, "#")) {
      std::string_view text = Current().text;
      if (StartsWith(text, "#.")) {
        entry.extractedComments.emplace_back(TrimLeft(text.substr(2)));
      } else if (StartsWith(text, "#:")) {
        ReadWords(text.substr(2), ' ', entry.references);
      } else if (StartsWith(text, "#,")) {
        ReadWords(text.substr(2), ',', entry.flags);
      } else if (StartsWith(text, "#|") || StartsWith(text, "#~|")) {
        entry.previous.emplace_back(text);
      } else {
        std::string_view comment = text.substr(1);
        if (StartsWith(comment, " ")) comment.remove_prefix(1);
        entry.translatorComments.emplace_back(comment);
      }
      ++pos_;
    }
  }

  static void ReadWords(std::string_view text, char separator, std::vector<std::string>& into) {
    size_t start = 0;
    while (start <= text.size()) {
      size_t end = text.find(separator, start);
      if (end == std::string_view::npos) end = text.size();
      std::string_view word = TrimRight(TrimLeft(text.substr(start, end - start)));
      if (!word.empty()) into.emplace_back(word);
      start = end + 1;
    }
  }

  bool IsKeywordLine(std::string_view keyword) const {
    if (AtEnd()) return false;
    std::string_view text = TrimLeft(Current().text);
    return StartsWith(text, keyword) && text.size() > keyword.size() &&
           (text[keyword.size()] == ' ' || text[keyword.size()] == '\t' ||
            text[keyword.size()] == '"');
  }

  // string := keyword quoted { quoted }   (continuations on the lines after)
  std::string ReadKeywordString(std::string_view keyword) {
    const bool obsolete = Current().obsolete;
    std::string value;
    ReadQuoted(TrimLeft(TrimLeft(Current().text).substr(keyword.size())), Current().number,
               value);
    ++pos_;
    while (!AtEnd() && Current().obsolete == obsolete && StartsWith(Current().text, "\"")) {
      ReadQuoted(Current().text, Current().number, value);
      ++pos_;
    }
    return value;
  }

  // quoted := '"' { character | escape } '"'
  void ReadQuoted(std::string_view text, int32_t line, std::string& into) const {
    if (!StartsWith(text, "\"")) Fail(line, "a quoted text expected");
    size_t i = 1;
    for (;;) {
      if (i >= text.size()) Fail(line, "missing closing quote");
      const char c = text[i];
      if (c == '"') break;
      if (c == '\\') {
        i = ReadEscape(text, i + 1, line, into);
      } else {
        into += c;
        ++i;
      }
    }
    if (!TrimLeft(text.substr(i + 1)).empty()) Fail(line, "text after the closing quote");
  }

  // escape := "\" ( "n" | "t" | "r" | "a" | "b" | "f" | "v" | "\" | '"' | "'" | "?"
  //               | octal-digit{1,3} | "x" hex-digit{1,2} )
  size_t ReadEscape(std::string_view text, size_t i, int32_t line, std::string& into) const {
    if (i >= text.size()) Fail(line, "missing closing quote");
    const char c = text[i];
    static const std::string_view kSimple = "ntrabfv\\\"'?";
    static const std::string_view kValues = "\n\t\r\a\b\f\v\\\"'?";
    if (size_t k = kSimple.find(c); k != std::string_view::npos) {
      into += kValues[k];
      return i + 1;
    }
    if (c >= '0' && c <= '7') {
      int value = 0;
      size_t n = 0;
      while (n < 3 && i < text.size() && text[i] >= '0' && text[i] <= '7') {
        value = value * 8 + (text[i] - '0');
        ++i;
        ++n;
      }
      if (value > 0xFF) Fail(line, "octal escape out of range");
      into += static_cast<char>(value);
      return i;
    }
    if (c == 'x') {
      int value = 0;
      size_t n = 0;
      ++i;
      while (n < 2 && i < text.size() && std::isxdigit(static_cast<unsigned char>(text[i]))) {
        const char h = text[i];
        value = value * 16 + (h <= '9' ? h - '0' : (h | 0x20) - 'a' + 10);
        ++i;
        ++n;
      }
      if (n == 0) Fail(line, "invalid escape sequence \\x");
      into += static_cast<char>(value);
      return i;
    }
    Fail(line, std::string("invalid escape sequence \\") + c);
  }

  void CheckCharset(const CPoFile& file) const {
    const std::string contentType = file.HeaderField("Content-Type");
    const size_t at = contentType.find("charset=");
    if (at == std::string::npos) return;
    const std::string charset = Lower(contentType.substr(at + 8));
    if (charset == "utf-8" || charset == "utf8" || charset == "charset" || charset == "ascii" ||
        charset == "us-ascii") {
      return;
    }
    Fail(file.entries.front().line, "character set " + contentType.substr(at + 8) +
                                        " is not supported; convert the file to UTF-8 "
                                        "(msgconv --to-code=UTF-8)");
  }

  std::string fileName_;
  std::vector<PoLine> lines_;
  size_t pos_ = 0;
};

std::string Escape(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 2);
  for (char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '"': out += "\\\""; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      case '\a': out += "\\a"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      case '\v': out += "\\v"; break;
      default: out += c;
    }
  }
  return out;
}

// keyword "text", or keyword "" and one line per piece when the text has a
// line feed before its end.
void WriteKeyword(std::string& out, const char* prefix, const char* keyword,
                  std::string_view text) {
  out += prefix;
  out += keyword;
  const size_t inner = text.find('\n');
  if (inner == std::string_view::npos || inner + 1 == text.size()) {
    out += " \"" + Escape(text) + "\"\n";
    return;
  }
  out += " \"\"\n";
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    end = end == std::string_view::npos ? text.size() : end + 1;
    out += prefix;
    out += "\"" + Escape(text.substr(start, end - start)) + "\"\n";
    start = end;
  }
}

void WriteEntry(std::string& out, const CPoEntry& entry) {
  for (const std::string& comment : entry.translatorComments) {
    out += comment.empty() ? "#\n" : "# " + comment + "\n";
  }
  for (const std::string& comment : entry.extractedComments) out += "#. " + comment + "\n";
  if (!entry.references.empty()) {
    out += "#:";
    for (const std::string& reference : entry.references) out += " " + reference;
    out += "\n";
  }
  if (!entry.flags.empty()) {
    out += "#,";
    for (size_t i = 0; i < entry.flags.size(); ++i) out += (i == 0 ? " " : ", ") + entry.flags[i];
    out += "\n";
  }
  for (const std::string& line : entry.previous) out += line + "\n";
  const char* prefix = entry.obsolete ? "#~ " : "";
  if (entry.hasContext) WriteKeyword(out, prefix, "msgctxt", entry.context);
  WriteKeyword(out, prefix, "msgid", entry.msgid);
  WriteKeyword(out, prefix, "msgstr", entry.msgstr);
}

}  // namespace

CPoFile ReadPoFile(std::string_view bytes, const std::string& fileName) {
  return CPoReader(bytes, fileName).ReadFile();
}

std::string WritePoFile(const CPoFile& file) {
  std::string out;
  for (size_t i = 0; i < file.entries.size(); ++i) {
    if (i > 0) out += "\n";
    WriteEntry(out, file.entries[i]);
  }
  return out;
}

}  // namespace tolmeric
