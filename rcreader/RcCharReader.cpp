#include "rcreader/RcCharReader.h"

#include "rcreader/UnitSearch.h"

namespace tolmeric {

CRcCharReader::CRcCharReader(std::shared_ptr<const std::u16string> fileName, std::string bytes,
                             int defaultCodePage, RcGrammar grammar)
    : CRcCharReader(std::make_unique<CRcPreprocessor>(std::move(fileName), std::filesystem::path(),
                                                      std::move(bytes), defaultCodePage, grammar,
                                                      CPreprocessorOptions(), nullptr)) {}

CRcCharReader::CRcCharReader(std::unique_ptr<CRcPreprocessor> lines)
    : fileName_(lines->file()), lines_(std::move(lines)) {
  FetchLine();
}

// A new line is cut at a line comment unless a block comment is open. The
// line number moves to the new line's, or one past the last at the end.
void CRcCharReader::FetchLine() {
  if (!lines_->NextLine(line_)) {
    atEnd_ = true;
    line_.clear();
    ++lineNumber_;
    return;
  }
  lineNumber_ = lines_->lineNumber();
  if (fileName_ != lines_->file()) fileName_ = lines_->file();
  if (stripComments_ && !inBlockComment_) CutLineComment();
}

// Only the first "//" of the line counts. The quotes before it are counted
// from the present quote state, on a copy: the state itself changes only as
// characters are delivered. Inside quotes the line stays whole, even when a
// later "//" would start a real comment.
void CRcCharReader::CutLineComment() {
  const char16_t* const text = line_.data();
  const size_t size = line_.size();
  size_t slashes = FindUnit(text, 0, size, u'/');
  while (slashes + 1 < size && text[slashes + 1] != u'/') {
    slashes = FindUnit(text, slashes + 1, size, u'/');
  }
  if (slashes + 1 >= size) return;
  bool quoted = inQuotes_;
  for (size_t i = 0; i < slashes; ++i) {
    if (text[i] == u'"') quoted = !quoted;
  }
  if (!quoted) line_.resize(slashes);
}

char16_t CRcCharReader::NextChar() {
  if (position_ >= line_.size()) {
    FetchLine();
    position_ = 0;
    if (atEnd_) return 0;
    current_ = u' ';
    return current_;
  }
  if (atEnd_) return 0;
  current_ = line_[position_++];
  if (current_ == u'"') inQuotes_ = !inQuotes_;
  return current_;
}

char16_t CRcCharReader::Peek() const {
  return position_ < line_.size() ? line_[position_] : char16_t(0);
}

// Block comments vanish wherever they stand, also between quotes. The
// comment ends at the first "/" that follows a "*", and the opening star
// counts: "/*/" is a whole comment, as other readers of our scans take it.
char16_t CRcCharReader::NextCharOrComment() {
  char16_t c = NextChar();
  while (stripComments_ && c == u'/' && Peek() == u'*') {
    inBlockComment_ = true;
    char16_t previous = NextChar();  // the opening star
    for (;;) {
      c = NextChar();
      if (atEnd_) {
        inBlockComment_ = false;
        return 0;
      }
      if (previous == u'*' && c == u'/') break;
      previous = c;
    }
    inBlockComment_ = false;
    c = NextChar();
  }
  return c;
}

}  // namespace tolmeric
