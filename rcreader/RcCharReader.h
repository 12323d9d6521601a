// The character reader over one script: delivers its characters line by
// line with comments removed.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "rcreader/RcGrammar.h"
#include "rcreader/RcPreprocessor.h"

namespace tolmeric {

class CRcCharReader {
 public:
  // Fetches the first line; the tokenizer then takes the first character.
  // defaultCodePage as for CScriptDecoder; the compiler's grammar also ends
  // a line at a lone carriage return.
  CRcCharReader(std::shared_ptr<const std::u16string> fileName, std::string bytes,
                int defaultCodePage = 0, RcGrammar grammar = RcGrammar::kClassic);
  // Reads the lines the preprocessor hands on; each line carries its own
  // file and line number (an included script's lines carry theirs).
  explicit CRcCharReader(std::unique_ptr<CRcPreprocessor> lines);

  // The next character, comments not regarded. Every line end reads as one
  // blank, delivered after lineNumber has moved on; at the end of input 0.
  char16_t NextChar();
  // The character at position without consuming it, or 0 past the line.
  char16_t Peek() const;
  // The next character with block comments removed. A block comment cut off
  // by the end of input ends there, and the request yields 0. Inline for
  // the common case, a plain character inside the line.
  char16_t NextCharWithoutComments() {
    if (position_ < line_.size() && !atEnd_) {
      const char16_t c = line_[position_];
      if (c != u'/' && c != u'"') {
        ++position_;
        current_ = c;
        return c;
      }
    }
    return NextCharOrComment();
  }

  // The characters from the present position on that keep accepts, up to
  // the line's end, a "/" or a '"', taken at once: what
  // NextCharWithoutComments would deliver one by one. current() becomes the
  // last of them. Valid until the next line is fetched; empty at the end of
  // input.
  template <typename Keep>
  std::u16string_view TakeWhile(Keep keep) {
    if (atEnd_) return {};
    const char16_t* const text = line_.data();
    const size_t start = position_;
    size_t end = start;
    while (end < line_.size() && text[end] != u'/' && text[end] != u'"' && keep(text[end])) ++end;
    if (end == start) return {};
    position_ = end;
    current_ = text[end - 1];
    return std::u16string_view(text + start, end - start);
  }

  const std::shared_ptr<const std::u16string>& fileName() const { return fileName_; }
  bool atEnd() const { return atEnd_; }
  int32_t lineNumber() const { return lineNumber_; }
  bool inQuotes() const { return inQuotes_; }
  char16_t current() const { return current_; }

 private:
  void FetchLine();
  void CutLineComment();
  char16_t NextCharOrComment();

  std::shared_ptr<const std::u16string> fileName_;
  std::unique_ptr<CRcPreprocessor> lines_;
  bool atEnd_ = false;
  int32_t lineNumber_ = -1;
  size_t position_ = 0;
  std::u16string line_;
  char16_t current_ = 0;
  bool inQuotes_ = false;
  bool stripComments_ = true;
  bool inBlockComment_ = false;
};

}  // namespace tolmeric
