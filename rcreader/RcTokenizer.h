// Splits the characters of one script into tokens.
#pragma once

#include <memory>
#include <string>

#include "rcreader/RcCharReader.h"
#include "rcreader/RcToken.h"

namespace tolmeric {

class CRcTokenizer {
 public:
  // Opens the script's bytes, fetches the first line and takes the first
  // character. defaultCodePage as for CScriptDecoder.
  CRcTokenizer(std::shared_ptr<const std::u16string> fileName, std::string bytes,
               int defaultCodePage = 0, RcGrammar grammar = RcGrammar::kClassic);

  // The next token. At the end of input that is a single-character token
  // holding the character 0.
  CRcToken NextToken();
  bool AtEnd() const { return reader_->atEnd(); }

 private:
  void ReadIdentifier(CRcToken& token);
  void ReadNumber(CRcToken& token);
  void ReadCompilerNumber(CRcToken& token);
  void ReadQuotedText(CRcToken& token);
  static std::u16string DecodeQuoted(const std::u16string& raw);

  std::unique_ptr<CRcCharReader> reader_;
  // The character that ended the previous token; at the end of input 0.
  char16_t current_ = 0;
  RcGrammar grammar_ = RcGrammar::kClassic;
};

}  // namespace tolmeric
