#include "runtime/LanguageSwitchDialog.h"

#include <utility>
#include <vector>

#include "framework/WinApp.h"
#include "runtime/FlagBitmap.h"
#include "runtime/RuntimeModule.h"
#include "runtime/StringFunctions.h"
#include "runtime/SwitchDialogLayout.h"
#include "runtime/TranslationModule.h"
#include "runtime/WideTextWin32.h"

namespace tolmeric {

namespace {

// An empty dialog template: visible, with caption, system menu and modal
// frame, at (10, 10), 200 by 200 dialog units, no controls, no menu, the
// default class and no title. DWORDs keep it aligned.
constexpr size_t kTemplateBytes = 1000;
constexpr DWORD kTemplateStyle = WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

std::vector<DWORD> MakeEmptyTemplate() {
  std::vector<DWORD> block(kTemplateBytes / sizeof(DWORD), 0);
  auto* dialog = reinterpret_cast<DLGTEMPLATE*>(block.data());
  dialog->style = kTemplateStyle;
  dialog->x = 10;
  dialog->y = 10;
  dialog->cx = 200;
  dialog->cy = 200;
  return block;
}

// Every language file matching the folder's pattern, in the order the file
// system gives them, with full paths (an empty folder is the current one).
std::vector<std::u16string> ListLanguageFiles(const std::u16string& folder) {
  std::u16string base = folder;
  if (base.empty()) {
    std::vector<wchar_t> current(::GetCurrentDirectoryW(0, nullptr) + 1, L'\0');
    base = FromWide(current.data(), ::GetCurrentDirectoryW(static_cast<DWORD>(current.size()),
                                                           current.data()));
  }
  std::vector<std::u16string> paths;
  WIN32_FIND_DATAW found{};
  HANDLE search = ::FindFirstFileW(Wide(LanguageFileSearchPattern(folder)), &found);
  if (search == INVALID_HANDLE_VALUE) return paths;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    paths.push_back(LanguageFilePath(base, FromWide(found.cFileName)));
  } while (::FindNextFileW(search, &found));
  ::FindClose(search);
  return paths;
}

RECT ToRect(const CPixelRect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

// The application's main window; without one, the window that stands for
// the application while the dialog is open: the owner of the active
// window's chain.
HWND ApplicationMainWindow() {
  const CWinApp* app = AfxGetApp();
  if (app && app->m_pMainWnd && app->m_pMainWnd->IsWindow()) return app->m_pMainWnd->m_hWnd;
  HWND active = ::GetActiveWindow();
  return active ? ::GetAncestor(active, GA_ROOTOWNER) : nullptr;
}

void ShowSwitchDialog(CSwitchDialogSettings settings, CSwitchDialogTexts texts) {
  CLanguageSwitchDialog dialog(std::move(settings), std::move(texts), ApplicationMainWindow());
  dialog.Run();
}

}  // namespace

CLanguageSwitchDialog::CLanguageSwitchDialog(CSwitchDialogSettings settings,
                                             CSwitchDialogTexts texts, HWND mainWindow)
    : settings_(std::move(settings)), texts_(std::move(texts)), mainWindow_(mainWindow) {}

void CLanguageSwitchDialog::Run() {
  const std::vector<DWORD> dialogTemplate = MakeEmptyTemplate();
  InitModalIndirect(reinterpret_cast<LPCDLGTEMPLATE>(dialogTemplate.data()),
                    CWnd::FromHandle(mainWindow_));
  DoModal();
  // The dialog is closed before the switch: every window still open is
  // translated anew, this one is gone.
  if (chosenFile_.empty()) return;
  if (!SwitchTranslationFile(chosenFile_)) {
    RuntimePlatform().ShowMessageBox(texts_.errorText, MB_OK, 0);
  }
}

BOOL CLanguageSwitchDialog::OnInitDialog() {
  LayOutControls();
  FillLists();
  return TRUE;
}

void CLanguageSwitchDialog::LayOutControls() {
  SetWindowText(Wide(texts_.titleText));
  font_ = static_cast<HFONT>(::GetStockObject(ANSI_VAR_FONT));
  HDC dc = ::GetDC(m_hWnd);
  HGDIOBJ previous = ::SelectObject(dc, font_);
  SIZE size{};
  ::GetTextExtentPoint32W(dc, L"Hallo", 5, &size);
  ::SelectObject(dc, previous);
  ::ReleaseDC(m_hWnd, dc);

  RECT client{};
  ::GetClientRect(m_hWnd, &client);
  const CSwitchDialogLayout layout =
      LayOutSwitchDialog({client.left, client.top, client.right, client.bottom}, size.cy,
                         settings_.showOlderVersions, settings_.showHelpButton);

  constexpr DWORD kLabel = WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP;
  constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
  CreateControl(thisVersionLabel_, L"STATIC", texts_.thisVersionLabel, kLabel,
                layout.thisVersionLabel, kThisVersionLabelId);
  thisVersionList_.Create(*this, m_hWnd, ToRect(layout.thisVersionList), false);
  thisVersionList_.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  if (settings_.showOlderVersions) {
    CreateControl(olderVersionsLabel_, L"STATIC", texts_.olderVersionsLabel, kLabel,
                  layout.olderVersionsLabel, kOlderVersionsLabelId);
    olderVersionsList_.Create(*this, m_hWnd, ToRect(layout.olderVersionsList), true);
    olderVersionsList_.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  }
  CreateControl(okButton_, L"BUTTON", texts_.okText, kButton | WS_DISABLED, layout.okButton,
                kSwitchOkId);
  CreateControl(cancelButton_, L"BUTTON", texts_.cancelText, kButton, layout.cancelButton,
                kSwitchCancelId);
  if (settings_.showHelpButton) {
    CreateControl(helpButton_, L"BUTTON", texts_.helpText, kButton, layout.helpButton,
                  kSwitchHelpId);
  }
}

void CLanguageSwitchDialog::CreateControl(CWnd& control, LPCWSTR className,
                                          const std::u16string& text, DWORD style,
                                          const CPixelRect& rect, int id) {
  HWND window = ::CreateWindowExW(0, className, Wide(text), style, rect.left, rect.top,
                                  rect.right - rect.left, rect.bottom - rect.top, m_hWnd,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  ::GetModuleHandleW(nullptr), nullptr);
  control.Attach(window);
  control.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
}

void CLanguageSwitchDialog::FillLists() {
  CLanguageInfo held;
  const bool holds = GetCurrentLanguageInfo(held);
  files_ = CollectLanguageFiles(holds ? &held : nullptr, ListLanguageFiles(settings_.searchFolder),
                                [](const std::u16string& path, CLanguageInfo& info) {
                                  return ReadLanguageInfo(path, info);
                                });
  HDC dc = ::GetDC(m_hWnd);
  const auto add = [dc](CFlagListCtrl& list, const CLanguageInfo& info,
                        const std::u16string& text) {
    HBITMAP flag = ReadFlagBitmap(info.filePath, dc);
    list.AddItem(flag, Wide(text));
    if (flag) ::DeleteObject(flag);
  };
  for (const CLanguageInfo& info : files_.thisVersionFiles) {
    add(thisVersionList_, info, info.languageName);
  }
  thisVersionList_.ShowWindow(SW_SHOW);
  if (settings_.showOlderVersions) {
    for (const CLanguageInfo& info : files_.olderVersionFiles) {
      add(olderVersionsList_, info, OlderVersionEntryText(info, texts_.versionPrefix));
    }
    olderVersionsList_.ShowWindow(SW_SHOW);
  }
  ::ReleaseDC(m_hWnd, dc);
}

void CLanguageSwitchDialog::OnListSelection(bool isOlderList) {
  selection_.OnListSelection(isOlderList);
  ::EnableWindow(okButton_.m_hWnd, TRUE);
}

void CLanguageSwitchDialog::OnListNoSelection() {
  selection_.OnListNoSelection();
  ::EnableWindow(okButton_.m_hWnd, FALSE);
}

void CLanguageSwitchDialog::OnOK() {
  const int olderIndex = olderVersionsList_.m_hWnd ? olderVersionsList_.SelectedIndex() : -1;
  const CSwitchChoice choice =
      ChooseSwitchFile(selection_.Selection(), files_, thisVersionList_.SelectedIndex(), olderIndex);
  if (choice.path.empty()) return;
  if (choice.warnFirst) RuntimePlatform().ShowMessageBox(texts_.warningText, MB_OK, 0);
  chosenFile_ = choice.path;
  EndDialog(IDOK);
}

void CLanguageSwitchDialog::OnHelp() {
  // The application's own help handler answers the command; without one
  // nothing happens.
  if (mainWindow_ && settings_.helpCommandId != 0) {
    ::SendMessageW(mainWindow_, WM_COMMAND, MAKEWPARAM(settings_.helpCommandId, 0), 0);
  }
}

void CLanguageSwitchDialog::DestroyControls() {
  for (CWnd* control : {static_cast<CWnd*>(&thisVersionLabel_), &olderVersionsLabel_,
                        static_cast<CWnd*>(&thisVersionList_),
                        static_cast<CWnd*>(&olderVersionsList_), &okButton_, &cancelButton_,
                        &helpButton_}) {
    control->DestroyWindow();
  }
}

BOOL CLanguageSwitchDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam,
                                     LRESULT* result) {
  switch (message) {
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      CFlagListCtrl* list = header->idFrom == kThisVersionListId     ? &thisVersionList_
                            : header->idFrom == kOlderVersionsListId ? &olderVersionsList_
                                                                     : nullptr;
      if (list && header->code == NM_CLICK) list->OnClick();
      if (list && header->code == NM_DBLCLK) list->OnDoubleClick();
      break;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == kSwitchHelpId) {
        OnHelp();
        *result = 0;
        return TRUE;
      }
      break;
    case WM_DESTROY:
      // The controls are not the framework's windows: they leave their
      // objects before they go.
      DestroyControls();
      break;
  }
  return CDialog::OnWndMsg(message, wParam, lParam, result);
}

void DoAutomaticSwitchDialog() {
  std::optional<CSwitchDialogTexts> texts = AutomaticSwitchDialogTexts();
  if (!texts) return;
  const CRuntimeState& state = RuntimeState();
  ShowSwitchDialog({state.switchDialogFolder, state.showOlderVersions, state.showHelpButton,
                    state.helpCommandId},
                   std::move(*texts));
}

void DoSwitchDialog(const std::u16string& folder, bool showOlderVersions, bool showHelpButton,
                    uint32_t helpCommandId, const SwitchDialogTextIds& textIds, bool automatic) {
  (void)automatic;
  ShowSwitchDialog({folder, showOlderVersions, showHelpButton, helpCommandId},
                   LoadSwitchDialogTexts(textIds));
}

}  // namespace tolmeric
