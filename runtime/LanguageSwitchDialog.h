// The language switch dialog: the language files of the held program in two
// lists with their flags (this version, other versions), built at run time
// from an empty template in memory, so an application needs no resource for
// it. OK switches to the chosen file.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/Dialog.h"
#include "runtime/FlagListCtrl.h"
#include "runtime/LanguageFileCollection.h"
#include "runtime/SwitchDialogLayout.h"
#include "runtime/SwitchDialogSelection.h"
#include "runtime/SwitchDialogTexts.h"

namespace tolmeric {

struct CSwitchDialogSettings {
  // Searched for language files; empty: the current folder.
  std::u16string searchFolder;
  bool showOlderVersions = true;
  bool showHelpButton = true;
  // Sent as a command to the application's main window by Help.
  uint32_t helpCommandId = 0;
};

class CLanguageSwitchDialog : public CDialog, public IFlagListOwner {
 public:
  // mainWindow: the application's main window, owner of the dialog and
  // receiver of the help command (may be null).
  CLanguageSwitchDialog(CSwitchDialogSettings settings, CSwitchDialogTexts texts,
                        HWND mainWindow);

  // Runs the dialog modally, then switches to the file chosen with OK and
  // shows the error text when the switch fails.
  void Run();

  BOOL OnInitDialog() override;
  // OK, Enter and a double click: closes the dialog with a file chosen
  // (after the warning for another version's language); nothing happens
  // while the list last clicked has no selection.
  void OnOK() override;
  void OnListSelection(bool isOlderList) override;
  void OnListNoSelection() override;

 protected:
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  void LayOutControls();
  void FillLists();
  void CreateControl(CWnd& control, LPCWSTR className, const std::u16string& text, DWORD style,
                     const CPixelRect& rect, int id);
  void OnHelp();
  void DestroyControls();

  CSwitchDialogSettings settings_;
  CSwitchDialogTexts texts_;
  HWND mainWindow_;
  CLanguageFileLists files_;
  CSwitchDialogSelection selection_;
  std::u16string chosenFile_;
  HFONT font_ = nullptr;
  CWnd thisVersionLabel_;
  CWnd olderVersionsLabel_;
  CFlagListCtrl thisVersionList_;
  CFlagListCtrl olderVersionsList_;
  CWnd okButton_;
  CWnd cancelButton_;
  CWnd helpButton_;
};

// The dialog with the texts of the held language file's standard switch
// dialog and the module's settings; without that dialog an English message
// and no dialog.
void DoAutomaticSwitchDialog();

// The dialog with its nine texts loaded as translated string resources
// (title, this-version label, older-versions label, OK, Cancel, Help,
// version prefix, warning, error). automatic is not used.
void DoSwitchDialog(const std::u16string& folder, bool showOlderVersions, bool showHelpButton,
                    uint32_t helpCommandId, const SwitchDialogTextIds& textIds, bool automatic);

}  // namespace tolmeric
