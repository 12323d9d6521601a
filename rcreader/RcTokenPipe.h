// Tokens read on a thread of their own: the scripts' bytes are decoded,
// their preprocessor lines followed and their lines cut into tokens there,
// while the parse works on the tokens before them. The tokens come over in
// batches, in the order one reader would have read them.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "rcreader/RcPreprocessor.h"
#include "rcreader/RcToken.h"
#include "rcreader/RcTokenizer.h"

namespace tolmeric {

// A chunk's worth of tokens at most, stored as the list stores them, with
// everything the list needs to take them on as they are.
struct CRcTokenBatch {
  // kTokenChunkSize slots, count of them used. The offsets of stored texts
  // count from the start of texts.
  std::unique_ptr<CRcTokenEntry[]> entries;
  uint32_t count = 0;
  // The texts, and the blocks of the list's text storage they span.
  std::unique_ptr<char16_t[]> texts;
  size_t textBlocks = 0;
  // (index of a token, its file) wherever the file changes; the first
  // token's file always.
  std::vector<std::pair<size_t, std::shared_ptr<const std::u16string>>> files;
  // The numbers of the scripts whose reading begins in this batch.
  std::vector<size_t> scriptStarts;
  // Reading failed after the tokens of this batch.
  std::exception_ptr error;
  // No batch follows: every script has been read.
  bool last = false;
};

class CRcTokenPipe {
 public:
  // Reads the scripts in order; the first is script number firstNumber,
  // and its first token goes to the list at firstIndex: the first batch
  // ends where that token's chunk does, each further batch is a whole
  // chunk. Starts the reading thread; where the system gives no thread,
  // each batch is read when it is asked for.
  CRcTokenPipe(std::deque<std::unique_ptr<CRcPreprocessor>> scripts, size_t firstNumber,
               uint32_t firstIndex);
  // Stops the reading and waits for the thread.
  ~CRcTokenPipe();
  CRcTokenPipe(const CRcTokenPipe&) = delete;
  CRcTokenPipe& operator=(const CRcTokenPipe&) = delete;

  // The next batch, once it is read. Not to be called after the last.
  CRcTokenBatch Next();

 private:
  // Reads the next batch; true when no batch follows it (the last, or one
  // that ends in a failure).
  bool Fill(CRcTokenBatch& batch);
  bool FillOrFail(CRcTokenBatch& batch);
  // Reads tokens into the batch until it holds capacity of them or the
  // scripts end (true then).
  bool ReadTokens(CRcTokenBatch& batch, uint32_t capacity);
  // The thread's loop: fills batches while there is room for them.
  void Run();

  // Used by the reading side only.
  std::deque<std::unique_ptr<CRcPreprocessor>> scripts_;
  std::unique_ptr<CRcTokenizer> tokenizer_;
  CRcTokenDraft draft_;
  std::u16string texts_;  // the texts of the batch being read, storage reused
  size_t nextNumber_;
  uint32_t capacity_;     // of the next batch

  // Shared by both sides.
  std::mutex lock_;
  std::condition_variable changed_;
  std::deque<CRcTokenBatch> ready_;
  bool stop_ = false;
  std::thread thread_;
};

}  // namespace tolmeric
