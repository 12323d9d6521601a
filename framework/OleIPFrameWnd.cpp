#include "framework/OleIPFrameWnd.h"

namespace tolmeric {

IMPLEMENT_DYNCREATE(COleIPFrameWnd, CFrameWnd)

BOOL COleIPFrameWnd::ActivateInPlace(CFrameWnd* mainFrame, CFrameWnd* docFrame) {
  m_pMainFrame = mainFrame;
  m_pDocFrame = docFrame;
  return OnCreateControlBars(m_pMainFrame, m_pDocFrame);
}

BOOL COleIPFrameWnd::OnCreateControlBars(CWnd*, CWnd*) { return TRUE; }

BOOL COleIPFrameWnd::OnCreateControlBars(CFrameWnd* wndFrame, CFrameWnd* wndDoc) {
  return OnCreateControlBars(static_cast<CWnd*>(wndFrame), static_cast<CWnd*>(wndDoc));
}

}  // namespace tolmeric
