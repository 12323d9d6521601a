// The frame of a document that is edited in place inside a container
// application's window. When the document is activated in place, the frame
// creates its control bars on the container's frame and on the container's
// document window (OnCreateControlBars); ActivateInPlace is that step of an
// in-place activation, for the container side to call.
#pragma once

#include <windows.h>

#include "framework/FrameWnd.h"

namespace tolmeric {

class COleIPFrameWnd : public CFrameWnd {
  DECLARE_DYNCREATE(COleIPFrameWnd)

 public:
  COleIPFrameWnd() = default;

  // Takes the container's frame and document window (either may be null)
  // and lets the frame create its control bars on them; FALSE when that
  // fails, which ends the activation.
  BOOL ActivateInPlace(CFrameWnd* mainFrame, CFrameWnd* docFrame);

  // Creates the frame's control bars on the container's windows; nothing
  // here. The form with frames hands on to the form with general windows.
  virtual BOOL OnCreateControlBars(CWnd* wndFrame, CWnd* wndDoc);
  virtual BOOL OnCreateControlBars(CFrameWnd* wndFrame, CFrameWnd* wndDoc);

  // The container's frame and document window while the frame is active in
  // place; not owned.
  CFrameWnd* m_pMainFrame = nullptr;
  CFrameWnd* m_pDocFrame = nullptr;
};

}  // namespace tolmeric
