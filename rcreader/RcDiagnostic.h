// Diagnostics of a scan: one record per statement or section that could not
// be read, in English, in the forms that IDEs and CI systems annotate. They
// are collected beside the tool's problem log, whose format they leave alone.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolmeric {

class CRcTokenList;

// The codes, printed as TOL and the number.
enum RcDiagnosticCode : uint32_t {
  kDiagSection = 1001,      // a dialog, menu or string table section
  kDiagControl = 1002,      // a statement inside a dialog
  kDiagMenuEntry = 1003,    // an item or popup of a menu
  kDiagStringEntry = 1004,  // an entry of a string table
};

enum class DiagnosticSeverity { kWarning, kError };

struct CRcDiagnostic {
  std::u16string file;
  int32_t line = 0;  // from 1
  uint32_t code = 0;
  DiagnosticSeverity severity = DiagnosticSeverity::kWarning;
  std::string message;  // English, UTF-8
};

// What a failed element wanted where it failed: the token index and the
// description of what should have stood there ("a comma after the control
// text"). at is -1 while nothing was noted.
struct CRcExpectation {
  int32_t at = -1;
  const char* expected = nullptr;
};

// "expected EXPECTED, found TOKEN" for the expectation, placed on the line
// where the statement that began at start was left: a token on a later line
// than the one before it is not blamed for what that line lacked.
CRcDiagnostic MakeDiagnostic(uint32_t code, const CRcTokenList& tokens, int32_t start,
                             const CRcExpectation& expectation);

enum class DiagnosticFormat { kMsvc, kGcc, kJson };

// "msvc", "gcc" or "json"; nothing for any other name.
std::optional<DiagnosticFormat> ParseDiagnosticFormat(std::string_view name);

// The diagnostics as text, each line ending in a line feed:
//   msvc  file(line): warning TOL1002: message
//   gcc   file:line: warning: message [TOL1002]
//   json  an array of objects with file, line, code, severity and message
std::string FormatDiagnostics(const std::vector<CRcDiagnostic>& diagnostics,
                              DiagnosticFormat format);

}  // namespace tolmeric
