#include "rcreader/RcTokenPipe.h"

#include <algorithm>
#include <system_error>

#include "rcreader/RcTextArena.h"

namespace tolmeric {

namespace {

// Batches read ahead of the parse: enough that the two sides seldom wait for
// each other, few enough that the tokens waiting cost little memory.
constexpr size_t kBatchesAhead = 3;

}  // namespace

CRcTokenPipe::CRcTokenPipe(std::deque<std::unique_ptr<CRcPreprocessor>> scripts,
                           size_t firstNumber, uint32_t firstIndex)
    : scripts_(std::move(scripts)),
      nextNumber_(firstNumber),
      capacity_(kTokenChunkSize - (firstIndex & (kTokenChunkSize - 1))) {
  try {
    thread_ = std::thread([this] { Run(); });
  } catch (const std::system_error&) {
    // No thread: Next reads each batch itself.
  }
}

CRcTokenPipe::~CRcTokenPipe() {
  if (!thread_.joinable()) return;
  {
    std::lock_guard<std::mutex> guard(lock_);
    stop_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

CRcTokenBatch CRcTokenPipe::Next() {
  if (!thread_.joinable()) {
    CRcTokenBatch batch;
    FillOrFail(batch);
    return batch;
  }
  std::unique_lock<std::mutex> guard(lock_);
  changed_.wait(guard, [this] { return !ready_.empty(); });
  CRcTokenBatch batch = std::move(ready_.front());
  ready_.pop_front();
  guard.unlock();
  changed_.notify_all();
  return batch;
}

// A failure while reading ends the batch after the tokens read before it.
bool CRcTokenPipe::Fill(CRcTokenBatch& batch) {
  batch.entries = std::make_unique_for_overwrite<CRcTokenEntry[]>(kTokenChunkSize);
  texts_.clear();
  try {
    batch.last = ReadTokens(batch, capacity_);
  } catch (...) {
    batch.error = std::current_exception();
  }
  capacity_ = kTokenChunkSize;
  batch.textBlocks = std::max<size_t>(1, (texts_.size() + CRcTextArena::kBlockSize - 1) /
                                             CRcTextArena::kBlockSize);
  batch.texts = std::make_unique_for_overwrite<char16_t[]>(std::max<size_t>(1, texts_.size()));
  std::copy(texts_.begin(), texts_.end(), batch.texts.get());
  return batch.last || batch.error;
}

// Without memory for the batch itself, its tokens are dropped: the
// failure ends the scan.
bool CRcTokenPipe::FillOrFail(CRcTokenBatch& batch) {
  try {
    return Fill(batch);
  } catch (...) {
    batch.count = 0;
    batch.error = std::current_exception();
    return true;
  }
}

// Tokens are taken as long as the reader has not met the end of its
// script, so a script whose last token is followed by white space gives one
// more token: the single character 0, which matches nothing.
bool CRcTokenPipe::ReadTokens(CRcTokenBatch& batch, uint32_t capacity) {
  while (batch.count < capacity) {
    if (!tokenizer_) {
      if (scripts_.empty()) return true;
      batch.scriptStarts.push_back(nextNumber_++);
      tokenizer_ = std::make_unique<CRcTokenizer>(std::move(scripts_.front()));
      scripts_.pop_front();
    }
    if (tokenizer_->AtEnd()) {
      tokenizer_.reset();
      continue;
    }
    tokenizer_->NextToken(draft_);
    if (batch.files.empty() || batch.files.back().second != draft_.file) {
      batch.files.emplace_back(batch.count, draft_.file);
    }
    const CRcTokenEntry entry = CRcTokenEntry::Make(
        draft_.type, draft_.text, static_cast<uint32_t>(texts_.size()), draft_.line);
    if (!entry.Unstored()) texts_ += draft_.text;
    batch.entries[batch.count++] = entry;
  }
  return false;
}

void CRcTokenPipe::Run() {
  bool done = false;
  while (!done) {
    CRcTokenBatch batch;
    done = FillOrFail(batch);
    std::unique_lock<std::mutex> guard(lock_);
    changed_.wait(guard, [this] { return stop_ || ready_.size() < kBatchesAhead; });
    if (stop_) return;
    ready_.push_back(std::move(batch));
    guard.unlock();
    changed_.notify_all();
  }
}

}  // namespace tolmeric
