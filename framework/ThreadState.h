// What the framework keeps per user-interface thread besides its handle
// maps: the frame that is routing a command (while a frame passes a command
// to its view, itself and the application) and the message being handled
// (for Default).
#pragma once

#include <windows.h>

namespace tolmeric {

class CFrameWnd;

struct AFX_THREAD_STATE {
  CFrameWnd* m_pRoutingFrame = nullptr;
  MSG m_lastSentMsg{};
};

AFX_THREAD_STATE* AfxGetThreadState();

// Makes a frame the routing frame for its lifetime, then restores the
// previous one.
class CPushRoutingFrame {
 public:
  explicit CPushRoutingFrame(CFrameWnd* frame)
      : state_(AfxGetThreadState()), previous_(state_->m_pRoutingFrame) {
    state_->m_pRoutingFrame = frame;
  }
  ~CPushRoutingFrame() { state_->m_pRoutingFrame = previous_; }
  CPushRoutingFrame(const CPushRoutingFrame&) = delete;
  CPushRoutingFrame& operator=(const CPushRoutingFrame&) = delete;

 private:
  AFX_THREAD_STATE* state_;
  CFrameWnd* previous_;
};

// Makes a message the one being handled for its lifetime (messages nest:
// each handler sees its own), then restores the outer one.
class CCurrentMessage {
 public:
  CCurrentMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
      : current_(AfxGetThreadState()->m_lastSentMsg), outer_(current_) {
    current_ = MSG{window, message, wParam, lParam, 0, {}};
  }
  ~CCurrentMessage() { current_ = outer_; }
  CCurrentMessage(const CCurrentMessage&) = delete;
  CCurrentMessage& operator=(const CCurrentMessage&) = delete;

 private:
  MSG& current_;
  MSG outer_;
};

}  // namespace tolmeric
