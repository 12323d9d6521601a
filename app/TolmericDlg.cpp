#include "app/TolmericDlg.h"

#include <commctrl.h>

#include "app/AboutDlg.h"
#include "app/FlagChoice.h"
#include "app/FlagDialog.h"
#include "app/ToolFilesWin32.h"
#include "app/ToolPromptsWin32.h"
#include "app/TreeViewItems.h"
#include "framework/WinApp.h"
#include "runtime/ApplicationInterfaceWin32.h"
#include "translation/LanguageData.h"

namespace tolmeric {
namespace {

// The controls of page "Allgemein" (the hidden flag marker stays hidden).
constexpr int kGeneralPageIds[] = {1015, 1009, 1012, 1021, 1004, 1022, 1023, 1072, 1016,
                                   1011, 1006, 1008, 1007, 1017, 1025, 1013, 1030, 1029,
                                   1014, 1065, 1067, 1066, 1068, 1069, 1070, 1056};

// Strings the window shows.
constexpr UINT kStrProgramTitle = 111;
constexpr UINT kStrNoMessages = 123;
constexpr UINT kStrFirstTabCaption = 124;
constexpr UINT kStrFirstTabTip = 105;
constexpr UINT kStrTestLanguageFile = 61216;

// The help context of a dialog: the help identifiers of resources start
// at this base.
constexpr DWORD kHelpResourceBase = 0x20000;

// The strip of every flag the flag dialog offers, side by side.
constexpr UINT kFlagStripId = 159;

CString Translated(UINT id) {
  CString text;
  LoadTranslatedString(text, id);
  return text;
}

std::u16string WindowText(const CWnd* window) {
  if (!window) return {};
  CString text;
  window->GetWindowText(text);
  return FromWide(text);
}

}  // namespace

BEGIN_MESSAGE_MAP(CTolmericDlg, CDialog)
  ON_WM_SIZE()
  ON_WM_CLOSE()
  ON_WM_DESTROY()
  ON_WM_PAINT()
  ON_MESSAGE(WM_GETMINMAXINFO, OnGetMinMaxInfo)
  ON_WM_LBUTTONDOWN()
  ON_MESSAGE(WM_QUERYDRAGICON, OnQueryDragIcon)
  ON_BN_CLICKED(kTestVersionBoxId, OnTestVersionClicked)
  ON_EN_CHANGE(kProgramNameEditId, OnHeaderFieldChanged)
  ON_EN_CHANGE(kProgramVersionEditId, OnHeaderFieldChanged)
  ON_EN_CHANGE(kLanguageNameEditId, OnHeaderFieldChanged)
  ON_NOTIFY(NM_CLICK, kScriptListId, OnScriptListEvent)
  ON_NOTIFY(NM_DBLCLK, kScriptListId, OnScriptListEvent)
  ON_NOTIFY(NM_SETFOCUS, kScriptListId, OnScriptListEvent)
  ON_NOTIFY(NM_KILLFOCUS, kScriptListId, OnScriptListEvent)
  ON_NOTIFY(TCN_SELCHANGE, kTabControlId, OnTabSelectionChanged)
  ON_NOTIFY_EX(TTN_GETDISPINFOW, 0, OnToolTipText)
  ON_COMMAND(32780, OnNewProject)
  ON_COMMAND(1021, OnNewProject)
  ON_COMMAND(32781, OnOpenProject)
  ON_COMMAND(1004, OnOpenProject)
  ON_COMMAND(32782, OnSaveProject)
  ON_COMMAND(1022, OnSaveProject)
  ON_COMMAND(32783, OnSaveProjectAs)
  ON_COMMAND(1023, OnSaveProjectAs)
  ON_COMMAND(32800, OnToggleAutoInstall)
  ON_COMMAND(kAutoInstallBoxId, OnToggleAutoInstall)
  ON_COMMAND(32784, OnAddScripts)
  ON_COMMAND(1008, OnAddScripts)
  ON_COMMAND(32785, OnRemoveScripts)
  ON_COMMAND(1007, OnRemoveScripts)
  ON_COMMAND(32795, OnSaveLanguageFile)
  ON_COMMAND(1030, OnSaveLanguageFile)
  ON_COMMAND(32796, OnSaveLanguageFileAs)
  ON_COMMAND(1029, OnSaveLanguageFileAs)
  ON_COMMAND(32797, OnTestVersionSettings)
  ON_COMMAND(1014, OnTestVersionSettings)
  ON_COMMAND(kSaveAndCloseButtonId, OnSaveAndClose)
  ON_COMMAND(kAboutCommandId, OnAbout)
  ON_COMMAND(kHelpContentsCommandId, OnHelpContents)
END_MESSAGE_MAP()

CTolmericDlg::CTolmericDlg(CWnd* parent)
    : CDialog(kMainDialogId, parent),
      ownFiles_(std::make_unique<CToolFilesWin32>()),
      ownPrompts_(std::make_unique<CToolPromptsWin32>(this, [this] { return AskFlag(); })),
      session_(*this, *ownPrompts_, *ownFiles_),
      icon_(::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(kMainIconId))) {}

CTolmericDlg::CTolmericDlg(IToolPrompts& prompts, IToolFiles& files, CWnd* parent)
    : CDialog(kMainDialogId, parent),
      session_(*this, prompts, files),
      icon_(::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(kMainIconId))) {}

CTolmericDlg::~CTolmericDlg() = default;

BOOL CTolmericDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  TranslateWindowMenus(this);
  tabs_.SubclassDlgItem(kTabControlId, this);
  // The captions first: the page area lies below the row of tabs.
  SetTabCaptions();
  CreatePages();
  SetIcon(icon_, TRUE);
  SetIcon(icon_, FALSE);
  AttachControls();
  SetUpBitmapButtons();
  UpdateControls();
  ShowPage(*PageForTab(0));
  RECT window;
  GetWindowRect(&window);
  minimumSize_.Record(window.right - window.left, window.bottom - window.top);
  // The layout starts from this size, whether or not the window was told
  // its size while it was made.
  RECT client;
  GetClientRect(&client);
  resize_.Resized(client.right, client.bottom);
  session_.ProcessCommandLine(FromWide(commandLine));
  return TRUE;
}

// The tree view and the message box lie over the tab control's page area.
void CTolmericDlg::CreatePages() {
  RECT page;
  tabs_.GetWindowRect(&page);
  ScreenToClient(&page);
  tabs_.AdjustRect(FALSE, &page);

  treeView_ = std::make_unique<CTextTreeView>();
  treeView_->Create(this, kTreeViewId, page);

  messageBox_ = std::make_unique<CEdit>();
  messageBox_->CreateEx(WS_EX_CLIENTEDGE,
                        WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL |
                            ES_WANTRETURN | WS_TABSTOP,
                        page, this, kMessageBoxId);
  messageFont_ = std::make_unique<CFont>();
  messageFont_->CreateFont(15, 10, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_DONTCARE, L"Courier New");
  messageBox_->SetFont(*messageFont_);
  messageBox_->SetWindowText(Translated(kStrNoMessages));
}

void CTolmericDlg::AttachControls() {
  projectList_.AttachToDialogItem(*this, kProjectListId);
  scriptList_.AttachToDialogItem(*this, kScriptListId);
  languageList_.AttachToDialogItem(*this, kLanguageListId);
}

void CTolmericDlg::SetUpBitmapButtons() {
  struct ButtonImages {
    UINT id, tip, normal, pressed, hot, disabled;
  };
  // The save buttons of the project and of the language file look alike.
  static constexpr ButtonImages kButtons[9] = {
      {1021, 108, 144, 148, 147, 0},   {1004, 102, 135, 136, 137, 0},
      {1022, 109, 149, 151, 150, 156}, {1023, 110, 152, 154, 153, 164},
      {1008, 103, 138, 139, 140, 157}, {1007, 104, 141, 142, 143, 155},
      {1030, 117, 149, 151, 150, 156}, {1029, 118, 152, 154, 153, 164},
      {1014, 119, 160, 162, 161, 163},
  };
  for (int i = 0; i < 9; ++i) {
    const ButtonImages& b = kButtons[i];
    if (!bitmapButtons_[i].SubclassDlgItem(b.id, this)) continue;
    bitmapButtons_[i].SetUp(b.tip, b.normal, b.pressed, b.hot, b.disabled);
  }
}

void CTolmericDlg::SetTabCaptions() {
  tabs_.DeleteAllItems();
  for (int i = 0; i < 3; ++i) {
    tabCaptions_[i] = Translated(kStrFirstTabCaption + i);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<LPWSTR>(static_cast<LPCWSTR>(tabCaptions_[i]));
    tabs_.InsertItem(i, &item);
  }
}

CMainWindowState CTolmericDlg::State() {
  CMainWindowState state;
  const CProject* project = session_.project();
  state.projectExists = project != nullptr;
  state.projectChanged = session_.projectChanged();
  state.languageFileKnown = session_.languageFileKnown();
  state.languageChanged = session_.languageChanged();
  state.scriptSelected = scriptList_.m_hWnd && scriptList_.GetSelectedCount() > 0;
  state.headerComplete = session_.HeaderComplete();
  if (project) {
    state.testVersion = project->testVersion;
    state.autoInstall = project->autoInstall;
  }
  return state;
}

void CTolmericDlg::UpdateControls() {
  CProject* project = session_.project();
  CMainWindowState state = State();
  SetWindowText(ToCString(MainWindowTitle(FromWide(Translated(kStrProgramTitle)), state,
                                          project ? project->FileTitle() : u"")));
  if (project && project->languageData) {
    project->languageData->programName = WindowText(GetDlgItem(kProgramNameEditId));
    project->languageData->programVersion = WindowText(GetDlgItem(kProgramVersionEditId));
    project->languageData->languageName = WindowText(GetDlgItem(kLanguageNameEditId));
    state.headerComplete = session_.HeaderComplete();
  }
  ApplyControlStates(ControlStatesFor(state));
}

void CTolmericDlg::ApplyControlStates(const CControlStates& states) {
  for (const CItemEnabled& item : states.controls) EnableControl(item.id, item.enabled);
  CMenu* menu = GetMenu();
  for (const CItemEnabled& item : states.menuEntries) {
    menu->EnableMenuItem(item.id, MF_BYCOMMAND | (item.enabled ? MF_ENABLED : MF_GRAYED));
  }
  if (states.autoInstallChecked) {
    const bool checked = *states.autoInstallChecked;
    CheckDlgButton(kAutoInstallBoxId, checked ? BST_CHECKED : BST_UNCHECKED);
    menu->CheckMenuItem(32800, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
  }
  CheckDlgButton(kTestVersionBoxId, states.testVersionChecked ? BST_CHECKED : BST_UNCHECKED);
  DrawMenuBar();
}

void CTolmericDlg::EnableControl(int id, bool enable) {
  if (CWnd* control = GetDlgItem(id)) control->EnableWindow(enable);
}

void CTolmericDlg::RefreshAll() {
  if (const CProject* project = session_.project()) {
    treeView_->Fill(TreeViewItemsOf(*project));
    projectList_.SetName(Wide(project->FileTitle()), true);
    scriptList_.Refill(*project);
    if (session_.languageFileKnown()) {
      languageList_.SetName(Wide(project->languageFileName), false);
      std::u16string label;
      FormatTranslated(label, kStrTestLanguageFile, project->TestLanguageFileName());
      ::SetDlgItemTextW(m_hWnd, kTestVersionBoxId, Wide(label));
    }
  }
  UpdateControls();
}

void CTolmericDlg::FillHeaderFields() {
  const CProject* project = session_.project();
  if (!project || !project->languageData) return;
  const CLanguageData& data = *project->languageData;
  updatingFields_ = true;
  ::SetDlgItemTextW(m_hWnd, kProgramNameEditId, Wide(data.programName));
  ::SetDlgItemTextW(m_hWnd, kProgramVersionEditId, Wide(data.programVersion));
  ::SetDlgItemTextW(m_hWnd, kLanguageNameEditId, Wide(data.languageName));
  updatingFields_ = false;
}

// The flag window lies over the flag marker, whose top left corner it
// shares.
void CTolmericDlg::ShowFlag() {
  const CProject* project = session_.project();
  CWnd* marker = GetDlgItem(kFlagMarkerId);
  if (!project || !project->languageData || !marker) return;
  RECT rect;
  marker->GetWindowRect(&rect);
  ScreenToClient(&rect);
  rect.right = rect.left + kFlagCellPixels;
  rect.bottom = rect.top + kFlagCellPixels;
  HDC dc = ::GetDC(m_hWnd);
  HBITMAP bitmap = project->languageData->CreateFlagBitmap(dc);
  ::ReleaseDC(m_hWnd, dc);
  if (flag_) flag_->DestroyWindow();
  flag_ = std::make_unique<CFlagStatic>();
  flag_->Create(this, rect, bitmap);
  // The flag shows with the first page only (the window itself may not be
  // shown yet).
  if (!(GetDlgItem(kProjectListId)->GetStyle() & WS_VISIBLE)) flag_->ShowWindow(SW_HIDE);
}

void CTolmericDlg::ShowLog(const std::u16string& log) {
  if (messageBox_) messageBox_->SetWindowText(Wide(log));
}

std::vector<std::u16string> CTolmericDlg::SelectedScripts() {
  std::vector<std::u16string> scripts;
  for (int row = scriptList_.GetNextItem(-1, LVNI_SELECTED); row >= 0;
       row = scriptList_.GetNextItem(row, LVNI_SELECTED)) {
    scripts.push_back(FromWide(scriptList_.GetItemText(row, 0)));
  }
  return scripts;
}

// The flag is the cell at 32 * index pixels from the left of the flag strip.
void CTolmericDlg::TakeFlag(int32_t index) {
  CProject* project = session_.project();
  if (!project || !project->languageData || index < 0) return;
  HBITMAP strip = ::LoadBitmapW(AfxGetResourceHandle(), MAKEINTRESOURCEW(kFlagStripId));
  if (!strip) return;
  HDC dc = ::GetDC(m_hWnd);
  project->languageData->SetFlagFromBitmap(dc, strip, FlagCellLeft(index), 0);
  ::ReleaseDC(m_hWnd, dc);
  ::DeleteObject(strip);
}

void CTolmericDlg::EndWithOk() { EndDialog(IDOK); }

int32_t CTolmericDlg::AskFlag() {
  CFlagDialog flags(this);
  return flags.DoModal() == IDOK ? flags.selectedFlag : -1;
}

void CTolmericDlg::ShowGeneralPage(bool show) {
  const int command = show ? SW_SHOW : SW_HIDE;
  for (int id : kGeneralPageIds) {
    if (CWnd* control = GetDlgItem(id)) control->ShowWindow(command);
  }
  if (flag_) flag_->ShowWindow(command);
}

void CTolmericDlg::ShowPage(const CPageVisibility& page) {
  if (!page.generalPage) ShowGeneralPage(false);
  if (!page.treeView && treeView_) treeView_->ShowWindow(SW_HIDE);
  if (!page.messageBox && messageBox_) messageBox_->ShowWindow(SW_HIDE);
  if (page.generalPage) ShowGeneralPage(true);
  if (page.treeView && treeView_) treeView_->ShowWindow(SW_SHOW);
  if (page.messageBox && messageBox_) messageBox_->ShowWindow(SW_SHOW);
}

void CTolmericDlg::OnOK() {
  if (session_.CanClose()) EndDialog(IDOK);
}

void CTolmericDlg::OnCancel() {
  if (session_.CanClose()) EndDialog(IDCANCEL);
}

// The close box asks once: the default handling would send the cancel
// command, which asks again.
void CTolmericDlg::OnClose() { OnCancel(); }

void CTolmericDlg::OnDestroy() {
  WinHelp(0, HELP_QUIT);
  CDialog::OnDestroy();
}

std::vector<CControlRect> CTolmericDlg::ControlRects() {
  std::vector<CControlRect> rects;
  for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    RECT rect;
    ::GetWindowRect(child, &rect);
    ScreenToClient(&rect);
    rects.push_back({::GetDlgCtrlID(child), rect.left, rect.top, rect.right, rect.bottom});
  }
  return rects;
}

void CTolmericDlg::OnSize(UINT type, int width, int height) {
  CDialog::OnSize(type, width, height);
  if (type == SIZE_MINIMIZED) return;
  const auto change = resize_.Resized(width, height);
  if (!change || !tabs_.m_hWnd) return;
  // All at once, so that no control is moved from a place read before an
  // earlier move.
  const std::vector<CControlRect> moved = LayOutControls(ControlRects(), change->dx, change->dy);
  HDWP positions = ::BeginDeferWindowPos(static_cast<int>(moved.size()));
  for (const CControlRect& rect : moved) {
    if (positions) {
      positions = ::DeferWindowPos(positions, ::GetDlgItem(m_hWnd, rect.id), nullptr, rect.left,
                                   rect.top, rect.right - rect.left, rect.bottom - rect.top,
                                   SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  if (positions) ::EndDeferWindowPos(positions);
  Invalidate();
}

LRESULT CTolmericDlg::OnGetMinMaxInfo(WPARAM, LPARAM lParam) {
  RECT window;
  GetWindowRect(&window);
  minimumSize_.RecordIfUnknown(window.right - window.left, window.bottom - window.top);
  auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
  info->ptMinTrackSize.x = minimumSize_.width();
  info->ptMinTrackSize.y = minimumSize_.height();
  return 0;
}

void CTolmericDlg::OnLButtonDown(UINT flags, CPoint point) {
  if (CWnd* marker = GetDlgItem(kFlagMarkerId)) {
    RECT square;
    marker->GetWindowRect(&square);
    ScreenToClient(&square);
    square.right = square.left + kFlagCellPixels;
    square.bottom = square.top + kFlagCellPixels;
    if (::PtInRect(&square, POINT{point.x, point.y})) session_.FlagAreaClicked();
  }
  CDialog::OnLButtonDown(flags, point);
}

void CTolmericDlg::OnPaint() {
  if (!IsIconic()) {
    CDialog::OnPaint();
    return;
  }
  PAINTSTRUCT paint;
  HDC dc = ::BeginPaint(m_hWnd, &paint);
  SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client;
  GetClientRect(&client);
  const int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
  ::DrawIcon(dc, x, y, icon_);
  ::EndPaint(m_hWnd, &paint);
}

LRESULT CTolmericDlg::OnQueryDragIcon(WPARAM, LPARAM) {
  return reinterpret_cast<LRESULT>(icon_);
}

void CTolmericDlg::OnTestVersionClicked() {
  session_.TestVersionClicked(IsDlgButtonChecked(kTestVersionBoxId) == BST_CHECKED);
}

void CTolmericDlg::OnHeaderFieldChanged() {
  if (!updatingFields_) session_.HeaderFieldEdited();
}

void CTolmericDlg::OnScriptListEvent(NMHDR*, LRESULT* result) {
  UpdateControls();
  *result = 0;
}

void CTolmericDlg::OnTabSelectionChanged(NMHDR*, LRESULT* result) {
  if (const auto page = PageForTab(tabs_.GetCurFocus())) ShowPage(*page);
  *result = 0;
}

// The tab control's tips: one per tab, strings 105 to 107.
BOOL CTolmericDlg::OnToolTipText(UINT, NMHDR* header, LRESULT* result) {
  if (!tabs_.m_hWnd || header->hwndFrom != tabs_.GetToolTips()) return FALSE;
  if (header->idFrom > 2) return FALSE;
  tipText_ = static_cast<LPCWSTR>(Translated(kStrFirstTabTip + static_cast<UINT>(header->idFrom)));
  reinterpret_cast<NMTTDISPINFOW*>(header)->lpszText = tipText_.data();
  *result = 0;
  return TRUE;
}

void CTolmericDlg::OnAbout() {
  CAboutDlg about(this);
  about.DoModal();
}

void CTolmericDlg::OnHelpContents() {
  WinHelp(kHelpResourceBase + kMainDialogId, HELP_CONTEXT);
}

void CTolmericDlg::OnNewProject() { session_.NewProjectCommand(); }
void CTolmericDlg::OnOpenProject() { session_.OpenProjectCommand(); }
void CTolmericDlg::OnSaveProject() { session_.SaveProject(); }
void CTolmericDlg::OnSaveProjectAs() { session_.SaveProjectAs(); }
void CTolmericDlg::OnToggleAutoInstall() { session_.ToggleAutoInstall(); }
void CTolmericDlg::OnAddScripts() { session_.AddScripts(); }
void CTolmericDlg::OnRemoveScripts() { session_.RemoveScripts(); }
void CTolmericDlg::OnSaveLanguageFile() { session_.SaveLanguageFile(); }
void CTolmericDlg::OnSaveLanguageFileAs() { session_.SaveLanguageFileAs(); }
void CTolmericDlg::OnTestVersionSettings() { session_.TestVersionSettings(); }
void CTolmericDlg::OnSaveAndClose() { session_.SaveAndClose(); }

}  // namespace tolmeric
