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

}  // namespace tolmeric
