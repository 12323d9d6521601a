// The framework's dialog object: a dialog from a resource template (by
// identifier or name) or from a template in memory, modal (DoModal) or
// modeless (Create, CreateIndirect). The object is the dialog's permanent
// window object from the dialog's first message on.
#pragma once

#include <windows.h>

#include "framework/Wnd.h"

namespace tolmeric {

class CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)

 public:
  // For a modeless dialog, made later with Create or CreateIndirect.
  CDialog() = default;
  // For a modal dialog of the resource template.
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);
  explicit CDialog(LPCTSTR templateName, CWnd* parent = nullptr);

  // Modeless, from a resource template or a template in memory.
  BOOL Create(UINT templateId, CWnd* parent = nullptr);
  BOOL Create(LPCTSTR templateName, CWnd* parent = nullptr);
  BOOL CreateIndirect(LPCDLGTEMPLATE dialogTemplate, CWnd* parent = nullptr);

  // A modal dialog from a template in memory instead of a resource.
  BOOL InitModalIndirect(LPCDLGTEMPLATE dialogTemplate, CWnd* parent = nullptr);
  // Runs the dialog modally; the value given to EndDialog, or -1 when the
  // dialog cannot be made.
  virtual INT_PTR DoModal();
  void EndDialog(int result) { ::EndDialog(m_hWnd, result); }

  // Before the dialog is shown; TRUE gives the first control the focus.
  virtual BOOL OnInitDialog() { return TRUE; }
  // The OK and Cancel buttons (and Enter, Escape) end a modal dialog.
  virtual void OnOK() { EndDialog(IDOK); }
  virtual void OnCancel() { EndDialog(IDCANCEL); }

  // A command the dialog does not handle goes on to the application object
  // (a modal main window's menu reaches the application's handlers).
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

  // The dialog procedure of every framework dialog.
  static INT_PTR CALLBACK AfxDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  // The dialog manager does a dialog's default processing after the dialog
  // procedure: a handler that asks for it marks the message as not handled.
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  HWND ParentHandle() const { return parent_ ? parent_->m_hWnd : nullptr; }

  LPCTSTR templateName_ = nullptr;
  LPCDLGTEMPLATE templateInMemory_ = nullptr;
  CWnd* parent_ = nullptr;
  bool defaultWanted_ = false;
};

}  // namespace tolmeric
