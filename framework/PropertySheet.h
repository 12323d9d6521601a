// The framework's property sheet: a modal sheet over the common controls'
// property sheet, with one page per dialog resource. A page is a dialog
// object whose window the sheet creates when the page is first shown; the
// page's object becomes its permanent window object then.
#pragma once

#include <vector>

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include "framework/Dialog.h"

namespace tolmeric {

class CPropertySheet;

class CPropertyPage : public CDialog {
  DECLARE_DYNAMIC(CPropertyPage)

 public:
  // The page of the dialog resource templateId; its tab shows the
  // template's caption.
  explicit CPropertyPage(UINT templateId);

  // The page becomes the one shown; FALSE keeps the previous page.
  virtual BOOL OnSetActive() { return TRUE; }
  // The page is left (another tab, OK or Apply); FALSE keeps it shown, for
  // instance while a value on it is not valid.
  virtual BOOL OnKillActive() { return TRUE; }
  // OK or Apply: take over the page's values; FALSE keeps the sheet open.
  virtual BOOL OnApply() { return TRUE; }

  // The record the sheet creates the page from.
  PROPSHEETPAGEW m_psp{};

 protected:
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  static INT_PTR CALLBACK PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  BOOL OnPageNotify(const NMHDR& header, LPARAM lParam, LRESULT* result);

  // The sheet the page was added to, told when OK took the page's values.
  CPropertySheet* sheet_ = nullptr;
  friend class CPropertySheet;
};

class CPropertySheet : public CWnd {
  DECLARE_DYNAMIC(CPropertySheet)

 public:
  // caption is the sheet's title; the sheet shows page selectPage first.
  explicit CPropertySheet(LPCTSTR caption, CWnd* parent = nullptr, UINT selectPage = 0);

  // The pages stay the caller's; they must outlive the sheet's run.
  void AddPage(CPropertyPage* page);
  int GetPageCount() const { return static_cast<int>(pages_.size()); }
  CPropertyPage* GetPage(int index) const { return pages_.at(static_cast<size_t>(index)); }

  // Runs the sheet modally: IDOK or IDCANCEL, -1 when it cannot be made.
  virtual INT_PTR DoModal();

  PROPSHEETHEADERW m_psh{};

 private:
  CString caption_;
  CWnd* parent_ = nullptr;
  std::vector<CPropertyPage*> pages_;
  // Set when OK closed the sheet with every page's values taken.
  bool confirmed_ = false;
  friend class CPropertyPage;
};

}  // namespace tolmeric
