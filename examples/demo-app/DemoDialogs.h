// The demo's dialogs besides the About box: the find dialog (modeless, one
// at a time, as editors have it) and the options sheet with its three
// pages.
#pragma once

#include "examples/demo-app/DemoSettings.h"
#include "framework/Dialog.h"
#include "framework/PropertySheet.h"

namespace demo {
using namespace tolmeric;

class CDemoView;

class CFindDialog : public CDialog {
 public:
  // Opens the find dialog, or brings the open one to the front.
  static void Show(CWnd* owner);
  // Searches the last text again in view; FALSE when nothing was searched
  // yet.
  static BOOL Repeat(CDemoView* view);
  // The open find dialog; null when there is none.
  static CFindDialog* Current();

 protected:
  BOOL OnInitDialog() override;
  // "Find Next": searches the active document and keeps the dialog open.
  void OnOK() override;
  void OnCancel() override { DestroyWindow(); }
  void PostNcDestroy() override;
};

class CEditorPage : public CPropertyPage {
 public:
  explicit CEditorPage(CDemoSettings& settings);
  BOOL OnInitDialog() override;
  BOOL OnApply() override;

 private:
  CDemoSettings& settings_;
};

class CAppearancePage : public CPropertyPage {
 public:
  explicit CAppearancePage(CDemoSettings& settings);
  BOOL OnInitDialog() override;
  BOOL OnApply() override;

 private:
  CDemoSettings& settings_;
};

class CFilesPage : public CPropertyPage {
 public:
  explicit CFilesPage(CDemoSettings& settings);
  BOOL OnInitDialog() override;
  BOOL OnApply() override;

 private:
  CDemoSettings& settings_;
};

// Runs the options sheet over settings; OK takes the pages' values.
INT_PTR ShowOptionsSheet(CWnd* parent, CDemoSettings& settings);

}  // namespace demo
