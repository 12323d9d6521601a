// Where the file layer shows a message to the user. The run-time module shows
// it in a message box; the command line prints it; tests record it.
#pragma once

#include <string>

namespace tolmeric {

class IMessageSink {
 public:
  virtual ~IMessageSink() = default;
  virtual void ShowMessage(const std::u16string& message) = 0;
};

// Passes messages on (when there is somewhere to pass them) and notes that
// one was shown. A load shows a message only for a wrong magic, so callers
// use this to tell a damaged file from a good one.
class CRecordingSink : public IMessageSink {
 public:
  explicit CRecordingSink(IMessageSink* next = nullptr) : next_(next) {}
  void ShowMessage(const std::u16string& message) override {
    shown = true;
    if (next_ != nullptr) next_->ShowMessage(message);
  }
  IMessageSink* next() const { return next_; }

  bool shown = false;

 private:
  IMessageSink* next_;
};

}  // namespace tolmeric
