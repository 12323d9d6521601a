#include "rcreader/RcTokenPipe.h"

#include <system_error>

namespace tolmeric {

namespace {

// Tokens of a batch, and batches read ahead of the parse: enough that the
// two sides seldom wait for each other, few enough that the tokens waiting
// cost little memory.
constexpr size_t kBatchTokens = 2048;
constexpr size_t kBatchesAhead = 3;

}  // namespace

CRcTokenPipe::CRcTokenPipe(std::deque<std::unique_ptr<CRcPreprocessor>> scripts,
                           size_t firstNumber)
    : scripts_(std::move(scripts)), nextNumber_(firstNumber) {
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
    try {
      Fill(batch);
    } catch (...) {
      batch.error = std::current_exception();
    }
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

// Tokens are taken as long as the reader has not met the end of its
// script, so a script whose last token is followed by white space gives one
// more token: the single character 0, which matches nothing.
bool CRcTokenPipe::Fill(CRcTokenBatch& batch) {
  batch.tokens.reserve(kBatchTokens);
  while (batch.tokens.size() < kBatchTokens) {
    if (!tokenizer_) {
      if (scripts_.empty()) return batch.last = true;
      batch.scriptStarts.emplace_back(batch.tokens.size(), nextNumber_++);
      tokenizer_ = std::make_unique<CRcTokenizer>(std::move(scripts_.front()));
      scripts_.pop_front();
    }
    if (tokenizer_->AtEnd()) {
      tokenizer_.reset();
      continue;
    }
    tokenizer_->NextToken(draft_);
    if (batch.files.empty() || batch.files.back().second != draft_.file) {
      batch.files.emplace_back(batch.tokens.size(), draft_.file);
    }
    batch.tokens.push_back({draft_.type, draft_.line, static_cast<uint32_t>(batch.texts.size()),
                            static_cast<uint32_t>(draft_.text.size())});
    batch.texts += draft_.text;
  }
  return false;
}

void CRcTokenPipe::Run() {
  bool done = false;
  while (!done) {
    CRcTokenBatch batch;
    try {
      done = Fill(batch);
    } catch (...) {
      batch.error = std::current_exception();
      done = true;
    }
    std::unique_lock<std::mutex> guard(lock_);
    changed_.wait(guard, [this] { return stop_ || ready_.size() < kBatchesAhead; });
    if (stop_) return;
    ready_.push_back(std::move(batch));
    guard.unlock();
    changed_.notify_all();
  }
}

}  // namespace tolmeric
