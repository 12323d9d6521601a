#include "rcreader/ProblemLog.h"

#include <string>

#include "rcreader/RcTokenList.h"
#include "translation/StringSource.h"
#include "translation/Utf.h"

namespace tolmeric {

namespace {

bool SameLineInList(const CRcTokenList& tokens, int32_t index, int32_t line) {
  return index >= 0 && index < tokens.count() && tokens.TokenAt(index).line == line;
}

}  // namespace

// The run compares line numbers only, so at the border of two scripts it
// may take in tokens of the neighbouring script that share the line number.
// An index outside the list shows the empty token alone.
std::u16string FormatProblemLine(const CRcTokenList& tokens, int32_t index) {
  const CRcToken& token = tokens.TokenAt(index);
  std::u16string text = token.FileName();
  text += u" (";
  text += FromAscii(std::to_string(static_cast<int64_t>(token.line) + 1));
  text += u"): ";

  int32_t first = index;
  int32_t last = index;
  if (index >= 0 && index < tokens.count()) {
    while (SameLineInList(tokens, first - 1, token.line)) --first;
    while (SameLineInList(tokens, last + 1, token.line)) ++last;
  }
  for (int32_t i = first; i <= last; ++i) {
    text += tokens.TokenAt(i).text;
    text += u' ';
  }
  return text;
}

void CProblemLog::Diagnose(uint32_t id, const CRcTokenList& tokens, int32_t start,
                           const CRcExpectation& expectation) {
  RcDiagnosticCode code = kDiagSection;
  if (id == kMsgControlFailed) code = kDiagControl;
  if (id == kMsgMenuItemFailed || id == kMsgMenuFailed) code = kDiagMenuEntry;
  if (id == kMsgStringEntryFailed) code = kDiagStringEntry;
  diagnostics.push_back(MakeDiagnostic(code, tokens, start, expectation));
}

void CProblemLog::Begin() { text = strings_.LoadString(kMsgScanStart) + text; }

void CProblemLog::ReportProblem(uint32_t id, const CRcTokenList& tokens, int32_t index) {
  text += strings_.LoadString(id);
  text += u"\r\n- ";
  text += FormatProblemLine(tokens, index);
  text += u"\r\n";
  ++problems_;
}

}  // namespace tolmeric
