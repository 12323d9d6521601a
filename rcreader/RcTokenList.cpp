#include "rcreader/RcTokenList.h"

#include <cerrno>
#include <fstream>
#include <iterator>
#include <memory>

#include "rcreader/RcTokenizer.h"
#include "translation/FileError.h"

namespace tolmeric {

namespace {

std::string ReadWholeFile(const std::filesystem::path& path) {
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) throw CFileError(FileErrorKind::kCannotOpen, path, LastSystemError());
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw CFileError(FileErrorKind::kEndOfFile, path);
  return bytes;
}

}  // namespace

CRcTokenList::CRcTokenList(const std::u16string& fileName, const std::filesystem::path& path)
    : CRcTokenList(FromBytes(fileName, ReadWholeFile(path))) {}

// Tokens are taken as long as the reader has not met the end of input, so a
// script whose last token is followed by white space gets one more token:
// the single character 0, which matches nothing.
CRcTokenList CRcTokenList::FromBytes(const std::u16string& fileName, const std::string& bytes) {
  CRcTokenList list;
  auto tokenizer =
      std::make_unique<CRcTokenizer>(std::make_shared<const std::u16string>(fileName), bytes);
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
