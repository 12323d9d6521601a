// The problem log of a scan: one text, started by the caller with string 133,
// to which the section parsers append a message per failure.
#pragma once

#include <cstddef>
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
  kMsgMessagesLeftOut = 150,  // "%i" stands for the number left out
};

// The line text of a message stops after this many characters, marked
// with "...": a line holds the same tokens in every message about it.
inline constexpr size_t kMaxProblemLineText = 200;

// "%s (%i): " with the token's script and 1-based line, then the tokens of
// the unbroken run on that line around index, each followed by a blank, cut
// after kMaxProblemLineText characters.
std::u16string FormatProblemLine(const CRcTokenList& tokens, int32_t index);

// How much a log holds. Past either limit further messages are counted,
// not written.
struct ProblemLogLimits {
  int32_t messages = 10000;
  size_t bytes = size_t{8} << 20;  // of the log's text, two bytes a character
};

class CProblemLog {
 public:
  explicit CProblemLog(const IStringSource& strings, ProblemLogLimits limits = {})
      : strings_(strings), limits_(limits) {}

  // Starts the log with string 133 (which carries its own line end).
  void Begin();
  // Appends string id, CR LF, "- ", the problem line of the token, CR LF.
  // Once the log is full the message is only counted, and the log's last
  // line (string 150, CR LF) says how many were left out.
  void ReportProblem(uint32_t id, const CRcTokenList& tokens, int32_t index);
  // Adds the diagnostic of a statement or section that began at start and
  // was reported with message id (which gives its code).
  void Diagnose(uint32_t id, const CRcTokenList& tokens, int32_t start,
                const CRcExpectation& expectation);
  int32_t problemCount() const { return problems_; }
  int32_t omittedCount() const { return omitted_; }
  // Where the messages come from; also the source of other tool strings a
  // scan needs.
  const IStringSource& strings() const { return strings_; }

  std::u16string text;
  // One per failed statement or section, in the order found.
  std::vector<CRcDiagnostic> diagnostics;

 private:
  bool Full() const;
  void RewriteOmittedLine();
  const std::u16string& RunText(const CRcTokenList& tokens, int32_t index);

  const IStringSource& strings_;
  ProblemLogLimits limits_;
  int32_t problems_ = 0;
  int32_t omitted_ = 0;
  size_t omittedLineStart_ = 0;
  std::u16string omittedTemplate_;
  // The run of tokens the last message showed, so that the messages about
  // one long line walk it once.
  const CRcTokenList* runList_ = nullptr;
  int32_t runFirst_ = 0;
  int32_t runLast_ = -1;
  std::u16string runText_;
};

}  // namespace tolmeric
