#include "rcreader/RcDiagnostic.h"

#include <cstdio>

#include "rcreader/RcTokenList.h"
#include "translation/Utf.h"

namespace tolmeric {

namespace {

// Long texts are cut in a message; the whole text stands in the script.
constexpr size_t kMaxShownText = 40;

// The token as a message shows it: a quoted text in quotes (cut when long),
// a single character in apostrophes.
std::string DescribeToken(const CRcToken& token) {
  if (token.type == kTokenNone) return "the end of the scripts";
  if (token.type == kTokenCharacter && token.text == std::u16string_view(u"\0", 1))
    return "the end of the script";
  std::string shown;
  if (token.type == kTokenQuoted) {
    shown += '"';
    shown += ToUtf8(token.text.substr(0, kMaxShownText));
    if (token.text.size() > kMaxShownText) shown += "...";
    shown += '"';
  } else if (token.type == kTokenCharacter) {
    shown += '\'';
    shown += ToUtf8(token.text);
    shown += '\'';
  } else {
    shown += ToUtf8(token.text);
  }
  return shown;
}

std::string CodeText(uint32_t code) { return "TOL" + std::to_string(code); }

const char* SeverityText(DiagnosticSeverity severity) {
  return severity == DiagnosticSeverity::kError ? "error" : "warning";
}

std::string JsonString(const std::string& text) {
  std::string quoted = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += static_cast<char>(c);
    } else if (c < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", c);
      quoted += escape;
    } else {
      quoted += static_cast<char>(c);
    }
  }
  return quoted + "\"";
}

}  // namespace

CRcDiagnostic MakeDiagnostic(uint32_t code, const CRcTokenList& tokens, int32_t start,
                             const CRcExpectation& expectation) {
  // A section read from the name before its keyword may fail before start.
  const int32_t at = expectation.at < start ? start : expectation.at;
  const CRcToken& found = tokens.TokenAt(at);
  const CRcToken& before = tokens.TokenAt(at - 1);
  const bool blameBefore = at > start && before.type != kTokenNone &&
                           (found.type == kTokenNone || found.line > before.line ||
                            found.file != before.file);
  const CRcToken& place = blameBefore ? before : found.type != kTokenNone
                                                     ? found
                                                     : tokens.TokenAt(tokens.count() - 1);
  CRcDiagnostic diagnostic;
  diagnostic.file = place.FileName();
  diagnostic.line = place.line + 1;
  diagnostic.code = code;
  diagnostic.message = std::string("expected ") +
                       (expectation.expected ? expectation.expected : "a statement") +
                       ", found " + DescribeToken(found);
  return diagnostic;
}

std::optional<DiagnosticFormat> ParseDiagnosticFormat(std::string_view name) {
  if (name == "msvc") return DiagnosticFormat::kMsvc;
  if (name == "gcc") return DiagnosticFormat::kGcc;
  if (name == "json") return DiagnosticFormat::kJson;
  return std::nullopt;
}

std::string FormatDiagnostics(const std::vector<CRcDiagnostic>& diagnostics,
                              DiagnosticFormat format) {
  std::string text;
  if (format == DiagnosticFormat::kJson) text += "[";
  for (size_t i = 0; i < diagnostics.size(); ++i) {
    const CRcDiagnostic& d = diagnostics[i];
    const std::string file = ToUtf8(d.file);
    const std::string line = std::to_string(d.line);
    switch (format) {
      case DiagnosticFormat::kMsvc:
        text += file + "(" + line + "): " + SeverityText(d.severity) + " " + CodeText(d.code) +
                ": " + d.message + "\n";
        break;
      case DiagnosticFormat::kGcc:
        text += file + ":" + line + ": " + SeverityText(d.severity) + ": " + d.message + " [" +
                CodeText(d.code) + "]\n";
        break;
      case DiagnosticFormat::kJson:
        text += std::string(i == 0 ? "\n" : ",\n") + "  {\"file\": " + JsonString(file) +
                ", \"line\": " + line + ", \"code\": \"" + CodeText(d.code) +
                "\", \"severity\": \"" + SeverityText(d.severity) +
                "\", \"message\": " + JsonString(d.message) + "}";
        break;
    }
  }
  if (format == DiagnosticFormat::kJson) text += diagnostics.empty() ? "]\n" : "\n]\n";
  return text;
}

}  // namespace tolmeric
