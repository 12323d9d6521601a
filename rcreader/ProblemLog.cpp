#include "rcreader/ProblemLog.h"

#include <string>

#include "rcreader/RcTokenList.h"
#include "translation/StringSource.h"
#include "translation/Utf.h"

namespace tolmeric {

namespace {

bool SameLineInList(const CRcTokenList& tokens, int32_t index, int32_t line) {
  return tokens.Has(index) && tokens.TokenAt(index).line == line;
}

std::u16string Decimal(int64_t value) { return FromAscii(std::to_string(value)); }

// "%s (%i): " for the token at index.
std::u16string LinePlace(const CRcTokenList& tokens, int32_t index) {
  const CRcToken token = tokens.TokenAt(index);
  std::u16string text = token.FileName();
  text += u" (";
  text += Decimal(static_cast<int64_t>(token.line) + 1);
  text += u"): ";
  return text;
}

// The first and last index of the unbroken run of tokens on index's line.
// The run compares line numbers only, so at the border of two scripts it
// may take in tokens of the neighbouring script that share the line number.
// An index outside the list is a run of its own.
void FindRun(const CRcTokenList& tokens, int32_t index, int32_t& first, int32_t& last) {
  first = last = index;
  if (!tokens.Has(index)) return;
  const int32_t line = tokens.TokenAt(index).line;
  while (SameLineInList(tokens, first - 1, line)) --first;
  while (SameLineInList(tokens, last + 1, line)) ++last;
}

// The tokens first to last, each followed by a blank, cut after
// kMaxProblemLineText characters.
std::u16string TokensText(const CRcTokenList& tokens, int32_t first, int32_t last) {
  std::u16string text;
  for (int32_t i = first; i <= last; ++i) {
    text += tokens.TokenAt(i).text;
    text += u' ';
    if (text.size() > kMaxProblemLineText) {
      text.resize(kMaxProblemLineText);
      text += u"...";
      break;
    }
  }
  return text;
}

}  // namespace

std::u16string FormatProblemLine(const CRcTokenList& tokens, int32_t index) {
  int32_t first = 0;
  int32_t last = 0;
  FindRun(tokens, index, first, last);
  return LinePlace(tokens, index) + TokensText(tokens, first, last);
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

bool CProblemLog::Full() const {
  return omitted_ > 0 || problems_ >= limits_.messages ||
         text.size() * sizeof(char16_t) >= limits_.bytes;
}

const std::u16string& CProblemLog::RunText(const CRcTokenList& tokens, int32_t index) {
  if (runList_ != &tokens || index < runFirst_ || index > runLast_ || !tokens.Has(index)) {
    runList_ = &tokens;
    FindRun(tokens, index, runFirst_, runLast_);
    runText_ = TokensText(tokens, runFirst_, runLast_);
  }
  return runText_;
}

void CProblemLog::ReportProblem(uint32_t id, const CRcTokenList& tokens, int32_t index) {
  if (Full()) {
    ++omitted_;
    ++problems_;
    RewriteOmittedLine();
    return;
  }
  text += strings_.LoadString(id);
  text += u"\r\n- ";
  text += LinePlace(tokens, index);
  text += RunText(tokens, index);
  text += u"\r\n";
  ++problems_;
}

// The last line counts the messages left out; it is rewritten with every
// further one, so the log is whole whenever the scan stops.
void CProblemLog::RewriteOmittedLine() {
  if (omitted_ == 1) {
    omittedLineStart_ = text.size();
    omittedTemplate_ = strings_.LoadString(kMsgMessagesLeftOut);
  }
  text.resize(omittedLineStart_);
  const size_t number = omittedTemplate_.find(u"%i");
  if (number == std::u16string::npos) {
    text += omittedTemplate_;
  } else {
    text.append(omittedTemplate_, 0, number);
    text += Decimal(omitted_);
    text.append(omittedTemplate_, number + 2);
  }
  text += u"\r\n";
}

}  // namespace tolmeric
