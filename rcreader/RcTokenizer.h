// Splits the characters of one script into tokens.
#pragma once

#include <memory>
#include <string>

#include "rcreader/RcCharReader.h"
#include "rcreader/RcToken.h"

namespace tolmeric {

// A token while it is read: the tokenizer refills one draft for every token,
// so its text's storage is reused, and the list keeps a copy of the text.
struct CRcTokenDraft {
  std::u16string text;
  int32_t type = kTokenNone;
  int32_t line = -1;
  std::shared_ptr<const std::u16string> file;
};

class CRcTokenizer {
 public:
  // Opens the script's bytes, fetches the first line and takes the first
  // character. defaultCodePage as for CScriptDecoder.
  CRcTokenizer(std::shared_ptr<const std::u16string> fileName, std::string bytes,
               int defaultCodePage = 0, RcGrammar grammar = RcGrammar::kClassic);
  // Tokenises the lines the preprocessor hands on.
  explicit CRcTokenizer(std::unique_ptr<CRcPreprocessor> lines);

  // Reads the next token into token. At the end of input that is a
  // single-character token holding the character 0.
  void NextToken(CRcTokenDraft& token);
  bool AtEnd() const { return reader_->atEnd(); }

 private:
  template <typename Keep>
  void Take(CRcTokenDraft& token, Keep keep);
  void TakeOne(CRcTokenDraft& token);
  void ReadIdentifier(CRcTokenDraft& token);
  void ReadNumber(CRcTokenDraft& token);
  void ReadCompilerNumber(CRcTokenDraft& token);
  void ReadQuotedText(CRcTokenDraft& token);
  static void DecodeQuoted(std::u16string_view raw, std::u16string& text);

  RcGrammar grammar_ = RcGrammar::kClassic;
  std::unique_ptr<CRcCharReader> reader_;
  // The character that ended the previous token; at the end of input 0.
  char16_t current_ = 0;
  std::u16string raw_;  // a quoted text as written, storage reused
};

}  // namespace tolmeric
