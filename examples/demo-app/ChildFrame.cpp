#include "examples/demo-app/ChildFrame.h"

#include "examples/demo-app/DemoResource.h"
#include "runtime/ApplicationInterfaceWin32.h"

namespace demo {

IMPLEMENT_DYNCREATE(CChildFrame, __X_CMDIChildWnd)

BEGIN_MESSAGE_MAP(CChildFrame, __X_CMDIChildWnd)
  ON_MESSAGE(LanguageChangedMessage(), OnLanguageChanged)
END_MESSAGE_MAP()

void CChildFrame::SetDocumentNumber(int number) {
  documentNumber_ = number;
  CString untitled;
  LoadTranslatedString(untitled, IDS_UNTITLED);
  CString title;
  FormatText(title, L"%s %i", static_cast<LPCTSTR>(untitled), documentNumber_);
  SetWindowText(title);
}

LRESULT CChildFrame::OnLanguageChanged(WPARAM wParam, LPARAM lParam) {
  __X_CMDIChildWnd::OnLanguageChanged(wParam, lParam);
  SetDocumentNumber(documentNumber_);
  return 0;
}

}  // namespace demo
