// The document view: a multi-line edit control filling the child frame,
// with the editing commands, the find dialog and a context menu.
#pragma once

#include "framework/View.h"

namespace demo {
using namespace tolmeric;

class CFindDialog;

class CDemoView : public CView {
  DECLARE_DYNCREATE(CDemoView)

 public:
  CDemoView() = default;

  CString GetText() const;
  void SetText(LPCTSTR text);
  // Selects the next occurrence of what after (or, upwards, before) the
  // selection; FALSE when there is none.
  BOOL FindNext(const CString& what, BOOL matchCase, BOOL down);

  // The edit control.
  HWND m_hWndEdit = nullptr;

 protected:
  int OnCreate(LPCREATESTRUCT createStruct);
  void OnSize(UINT type, int width, int height);
  void OnSetFocus(CWnd* oldWindow);
  void OnContextMenu(CWnd* window, CPoint position);
  void OnEditUndo();
  void OnEditCut();
  void OnEditCopy();
  void OnEditPaste();
  void OnEditSelectAll();
  void OnEditFind();
  void OnEditRepeat();

  DECLARE_MESSAGE_MAP()
};

}  // namespace demo
