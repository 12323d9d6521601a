#include "framework/View.h"

#include "framework/FrameWnd.h"

namespace tolmeric {

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
  ON_WM_DESTROY()
END_MESSAGE_MAP()

void CView::OnDestroy() {
  CFrameWnd* frame = GetParentFrame();
  if (frame && frame->GetActiveView() == this) frame->SetActiveView(nullptr, FALSE);
  CWnd::OnDestroy();
}

}  // namespace tolmeric
