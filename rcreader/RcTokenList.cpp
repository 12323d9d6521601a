#include "rcreader/RcTokenList.h"

#include <memory>

#include "rcreader/RcTokenizer.h"
#include "rcreader/ScriptDecoder.h"
#include "translation/Archive.h"

namespace tolmeric {

namespace {

std::string BytesOf(const std::filesystem::path& path) {
  const std::vector<uint8_t> bytes = ReadWholeFile(path, kMaxScriptBytes);
  std::string text(bytes.begin(), bytes.end());
  if (CScriptDecoder::IsBinary(text)) {
    throw CFileError(FileErrorKind::kBadData, path,
                     "NUL bytes: a binary file, not a resource script; a UTF-16 script needs "
                     "its byte order mark");
  }
  return text;
}

}  // namespace

CRcTokenList::CRcTokenList(const std::u16string& fileName, const std::filesystem::path& path,
                           int defaultCodePage, RcGrammar grammar)
    : CRcTokenList(FromBytes(fileName, BytesOf(path), defaultCodePage, grammar)) {}

// Tokens are taken as long as the reader has not met the end of input, so a
// script whose last token is followed by white space gets one more token:
// the single character 0, which matches nothing.
CRcTokenList CRcTokenList::FromBytes(const std::u16string& fileName, const std::string& bytes,
                                     int defaultCodePage, RcGrammar grammar) {
  CRcTokenList list(grammar);
  auto tokenizer = std::make_unique<CRcTokenizer>(std::make_shared<const std::u16string>(fileName),
                                                  bytes, defaultCodePage, grammar);
  while (!tokenizer->AtEnd()) list.Append(tokenizer->NextToken());
  return list;
}

void CRcTokenList::AppendList(const CRcTokenList& other) {
  tokens_.insert(tokens_.end(), other.tokens_.begin(), other.tokens_.end());
}

const CRcToken& CRcTokenList::TokenAt(int32_t index) const {
  static const CRcToken kOutside;
  if (index < 0 || index >= count()) return kOutside;
  return tokens_[static_cast<size_t>(index)];
}

}  // namespace tolmeric
