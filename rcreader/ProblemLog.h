// The problem log of a scan: one text, started by the caller with string 133,
// to which the section parsers append a message per failure.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "rcreader/RcDiagnostic.h"

namespace tolmeric {

class CRcTokenList;
class IStringSource;

// Message strings of the reader.
enum RcMessage : uint32_t {
  kMsgSectionFailed = 113,
  kMsgControlFailed = 114,
  kMsgMenuItemFailed = 115,
  kMsgMenuFailed = 116,
  kMsgStringEntryFailed = 127,
  kMsgScanStart = 133,
};

// "%s (%i): " with the token's script and 1-based line, then the tokens of
// the unbroken run on that line around index, each followed by a blank.
std::u16string FormatProblemLine(const CRcTokenList& tokens, int32_t index);

class CProblemLog {
 public:
  explicit CProblemLog(const IStringSource& strings) : strings_(strings) {}

  // Starts the log with string 133 (which carries its own line end).
  void Begin();
  // Appends string id, CR LF, "- ", the problem line of the token, CR LF.
  void ReportProblem(uint32_t id, const CRcTokenList& tokens, int32_t index);
  // Adds the diagnostic of a statement or section that began at start and
  // was reported with message id (which gives its code).
  void Diagnose(uint32_t id, const CRcTokenList& tokens, int32_t start,
                const CRcExpectation& expectation);
  int32_t problemCount() const { return problems_; }
  // Where the messages come from; also the source of other tool strings a
  // scan needs.
  const IStringSource& strings() const { return strings_; }

  std::u16string text;
  // One per failed statement or section, in the order found.
  std::vector<CRcDiagnostic> diagnostics;

 private:
  const IStringSource& strings_;
  int32_t problems_ = 0;
};

}  // namespace tolmeric
