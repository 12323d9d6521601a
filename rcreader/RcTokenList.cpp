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
      pending->pipe = std::make_unique<CRcTokenPipe>(std::move(pending->scripts), pending->started,
                                                     static_cast<uint32_t>(count_));
      pending->scripts.clear();
    }
    CRcTokenBatch batch = pending->pipe->Next();
    if (batch.last || batch.error) pending->pipe.reset();
    self.AppendBatch(batch);
    if (batch.error) std::rethrow_exception(batch.error);
  }
}

// The batch's entries become the list's as they are: its texts are taken on
// whole as the newest text storage, and the entries' offsets moved by where
// that storage begins. A batch that starts a chunk is that chunk.
void CRcTokenList::AppendBatch(CRcTokenBatch& batch) {
  for (const size_t number : batch.scriptStarts) {
    if (onScriptStart_) onScriptStart_(number);
    ++pending_->started;
  }
  if (batch.count == 0) return;
  if (batch.count > static_cast<uint32_t>(INT32_MAX - count_)) {
    throw std::length_error("more tokens than one scan can hold");
  }
  for (const auto& [index, file] : batch.files) {
    if (scripts_.empty() || scripts_.back().fileName.get() != file.get()) {
      scripts_.push_back(Script{count_ + static_cast<int32_t>(index), file});
    }
  }
  const uint32_t base = texts_.Adopt(std::move(batch.texts), batch.textBlocks);
  Entry* entries = batch.entries.get();
  for (uint32_t i = 0; i < batch.count; ++i) {
    if (!entries[i].Unstored()) entries[i].offset += base;
  }
  uint32_t slot = static_cast<uint32_t>(count_) & (kChunkSize - 1);
  if (slot == 0) {
    StartChunk(std::move(batch.entries), base);
    count_ += static_cast<int32_t>(batch.count);
    return;
  }
  for (uint32_t i = 0; i < batch.count; ++i, ++count_, ++slot) {
    if (slot == kChunkSize) {
      StartChunk(NewChunkEntries(), base);
      slot = 0;
    }
    chunks_.back().entries[slot] = entries[i];
  }
}

int32_t CRcTokenList::count() const {
  ReadUpTo(INT32_MAX);
  return count_;
}

void CRcTokenList::Append(int32_t type, std::u16string_view text, int32_t line,
                          const std::shared_ptr<const std::u16string>& file) {
  if (count_ == INT32_MAX) throw std::length_error("more tokens than one scan can hold");
  Entry entry = Entry::Make(type, text, 0, line);
  if (scripts_.empty() || scripts_.back().fileName.get() != file.get()) {
    scripts_.push_back(Script{count_, file});
  }
  const uint32_t slot = static_cast<uint32_t>(count_) & (kChunkSize - 1);
  if (slot == 0) {
    StartChunk(NewChunkEntries(), texts_.NextOffset());
  }
  if (!entry.Unstored()) entry.offset = texts_.Append(text);
  chunks_.back().entries[slot] = entry;
  ++count_;
}

std::unique_ptr<CRcTokenEntry[]> CRcTokenList::NewChunkEntries() {
  if (spareChunk_) return std::move(spareChunk_);
  return std::make_unique_for_overwrite<Entry[]>(kChunkSize);
}

void CRcTokenList::StartChunk(std::unique_ptr<Entry[]> entries, uint32_t firstText) {
  chunks_.push_back({std::move(entries), firstText});
}

CRcTokenEntry CRcTokenEntry::Make(int32_t type, std::u16string_view text, uint32_t offset,
                                  int32_t line) {
  if (text.size() >= (size_t{1} << kTypeShift)) throw std::length_error("token too long");
  CRcTokenEntry entry;
  entry.lengthAndType =
      static_cast<uint32_t>(text.size()) | (static_cast<uint32_t>(type) << kTypeShift);
  entry.offset = text.empty() ? 0 : entry.Unstored() ? text[0] : offset;
  entry.line = line;
  return entry;
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
