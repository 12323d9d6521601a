// A document's window inside the main frame. Its menu (IDR_DEMOTYPE) takes
// over the frame's menu bar while it is active; the base class translates
// the bar after each such change. Its title, "Untitled" and the document's
// number, follows a language switch.
#pragma once

#include "runtime/BaseClassesWin32.h"

namespace demo {
using namespace tolmeric;

class CChildFrame : public __X_CMDIChildWnd {
  DECLARE_DYNCREATE(CChildFrame)

 public:
  CChildFrame() = default;

  // Shows "Untitled number" in the language held.
  void SetDocumentNumber(int number);

 protected:
  LRESULT OnLanguageChanged(WPARAM wParam, LPARAM lParam);

  DECLARE_MESSAGE_MAP()

 private:
  int documentNumber_ = 0;
};

}  // namespace demo
