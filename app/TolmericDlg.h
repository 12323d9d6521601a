// The tool's main window: a resizable modal dialog with a menu and a tab
// control of three pages. Page "Allgemein" shows the project, its resource
// scripts, its language file with the header fields and the flag; page
// "Sprach-Resourcen" the text tree of the scan; page "Meldungen / Probleme"
// the scan's log. The window only shows: every command runs in the project
// session, which calls back through IMainWindowView.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/FlagStatic.h"
#include "app/HoverBitmapButton.h"
#include "app/MainWindowLayout.h"
#include "app/MainWindowState.h"
#include "app/NameListCtrl.h"
#include "app/ProjectSession.h"
#include "app/ScriptListCtrl.h"
#include "app/TextTreeView.h"
#include "framework/Dialog.h"
#include "framework/Edit.h"
#include "framework/Font.h"
#include "framework/String.h"
#include "framework/TabCtrl.h"

namespace tolmeric {

// Identifiers of the window's resources and controls.
enum TolmericDlgId : UINT {
  kMainDialogId = 102,
  kMainIconId = 128,
  kTabControlId = 1000,
  kProjectListId = 1012,
  kScriptListId = 1006,
  kLanguageListId = 1013,
  kAutoInstallBoxId = 1072,
  kTestVersionBoxId = 1056,
  kProgramNameEditId = 1067,
  kProgramVersionEditId = 1068,
  kLanguageNameEditId = 1070,
  kFlagMarkerId = 1071,
  kSaveAndCloseButtonId = 1031,
  kHelpButtonId = 57670,
  kAboutCommandId = 16,
  kLanguageCommandId = 32799,
  kHelpContentsCommandId = 32798,
};

class CTolmericDlg : public CDialog, public IMainWindowView {
 public:
  // The tool's window: the session asks the user with the tool's own
  // dialogs and message boxes, and works in the process's folders.
  explicit CTolmericDlg(CWnd* parent = nullptr);
  // prompts and files answer the session's questions and give it the
  // process's folder; neither is owned, both outlive the window.
  CTolmericDlg(IToolPrompts& prompts, IToolFiles& files, CWnd* parent = nullptr);
  ~CTolmericDlg() override;

  // The raw command line, evaluated as the last step of the initialisation.
  CString commandLine;

  BOOL OnInitDialog() override;
  // "Schließen" and Enter: the close check, then the end with OK.
  void OnOK() override;
  // Escape: the close check too, so no change is lost by a key.
  void OnCancel() override;

  // IMainWindowView.
  void FillHeaderFields() override;
  void UpdateControls() override;
  void RefreshAll() override;
  void ShowFlag() override;
  void ShowLog(const std::u16string& log) override;
  std::vector<std::u16string> SelectedScripts() override;
  void TakeFlag(int32_t index) override;
  void EndWithOk() override;

  // The three tab captions (strings 124, 125, 126) in the current language.
  void SetTabCaptions();
  // Shows or hides every control of page "Allgemein" and the flag.
  void ShowGeneralPage(bool show);

  CProjectSession& session() { return session_; }

 protected:
  void OnSize(UINT type, int width, int height);
  void OnClose();
  void OnDestroy();
  void OnPaint();
  LRESULT OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam);
  void OnLButtonDown(UINT flags, CPoint point);
  LRESULT OnQueryDragIcon(WPARAM wParam, LPARAM lParam);

  void OnTestVersionClicked();
  void OnHeaderFieldChanged();
  void OnScriptListEvent(NMHDR* header, LRESULT* result);
  void OnTabSelectionChanged(NMHDR* header, LRESULT* result);
  BOOL OnToolTipText(UINT id, NMHDR* header, LRESULT* result);
  void OnAbout();
  void OnHelpContents();

  // The menu's and the buttons' commands, each the session's.
  void OnNewProject();
  void OnOpenProject();
  void OnSaveProject();
  void OnSaveProjectAs();
  void OnToggleAutoInstall();
  void OnAddScripts();
  void OnRemoveScripts();
  void OnSaveLanguageFile();
  void OnSaveLanguageFileAs();
  void OnTestVersionSettings();
  void OnSaveAndClose();

  DECLARE_MESSAGE_MAP()

 private:
  void CreatePages();
  void AttachControls();
  void SetUpBitmapButtons();
  // What the controls depend on, as the session holds it.
  CMainWindowState State();
  void ApplyControlStates(const CControlStates& states);
  void ShowPage(const CPageVisibility& page);
  // The rectangles of the controls that follow the window's size.
  std::vector<CControlRect> ControlRects();
  void EnableControl(int id, bool enable);

  // The flag dialog; the chosen flag's index or -1.
  int32_t AskFlag();

  // The window's own prompts and folders, when none are given.
  std::unique_ptr<IToolFiles> ownFiles_;
  std::unique_ptr<IToolPrompts> ownPrompts_;
  CProjectSession session_;
  bool updatingFields_ = false;
  HICON icon_ = nullptr;
  CTabCtrl tabs_;
  std::unique_ptr<CTextTreeView> treeView_;
  std::unique_ptr<CEdit> messageBox_;
  std::unique_ptr<CFont> messageFont_;
  CNameListCtrl projectList_;
  CScriptListCtrl scriptList_;
  CNameListCtrl languageList_;
  CHoverBitmapButton bitmapButtons_[9];
  std::unique_ptr<CFlagStatic> flag_;
  CString tabCaptions_[3];
  std::wstring tipText_;
  CResizeTracker resize_;
  CMinimumSize minimumSize_;
};

}  // namespace tolmeric
