#include "rcreader/RcTokenList.h"

#include <algorithm>
#include <array>
#include <memory>
#include <stdexcept>

#include "rcreader/RcTokenPipe.h"
#include "rcreader/RcTokenizer.h"

namespace tolmeric {

struct CRcTokenList::Pending {
  std::deque<std::unique_ptr<CRcPreprocessor>> scripts;  // not yet handed to a pipe
  std::unique_ptr<CRcTokenPipe> pipe;                     // the scripts being read, or null
  size_t started = 0;  // scripts whose reading has begun
};

const char16_t* CRcTokenList::AllCharacters() {
  static const auto kAll = [] {
    auto all = std::make_unique_for_overwrite<std::array<char16_t, 0x10000>>();
    for (size_t c = 0; c < all->size(); ++c) (*all)[c] = static_cast<char16_t>(c);
    return all;
  }();
  return kAll->data();
}

const std::u16string& CRcToken::FileName() const {
  static const std::u16string kNone;
  return file ? *file : kNone;
}

CRcTokenList::CRcTokenList(RcGrammar grammar) : grammar_(grammar) {}

CRcTokenList::CRcTokenList(const std::u16string& fileName, const std::filesystem::path& path,
                           int defaultCodePage, RcGrammar grammar,
                           const CPreprocessorOptions& options, CRcWarnings* warnings)
    : grammar_(grammar) {
  ReadScriptFile(fileName, path, defaultCodePage, options, warnings);
}

CRcTokenList::CRcTokenList(CRcTokenList&&) noexcept = default;
CRcTokenList& CRcTokenList::operator=(CRcTokenList&&) noexcept = default;
CRcTokenList::~CRcTokenList() = default;

void CRcTokenList::ReadScriptFile(const std::u16string& fileName,
                                  const std::filesystem::path& path, int defaultCodePage,
                                  const CPreprocessorOptions& options, CRcWarnings* warnings) {
  ReadWhole(std::make_unique<CRcPreprocessor>(std::make_shared<const std::u16string>(fileName),
                                              path, defaultCodePage, grammar_, options, warnings));
}

CRcTokenList CRcTokenList::FromBytes(const std::u16string& fileName, std::string bytes,
                                     int defaultCodePage, RcGrammar grammar) {
  CRcTokenList list(grammar);
  list.ReadScript(fileName, std::move(bytes), defaultCodePage);
  return list;
}

void CRcTokenList::ReadScript(const std::u16string& fileName, std::string bytes,
                              int defaultCodePage, const std::filesystem::path& path,
                              const CPreprocessorOptions& options, CRcWarnings* warnings) {
  ReadWhole(std::make_unique<CRcPreprocessor>(std::make_shared<const std::u16string>(fileName),
                                              path, std::move(bytes), defaultCodePage, grammar_,
                                              options, warnings));
}

void CRcTokenList::ReadWhole(std::unique_ptr<CRcPreprocessor> lines) {
  ReadUpTo(INT32_MAX);  // the queued scripts come first
  CRcTokenizer tokenizer(std::move(lines));
  ReadTokens(tokenizer);
}

void CRcTokenList::AddScript(std::unique_ptr<CRcPreprocessor> lines) {
  if (!pending_) pending_ = std::make_unique<Pending>();
  pending_->scripts.push_back(std::move(lines));
}

void CRcTokenList::AddScriptFile(const std::u16string& fileName,
                                 const std::filesystem::path& path, int defaultCodePage,
                                 const CPreprocessorOptions& options, CRcWarnings* warnings) {
  AddScript(std::make_unique<CRcPreprocessor>(std::make_shared<const std::u16string>(fileName),
                                              path, defaultCodePage, grammar_, options, warnings));
}

// Tokens are taken as long as the reader has not met the end of input, so a
// script whose last token is followed by white space gets one more token:
// the single character 0, which matches nothing.
void CRcTokenList::ReadTokens(CRcTokenizer& tokenizer) {
  CRcTokenDraft token;
  while (!tokenizer.AtEnd()) {
    tokenizer.NextToken(token);
    Append(token.type, token.text, token.line, token.file);
  }
}

// Reading on is no change a reader of the list can see: the tokens are
// those the list would have held had it read everything at once. It reads
// a good way past index, so that a reader walking the list one token at a
// time does not come here for every token. The queued scripts are read on a
// thread of their own (see CRcTokenPipe).
void CRcTokenList::ReadUpTo(int32_t index) const {
  constexpr int32_t kReadAhead = 1024;
  auto& self = const_cast<CRcTokenList&>(*this);
  Pending* pending = self.pending_.get();
  if (!pending) return;
  index = std::max(index, count_ > INT32_MAX - kReadAhead ? INT32_MAX : count_ + kReadAhead);
  while (count_ <= index) {
    if (!pending->pipe) {
      if (pending->scripts.empty()) return;
      pending->pipe = std::make_unique<CRcTokenPipe>(std::move(pending->scripts), pending->started);
      pending->scripts.clear();
    }
    const CRcTokenBatch batch = pending->pipe->Next();
    if (batch.last || batch.error) pending->pipe.reset();
    self.AppendBatch(batch);
    if (batch.error) std::rethrow_exception(batch.error);
  }
}

void CRcTokenList::AppendBatch(const CRcTokenBatch& batch) {
  size_t nextStart = 0;
  size_t nextFile = 0;
  const std::shared_ptr<const std::u16string>* file = nullptr;
  for (size_t i = 0;; ++i) {
    for (; nextStart < batch.scriptStarts.size() && batch.scriptStarts[nextStart].first == i;
         ++nextStart) {
      if (onScriptStart_) onScriptStart_(batch.scriptStarts[nextStart].second);
      ++pending_->started;
    }
    if (i == batch.tokens.size()) return;
    if (nextFile < batch.files.size() && batch.files[nextFile].first == i) {
      file = &batch.files[nextFile++].second;
    }
    const CRcTokenBatch::Token& token = batch.tokens[i];
    Append(token.type, batch.TextOf(token), token.line, *file);
  }
}

int32_t CRcTokenList::count() const {
  ReadUpTo(INT32_MAX);
  return count_;
}

void CRcTokenList::Append(int32_t type, std::u16string_view text, int32_t line,
                          const std::shared_ptr<const std::u16string>& file) {
  if (count_ == INT32_MAX) throw std::length_error("more tokens than one scan can hold");
  if (text.size() >= (size_t{1} << kTypeShift)) throw std::length_error("token too long");
  if (scripts_.empty() || scripts_.back().fileName.get() != file.get()) {
    scripts_.push_back(Script{count_, file});
  }
  const bool single = type == kTokenCharacter && text.size() == 1;
  Entry entry;
  entry.offset = single ? text[0] : texts_.Append(text);
  entry.lengthAndType = static_cast<uint32_t>(text.size()) |
                        (static_cast<uint32_t>(type) << kTypeShift);
  entry.line = line;
  const uint32_t slot = static_cast<uint32_t>(count_) & (kChunkSize - 1);
  if (slot == 0) {
    std::unique_ptr<Entry[]> entries;
    if (spareChunk_) {
      entries = std::move(spareChunk_);
    } else {
      entries = std::make_unique_for_overwrite<Entry[]>(kChunkSize);
    }
    chunks_.push_back({std::move(entries), texts_.NextOffset()});
  }
  chunks_.back().entries[slot] = entry;
  ++count_;
}

void CRcTokenList::AppendList(const CRcTokenList& other) {
  const int32_t count = other.count();
  for (size_t s = 0; s < other.scripts_.size(); ++s) {
    const int32_t end = s + 1 < other.scripts_.size() ? other.scripts_[s + 1].firstToken : count;
    for (int32_t i = other.scripts_[s].firstToken; i < end; ++i) {
      const CRcToken token = other.TokenAt(i);
      Append(token.type, token.text, token.line, other.scripts_[s].fileName);
    }
  }
}

// The chunk before index's chunk stays, so that a reader may still look a
// little way back (along the line of a statement that failed, for example).
void CRcTokenList::ReleaseBefore(int32_t index) {
  if (index <= 0) return;
  const size_t keep = std::min<size_t>(chunks_.size(), static_cast<uint32_t>(index) >> kChunkBits);
  if (keep < 1) return;
  const size_t firstKept = keep - 1;
  while (releasedChunks_ < firstKept) spareChunk_ = std::move(chunks_[releasedChunks_++].entries);
  texts_.ReleaseBefore(chunks_[firstKept].firstText);
}

const std::u16string* CRcTokenList::FileBefore(int32_t index) const {
  auto after = std::upper_bound(scripts_.begin(), scripts_.end(), index,
                                [](int32_t i, const Script& s) { return i < s.firstToken; });
  return after == scripts_.begin() ? nullptr : (after - 1)->fileName.get();
}

}  // namespace tolmeric
