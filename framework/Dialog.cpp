#include "framework/Dialog.h"

#include "framework/ThreadState.h"
#include "framework/WinApp.h"

namespace tolmeric {

IMPLEMENT_DYNAMIC(CDialog, CWnd)

CDialog::CDialog(UINT templateId, CWnd* parent)
    : templateName_(MAKEINTRESOURCEW(templateId)), parent_(parent) {}

CDialog::CDialog(LPCTSTR templateName, CWnd* parent)
    : templateName_(templateName), parent_(parent) {}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
  return Create(MAKEINTRESOURCEW(templateId), parent);
}

BOOL CDialog::Create(LPCTSTR templateName, CWnd* parent) {
  parent_ = parent;
  BeginCreate(this);
  HWND window = ::CreateDialogParamW(AfxGetResourceHandle(), templateName, ParentHandle(),
                                     &CDialog::AfxDlgProc, 0);
  BeginCreate(nullptr);
  return window != nullptr;
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE dialogTemplate, CWnd* parent) {
  parent_ = parent;
  BeginCreate(this);
  HWND window = ::CreateDialogIndirectParamW(AfxGetResourceHandle(), dialogTemplate,
                                             ParentHandle(), &CDialog::AfxDlgProc, 0);
  BeginCreate(nullptr);
  return window != nullptr;
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE dialogTemplate, CWnd* parent) {
  templateInMemory_ = dialogTemplate;
  templateName_ = nullptr;
  parent_ = parent;
  return dialogTemplate != nullptr;
}

INT_PTR CDialog::DoModal() {
  BeginCreate(this);
  const INT_PTR result =
      templateInMemory_
          ? ::DialogBoxIndirectParamW(AfxGetResourceHandle(), templateInMemory_, ParentHandle(),
                                      &CDialog::AfxDlgProc, 0)
          : ::DialogBoxParamW(AfxGetResourceHandle(), templateName_, ParentHandle(),
                              &CDialog::AfxDlgProc, 0);
  BeginCreate(nullptr);
  return result;
}

BOOL CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  switch (message) {
    case WM_INITDIALOG:
      *result = OnInitDialog();
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        OnOK();
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        OnCancel();
        return TRUE;
      }
      break;
  }
  return CWnd::OnWndMsg(message, wParam, lParam, result);
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  if (nCode != CN_COMMAND && nCode != CN_UPDATE_COMMAND_UI) return FALSE;
  CWinApp* app = AfxGetApp();
  return app && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

LRESULT CDialog::DefWindowProc(UINT, WPARAM, LPARAM) {
  defaultWanted_ = true;
  return 0;
}

INT_PTR CALLBACK CDialog::AfxDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* object = dynamic_cast<CDialog*>(ObjectForMessage(window));
  if (!object) return FALSE;
  LRESULT result = 0;
  BOOL handled = FALSE;
  {
    CCurrentMessage current(window, message, wParam, lParam);
    const bool outerDefault = object->defaultWanted_;
    object->defaultWanted_ = false;
    handled = object->OnWndMsg(message, wParam, lParam, &result) && !object->defaultWanted_;
    object->defaultWanted_ = outerDefault;
  }
  if (message == WM_NCDESTROY) {
    object->AfterLastMessage();
    return FALSE;
  }
  if (!handled) return FALSE;
  // The initialisation's answer is the procedure's result; any other
  // message's result goes through the dialog's message result.
  if (message == WM_INITDIALOG) return result;
  ::SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
  return TRUE;
}

}  // namespace tolmeric
