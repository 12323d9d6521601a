// The framework's view: the child window that fills a frame's client area
// between its bars. It takes part in its frame's command routing (first,
// while it is the active view) and deletes its object when its window is
// destroyed, so it is made with new or by its run-time class.
#pragma once

#include "framework/Wnd.h"

namespace tolmeric {

class CView : public CWnd {
  DECLARE_DYNAMIC(CView)

 protected:
  CView() = default;

  // Leaves its frame without an active view.
  void OnDestroy();
  void PostNcDestroy() override { delete this; }

  DECLARE_MESSAGE_MAP()
};

}  // namespace tolmeric
