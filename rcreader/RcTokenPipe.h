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
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "rcreader/RcPreprocessor.h"
#include "rcreader/RcTokenizer.h"

namespace tolmeric {

// Some thousands of tokens, with everything the list needs to take them on.
struct CRcTokenBatch {
  struct Token {
    int32_t type;
    int32_t line;
    uint32_t textStart;  // in texts
    uint32_t textLength;
  };
  std::vector<Token> tokens;
  std::u16string texts;
  // (index of a token, its file) wherever the file changes; the first
  // token's file always.
  std::vector<std::pair<size_t, std::shared_ptr<const std::u16string>>> files;
  // (index of the next token, number of the script) where a script's
  // reading begins.
  std::vector<std::pair<size_t, size_t>> scriptStarts;
  // Reading failed after the tokens of this batch.
  std::exception_ptr error;
  // No batch follows: every script has been read.
  bool last = false;

  std::u16string_view TextOf(const Token& token) const {
    return std::u16string_view(texts).substr(token.textStart, token.textLength);
  }
};

class CRcTokenPipe {
 public:
  // Reads the scripts in order; the first is script number firstNumber.
  // Starts the reading thread; where the system gives no thread, each
  // batch is read when it is asked for.
  CRcTokenPipe(std::deque<std::unique_ptr<CRcPreprocessor>> scripts, size_t firstNumber);
  // Stops the reading and waits for the thread.
  ~CRcTokenPipe();
  CRcTokenPipe(const CRcTokenPipe&) = delete;
  CRcTokenPipe& operator=(const CRcTokenPipe&) = delete;

  // The next batch, once it is read. Not to be called after the last.
  CRcTokenBatch Next();

 private:
  // Reads the next batch; true when it is the last.
  bool Fill(CRcTokenBatch& batch);
  // The thread's loop: fills batches while there is room for them.
  void Run();

  // Used by the reading side only.
  std::deque<std::unique_ptr<CRcPreprocessor>> scripts_;
  std::unique_ptr<CRcTokenizer> tokenizer_;
  CRcTokenDraft draft_;
  size_t nextNumber_;

  // Shared by both sides.
  std::mutex lock_;
  std::condition_variable changed_;
  std::deque<CRcTokenBatch> ready_;
  bool stop_ = false;
  std::thread thread_;
};

}  // namespace tolmeric
