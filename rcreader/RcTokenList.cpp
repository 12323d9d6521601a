#include "rcreader/RcTokenList.h"

#include <algorithm>
#include <array>
#include <memory>
#include <stdexcept>

#include "rcreader/RcTokenizer.h"
#include "rcreader/ScriptDecoder.h"
#include "translation/Archive.h"

namespace tolmeric {

namespace {

std::string BytesOf(const std::filesystem::path& path) {
  std::string text = ReadWholeTextFile(path, kMaxScriptBytes);
  if (CScriptDecoder::IsBinary(text)) {
    throw CFileError(FileErrorKind::kBadData, path,
                     "NUL bytes: a binary file, not a resource script; a UTF-16 script needs "
                     "its byte order mark");
  }
  return text;
}

// Every UTF-16 code unit once: the text of a single-character token is a
// view of its place here.
const char16_t* AllCharacters() {
  static const auto kAll = [] {
    auto all = std::make_unique_for_overwrite<std::array<char16_t, 0x10000>>();
    for (size_t c = 0; c < all->size(); ++c) (*all)[c] = static_cast<char16_t>(c);
    return all;
  }();
  return kAll->data();
}

}  // namespace

const std::u16string& CRcToken::FileName() const {
  static const std::u16string kNone;
  return file ? *file : kNone;
}

CRcTokenList::CRcTokenList(const std::u16string& fileName, const std::filesystem::path& path,
                           int defaultCodePage, RcGrammar grammar,
                           const CPreprocessorOptions& options, CRcWarnings* warnings)
    : grammar_(grammar) {
  ReadScriptFile(fileName, path, defaultCodePage, options, warnings);
}

void CRcTokenList::ReadScriptFile(const std::u16string& fileName,
                                  const std::filesystem::path& path, int defaultCodePage,
                                  const CPreprocessorOptions& options, CRcWarnings* warnings) {
  ReadScript(fileName, BytesOf(path), defaultCodePage, path, options, warnings);
}

CRcTokenList CRcTokenList::FromBytes(const std::u16string& fileName, std::string bytes,
                                     int defaultCodePage, RcGrammar grammar) {
  CRcTokenList list(grammar);
  list.ReadScript(fileName, std::move(bytes), defaultCodePage);
  return list;
}

// Tokens are taken as long as the reader has not met the end of input, so a
// script whose last token is followed by white space gets one more token:
// the single character 0, which matches nothing.
void CRcTokenList::ReadScript(const std::u16string& fileName, std::string bytes,
                              int defaultCodePage, const std::filesystem::path& path,
                              const CPreprocessorOptions& options, CRcWarnings* warnings) {
  CRcTokenizer tokenizer(std::make_unique<CRcPreprocessor>(
      std::make_shared<const std::u16string>(fileName), path, std::move(bytes), defaultCodePage,
      grammar_, options, warnings));
  CRcTokenDraft token;
  while (!tokenizer.AtEnd()) {
    tokenizer.NextToken(token);
    Append(token.type, token.text, token.line, token.file);
  }
}

void CRcTokenList::Append(int32_t type, std::u16string_view text, int32_t line,
                          const std::shared_ptr<const std::u16string>& file) {
  if (count_ == INT32_MAX) throw std::length_error("more tokens than one scan can hold");
  if (text.size() >= (size_t{1} << kTypeShift)) throw std::length_error("token too long");
  if (scripts_.empty() || scripts_.back().fileName.get() != file.get()) {
    scripts_.push_back(Script{count_, file});
  }
  const bool single = type == kTokenCharacter && text.size() == 1;
  // Keywords and names repeat; quoted texts mostly do not.
  const bool word = type == kTokenIdentifier || type == kTokenNumber;
  Entry entry;
  entry.offset = single ? text[0] : word ? texts_.AppendShared(text) : texts_.Append(text);
  entry.lengthAndType = static_cast<uint32_t>(text.size()) |
                        (static_cast<uint32_t>(type) << kTypeShift);
  entry.line = line;
  if ((static_cast<uint32_t>(count_) & (kChunkSize - 1)) == 0) {
    chunks_.push_back(std::make_unique_for_overwrite<Entry[]>(kChunkSize));
  }
  chunks_.back()[static_cast<uint32_t>(count_) & (kChunkSize - 1)] = entry;
  ++count_;
}

void CRcTokenList::AppendList(const CRcTokenList& other) {
  for (size_t s = 0; s < other.scripts_.size(); ++s) {
    const int32_t end =
        s + 1 < other.scripts_.size() ? other.scripts_[s + 1].firstToken : other.count_;
    for (int32_t i = other.scripts_[s].firstToken; i < end; ++i) {
      const CRcToken token = other.TokenAt(i);
      Append(token.type, token.text, token.line, other.scripts_[s].fileName);
    }
  }
}

const std::u16string* CRcTokenList::FileOf(int32_t index) const {
  if (!scripts_.empty() && scripts_.back().firstToken <= index) {
    return scripts_.back().fileName.get();
  }
  auto after = std::upper_bound(scripts_.begin(), scripts_.end(), index,
                                [](int32_t i, const Script& s) { return i < s.firstToken; });
  return after == scripts_.begin() ? nullptr : (after - 1)->fileName.get();
}

CRcToken CRcTokenList::TokenAt(int32_t index) const {
  CRcToken token;
  if (index < 0 || index >= count_) return token;
  const Entry& entry = EntryAt(index);
  const uint32_t length = entry.lengthAndType & ((uint32_t{1} << kTypeShift) - 1);
  token.type = static_cast<int32_t>(entry.lengthAndType >> kTypeShift);
  const bool single = token.type == kTokenCharacter && length == 1;
  token.text = std::u16string_view(
      single ? AllCharacters() + entry.offset : texts_.At(entry.offset), length);
  token.line = entry.line;
  token.file = FileOf(index);
  return token;
}

}  // namespace tolmeric
