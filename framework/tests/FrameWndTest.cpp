#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/FrameWnd.h"
#include "framework/StatusBar.h"
#include "framework/ThreadState.h"
#include "framework/ToolBar.h"
#include "framework/View.h"
#include "framework/WinApp.h"

namespace tolmeric {
namespace {

constexpr UINT kFrameId = 300;
constexpr UINT kOpen = 301;
constexpr UINT kToolBarBitmap = 320;
// Handled by view, frame and application; frame and application; the
// application; nobody.
constexpr UINT kEverywhere = 401;
constexpr UINT kFrameAndApp = 402;
constexpr UINT kAppOnly = 403;
constexpr UINT kNobody = 404;

// The handlers called, with whether the frame routed the command.
std::vector<std::string> calls;

void Record(const char* who, UINT id) {
  const bool routed = AfxGetThreadState()->m_pRoutingFrame != nullptr;
  calls.push_back(std::string(who) + " " + std::to_string(id) + (routed ? " routed" : ""));
}

class CTestApp : public CWinApp {
 public:
  CTestApp() : CWinApp(L"Test") {}
  int ExitInstance() override {
    calls.push_back("exit");
    return CWinApp::ExitInstance() + 40;
  }

 protected:
  void OnCommand(UINT id) { Record("app", id); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
  ON_COMMAND_RANGE(kEverywhere, kAppOnly, OnCommand)
END_MESSAGE_MAP()

class CTestView : public CView {
  DECLARE_DYNCREATE(CTestView)

 protected:
  void OnEverywhere() { Record("view", kEverywhere); }
  DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CTestView, CView)

BEGIN_MESSAGE_MAP(CTestView, CView)
  ON_COMMAND(kEverywhere, OnEverywhere)
END_MESSAGE_MAP()

// A frame with a toolbar and a status bar.
class CTestFrame : public CFrameWnd {
 public:
  CToolBar toolBar;
  CStatusBar statusBar;

 protected:
  int OnCreate(LPCREATESTRUCT createStruct) {
    if (CFrameWnd::OnCreate(createStruct) == -1) return -1;
    static const UINT buttons[] = {kOpen, ID_SEPARATOR, kFrameAndApp, kNobody};
    static const UINT indicators[] = {ID_SEPARATOR, 303};
    if (!toolBar.CreateEx(this) || !toolBar.LoadBitmap(kToolBarBitmap) ||
        !toolBar.SetButtons(buttons, 4) || !statusBar.Create(this) ||
        !statusBar.SetIndicators(indicators, 2)) {
      return -1;
    }
    return 0;
  }
  void OnOpen() { Record("frame", kOpen); }
  void OnCommand(UINT id) { Record("frame", id); }
  void OnUpdateFrameAndApp(CCmdUI* state) {
    state->Enable(FALSE);
    state->SetCheck(1);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
  ON_WM_CREATE()
  ON_COMMAND(kOpen, OnOpen)
  ON_COMMAND_RANGE(kEverywhere, kFrameAndApp, OnCommand)
  ON_UPDATE_COMMAND_UI(kFrameAndApp, OnUpdateFrameAndApp)
END_MESSAGE_MAP()

// Answers wide tip requests itself; ANSI ones still reach the base.
class CTipFrame : public CTestFrame {
 protected:
  BOOL OnToolTipText(UINT, NMHDR* notification, LRESULT* result) {
    AfxSetToolTipText(notification, L"own tip", result);
    return TRUE;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTipFrame, CTestFrame)
  ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, OnToolTipText)
END_MESSAGE_MAP()

int sentCommands = 0;

LRESULT CALLBACK CountSentCommands(int code, WPARAM wParam, LPARAM lParam) {
  if (code >= 0 && reinterpret_cast<const CWPSTRUCT*>(lParam)->message == WM_COMMAND) {
    ++sentCommands;
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

UINT MenuState(HMENU menu, UINT id) {
  return ::GetMenuState(menu, id, MF_BYCOMMAND) & (MF_GRAYED | MF_CHECKED);
}

UINT ButtonState(const CToolBar& bar, UINT id) {
  const LRESULT state = ::SendMessageW(bar.m_hWnd, TB_GETSTATE, id, 0);
  return (state & TBSTATE_ENABLED ? 0u : MF_GRAYED) | (state & TBSTATE_CHECKED ? MF_CHECKED : 0u);
}

TEST(FrameWndTest, CommandsGoToTheViewThenTheFrameThenTheApplication) {
  CTestApp app;
  CCreateContext context;
  context.m_pNewViewClass = RUNTIME_CLASS(CTestView);
  auto* frame = new CTestFrame;
  ASSERT_TRUE(frame->LoadFrame(kFrameId, WS_OVERLAPPEDWINDOW, nullptr, &context));
  CView* view = frame->GetActiveView();
  ASSERT_NE(view, nullptr);
  EXPECT_TRUE(view->IsKindOf(RUNTIME_CLASS(CTestView)));
  EXPECT_EQ(context.m_pLastView, view);
  EXPECT_EQ(view->GetParentFrame(), frame);
  EXPECT_EQ(view->GetDlgCtrlID(), AFX_IDW_PANE_FIRST);

  HHOOK hook = ::SetWindowsHookExW(WH_CALLWNDPROC, &CountSentCommands, nullptr,
                                   ::GetCurrentThreadId());
  const struct {
    UINT id;
    std::vector<std::string> expected;
    UINT menuState;
  } cases[] = {
      {kEverywhere, {"view 401 routed"}, 0},
      {kFrameAndApp, {"frame 402 routed"}, MF_GRAYED | MF_CHECKED},
      {kAppOnly, {"app 403 routed"}, 0},
      {kNobody, {}, MF_GRAYED},
  };
  CMenu popup;
  ASSERT_TRUE(popup.CreatePopupMenu());
  for (const auto& c : cases) popup.AppendMenu(MF_STRING, c.id, L"item");
  frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup.m_hMenu), 0);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    calls.clear();
    sentCommands = 0;
    frame->SendMessage(WM_COMMAND, c.id);
    EXPECT_EQ(calls, c.expected);
    // A command nobody handles is not sent again.
    EXPECT_EQ(sentCommands, 1);
    EXPECT_EQ(AfxGetThreadState()->m_pRoutingFrame, nullptr);
    EXPECT_EQ(MenuState(popup.m_hMenu, c.id), c.menuState);
  }
  ::UnhookWindowsHookEx(hook);
  frame->DestroyWindow();
}

TEST(FrameWndTest, RunDeliversAcceleratorsUntilTheMainWindowCloses) {
  CTestApp app;
  auto* frame = new CTestFrame;
  ASSERT_TRUE(frame->LoadFrame(kFrameId));
  CString title;
  frame->GetWindowText(title);
  EXPECT_EQ(title, L"Notebook");
  EXPECT_NE(frame->SendMessage(WM_GETICON, ICON_BIG), 0);
  EXPECT_NE(frame->m_hAccelTable, nullptr);
  EXPECT_NE(frame->m_hMenuDefault, nullptr);

  app.m_pMainWnd = frame;
  frame->ShowWindow(SW_SHOW);
  // Idle time brings the toolbar's buttons up to date.
  EXPECT_TRUE(app.OnIdle(0));
  const struct {
    UINT id;
    UINT state;
  } buttons[] = {{kOpen, 0}, {kFrameAndApp, MF_GRAYED | MF_CHECKED}, {kNobody, MF_GRAYED}};
  for (const auto& b : buttons) EXPECT_EQ(ButtonState(frame->toolBar, b.id), b.state) << b.id;

  calls.clear();
  frame->PostMessage(WM_KEYDOWN, VK_F5, 1);
  frame->PostMessage(WM_KEYUP, VK_F5, 0xC0000001);
  frame->PostMessage(WM_CLOSE);
  EXPECT_EQ(app.Run(), 40);
  EXPECT_EQ(calls, (std::vector<std::string>{"frame 301 routed", "exit"}));
  EXPECT_EQ(app.m_pMainWnd, nullptr);
}

// Starts as a program does: its initialisation makes and shows the main
// frame, which the user then closes.
class CStartingApp : public CTestApp {
 public:
  BOOL InitInstance() override {
    const bool commandLine = m_lpCmdLine == std::wstring(L"-x a.txt");
    calls.push_back("init " + std::to_string(m_nCmdShow) +
                    (commandLine ? " with command line" : ""));
    auto* frame = new CTestFrame;
    if (!frame->LoadFrame(kFrameId)) return FALSE;
    m_pMainWnd = frame;
    frame->ShowWindow(m_nCmdShow);
    frame->PostMessage(WM_CLOSE);
    return initSucceeds;
  }
  int Run() override {
    calls.push_back("run");
    return CTestApp::Run();
  }
  bool initSucceeds = true;
};

TEST(WinAppTest, WinMainInitialisesThenRunsTheApplication) {
  const struct {
    bool initSucceeds;
    std::vector<std::string> expected;
  } cases[] = {
      {true, {"init 5 with command line", "run", "exit"}},
      // A failed start still shuts the application down, its window gone.
      {false, {"init 5 with command line", "exit"}},
  };
  for (const auto& c : cases) {
    CStartingApp app;
    app.initSucceeds = c.initSucceeds;
    calls.clear();
    wchar_t commandLine[] = L"-x a.txt";
    EXPECT_EQ(AfxWinMain(::GetModuleHandleW(nullptr), nullptr, commandLine, SW_SHOW), 40);
    EXPECT_EQ(calls, c.expected);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    // What the loop did not run (the quit message of a failed start) must
    // not end the next test's loop.
    MSG left{};
    while (::PeekMessageW(&left, nullptr, 0, 0, PM_REMOVE)) {
    }
  }
}

TEST(FrameWndTest, BarsShowPromptsAndTipsAroundTheView) {
  CTestApp app;
  CCreateContext context;
  context.m_pNewViewClass = RUNTIME_CLASS(CTestView);
  auto* frame = new CTestFrame;
  auto* tipFrame = new CTipFrame;
  ASSERT_TRUE(frame->LoadFrame(kFrameId, WS_OVERLAPPEDWINDOW, nullptr, &context));
  ASSERT_TRUE(tipFrame->LoadFrame(kFrameId));
  frame->ShowWindow(SW_SHOW);
  frame->MoveWindow(0, 0, 400, 300);

  // The view fills the space between the bars.
  RECT client{}, view{}, tool{}, status{};
  frame->GetClientRect(&client);
  ::GetWindowRect(frame->GetActiveView()->m_hWnd, &view);
  ::GetWindowRect(frame->toolBar.m_hWnd, &tool);
  ::GetWindowRect(frame->statusBar.m_hWnd, &status);
  EXPECT_GT(tool.bottom - tool.top, 0);
  EXPECT_EQ(view.top, tool.bottom);
  EXPECT_EQ(view.bottom, status.top);
  EXPECT_EQ(view.right - view.left, client.right);
  EXPECT_EQ(frame->statusBar.GetPaneText(1), L"Show the help");

  const HMENU bar = frame->m_hMenuDefault;
  const struct {
    UINT item;
    UINT flags;
    HMENU menu;
    const wchar_t* expected;
  } prompts[] = {
      {kOpen, MF_STRING, ::GetSubMenu(bar, 0), L"Open a document"},
      {303, MF_STRING, bar, L"Show the help"},
      {304, MF_STRING, bar, L"Prompt"},
      {0, MF_POPUP | MF_HILITE, bar, L""},
      {0, 0xFFFF, nullptr, L"Ready"},
  };
  for (const auto& p : prompts) {
    frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(p.item, p.flags),
                       reinterpret_cast<LPARAM>(p.menu));
    EXPECT_EQ(frame->statusBar.GetPaneText(0), p.expected) << p.item;
  }
  frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(kOpen, MF_STRING), reinterpret_cast<LPARAM>(bar));
  frame->SendMessage(WM_EXITMENULOOP, FALSE);
  EXPECT_EQ(frame->statusBar.GetPaneText(0), L"Ready");

  // Tip requests as the toolbar's tip window sends them to the frame.
  HWND labelled = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 1, 1, frame->m_hWnd,
                                    reinterpret_cast<HMENU>(UINT_PTR{kOpen}), nullptr, nullptr);
  std::wstring digits;
  for (int i = 0; i < 8; ++i) digits += L"0123456789";
  digits.resize(79);
  const struct {
    CTestFrame* frame;
    UINT code;
    UINT_PTR idFrom;
    UINT flags;
    std::wstring expected;
  } tips[] = {
      {frame, TTN_NEEDTEXTW, kOpen, 0, L"Open"},
      {frame, TTN_NEEDTEXTA, kOpen, 0, L"Open"},
      {frame, TTN_NEEDTEXTW, 0, 0, L""},
      {frame, TTN_NEEDTEXTW, 303, 0, L""},
      {frame, TTN_NEEDTEXTW, 304, 0, digits},
      {frame, TTN_NEEDTEXTA, 304, 0, digits},
      {frame, TTN_NEEDTEXTW, reinterpret_cast<UINT_PTR>(labelled), TTF_IDISHWND, L"Open"},
      {tipFrame, TTN_NEEDTEXTW, kOpen, 0, L"own tip"},
      {tipFrame, TTN_NEEDTEXTA, kOpen, 0, L"Open"},
  };
  for (const auto& t : tips) {
    SCOPED_TRACE(std::to_string(t.code) + " " + std::to_string(t.idFrom));
    const HWND tipWindow = t.frame->toolBar.GetToolTips();
    ASSERT_NE(tipWindow, nullptr);
    std::wstring text;
    if (t.code == TTN_NEEDTEXTW) {
      NMTTDISPINFOW record{};
      record.hdr = {tipWindow, t.idFrom, t.code};
      record.uFlags = t.flags;
      t.frame->SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&record));
      text = record.lpszText ? record.lpszText : L"(none)";
    } else {
      NMTTDISPINFOA record{};
      record.hdr = {tipWindow, t.idFrom, t.code};
      record.uFlags = t.flags;
      t.frame->SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&record));
      const std::string narrow = record.lpszText ? record.lpszText : "(none)";
      text.assign(narrow.begin(), narrow.end());
    }
    EXPECT_EQ(text, t.expected);
  }
  tipFrame->DestroyWindow();
  frame->DestroyWindow();
}

TEST(RuntimeClassTest, ClassesMadeByTheirRecord) {
  const struct {
    const CRuntimeClass* runtimeClass;
    const CRuntimeClass* expectedKind;
  } cases[] = {
      {RUNTIME_CLASS(CFrameWnd), RUNTIME_CLASS(CFrameWnd)},
      {RUNTIME_CLASS(CTestView), RUNTIME_CLASS(CView)},
      {RUNTIME_CLASS(CWnd), nullptr},
      {RUNTIME_CLASS(CView), nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.runtimeClass->m_lpszClassName);
    EXPECT_EQ(c.runtimeClass->m_wSchema, 0xFFFFu);
    CObject* object = c.runtimeClass->CreateObject();
    EXPECT_EQ(object != nullptr, c.expectedKind != nullptr);
    if (!object) continue;
    EXPECT_EQ(object->GetRuntimeClass(), c.runtimeClass);
    EXPECT_TRUE(object->IsKindOf(c.expectedKind));
    delete object;
  }
}

}  // namespace
}  // namespace tolmeric
