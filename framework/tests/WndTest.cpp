#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "framework/Dialog.h"
#include "framework/FrameWnd.h"
#include "framework/Menu.h"
#include "framework/MenuHandle.h"
#include "framework/Wnd.h"
#include "framework/tests/InMemoryTemplate.h"

namespace tolmeric {
namespace {

using testing::CInMemoryTemplate;

constexpr UINT kFrameId = 300;
constexpr UINT kFindDialogId = 310;

HWND MakePlainWindow() {
  return ::CreateWindowExW(0, L"STATIC", L"plain", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                           ::GetModuleHandleW(nullptr), nullptr);
}

TEST(RuntimeClassTest, KindFollowsTheClassTree) {
  CWnd window;
  CDialog dialog;
  CMenu menu;
  auto* frame = new CFrameWnd;
  const struct {
    const CObject* object;
    const CRuntimeClass* runtimeClass;
    bool expected;
  } cases[] = {
      {&window, RUNTIME_CLASS(CObject), true},   {&window, RUNTIME_CLASS(CWnd), true},
      {&window, RUNTIME_CLASS(CDialog), false},  {&dialog, RUNTIME_CLASS(CWnd), true},
      {&dialog, RUNTIME_CLASS(CFrameWnd), false}, {frame, RUNTIME_CLASS(CWnd), true},
      {frame, RUNTIME_CLASS(CFrameWnd), true},   {&menu, RUNTIME_CLASS(CWnd), false},
      {&menu, RUNTIME_CLASS(CMenu), true},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(cases[i].object->IsKindOf(cases[i].runtimeClass), cases[i].expected)
        << "case " << i << ": " << cases[i].object->GetRuntimeClass()->m_lpszClassName
        << " against " << cases[i].runtimeClass->m_lpszClassName;
  }
  delete frame;
}

TEST(HandleMapTest, WindowsHaveOnePermanentOrOneTemporaryObject) {
  HWND handle = MakePlainWindow();
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
  EXPECT_EQ(CWnd::FromHandlePermanent(handle), nullptr);
  CWnd* temporary = CWnd::FromHandle(handle);
  ASSERT_NE(temporary, nullptr);
  EXPECT_EQ(temporary->m_hWnd, handle);
  EXPECT_EQ(CWnd::FromHandle(handle), temporary);
  // Deleting the temporary objects leaves the window alone.
  CWnd::DeleteTempMap();
  EXPECT_TRUE(::IsWindow(handle));

  {
    CWnd window;
    ASSERT_TRUE(window.Attach(handle));
    EXPECT_FALSE(window.Attach(handle));
    EXPECT_EQ(CWnd::FromHandlePermanent(handle), &window);
    EXPECT_EQ(CWnd::FromHandle(handle), &window);
    CString text;
    window.SetWindowText(std::wstring(300, L'x').c_str());
    window.GetWindowText(text);
    EXPECT_EQ(text.GetLength(), 300);
    EXPECT_EQ(window.Detach(), handle);
    EXPECT_EQ(CWnd::FromHandlePermanent(handle), nullptr);
  }
  // A detached object does not destroy the window; an attached one does.
  ASSERT_TRUE(::IsWindow(handle));
  {
    CWnd window;
    window.Attach(handle);
  }
  EXPECT_FALSE(::IsWindow(handle));
  EXPECT_EQ(CWnd::FromHandlePermanent(handle), nullptr);
}

TEST(MenuTest, OwningMenuDestroysAndBorrowedHandleReads) {
  HMENU kept = nullptr;
  {
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(kFrameId));
    EXPECT_EQ(CMenu::FromHandlePermanent(menu.m_hMenu), &menu);
    const CMenuHandle bar(menu.m_hMenu);
    ASSERT_EQ(bar.GetMenuItemCount(), 2);
    EXPECT_EQ(bar.GetMenuItemID(0), static_cast<UINT>(-1));
    EXPECT_EQ(bar.GetMenuItemID(1), 303u);
    const CMenuHandle file = bar.GetSubMenu(0);
    EXPECT_EQ(file.GetMenuItemID(1), 0u);
    EXPECT_EQ(file.GetSubMenu(2).GetMenuItemID(0), 302u);
    EXPECT_EQ(menu.GetSubMenu(0)->m_hMenu, file.m_hMenu);
    EXPECT_EQ(menu.GetSubMenu(1), nullptr);

    // Texts are read whole, and rewritten by position.
    CMenuHandle writable(file);
    const std::wstring longText(300, L'L');
    writable.ModifyMenu(0, MF_BYPOSITION | MF_STRING, 301, longText.c_str());
    CString text;
    EXPECT_EQ(menu.GetSubMenu(0)->GetMenuString(0, text, MF_BYPOSITION), 300);
    EXPECT_EQ(text, longText.c_str());
    EXPECT_EQ(file.GetMenuString(1, text, MF_BYPOSITION), 0);
    EXPECT_TRUE(text.IsEmpty());

    kept = file.m_hMenu;
    // Temporary objects never destroy their menus.
    CMenu::DeleteTempMap();
    EXPECT_TRUE(::IsMenu(kept));
  }
  // The owning object destroyed the bar and with it its popups.
  EXPECT_FALSE(::IsMenu(kept));

  CMenu popup;
  ASSERT_TRUE(popup.CreatePopupMenu());
  HMENU handle = popup.Detach();
  EXPECT_EQ(popup.m_hMenu, nullptr);
  EXPECT_TRUE(::IsMenu(handle));
  ::DestroyMenu(handle);
}

// A dialog that records what it saw at initialisation and closes itself
// through a posted command, as a user would press a button.
class CClosingDialog : public CDialog {
 public:
  using CDialog::CDialog;
  BOOL OnInitDialog() override {
    permanentAtInit = CWnd::FromHandlePermanent(m_hWnd) == this;
    GetWindowText(caption);
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
      CString text;
      CWnd::FromHandle(child)->GetWindowText(text);
      children.push_back(text.str());
    }
    if (closeWith == kCloseBox) {
      PostMessage(WM_CLOSE);
    } else if (closeWith) {
      PostMessage(WM_COMMAND, closeWith);
    }
    return TRUE;
  }
  // The close box: the dialog's default processing of WM_CLOSE cancels.
  static constexpr UINT kCloseBox = 0xC105E;
  bool closeBoxSeen = false;
  bool permanentAtInit = false;
  CString caption;
  std::vector<std::wstring> children;
  UINT closeWith = 0;

 protected:
  void OnClose() {
    closeBoxSeen = true;
    CDialog::OnClose();
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CClosingDialog, CDialog)
  ON_WM_CLOSE()
END_MESSAGE_MAP()

TEST(DialogTest, ModalAndModelessFromResourceAndMemory) {
  const CInMemoryTemplate replace =
      CInMemoryTemplate(L"Replace")
          .Control(CInMemoryTemplate::kStatic, 10, L"Replace with:")
          .Control(CInMemoryTemplate::kButton, IDOK, L"OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON);

  struct Case {
    const char* name;
    bool modal;
    bool inMemory;
    UINT closeWith;
    INT_PTR expectedResult;
    const wchar_t* caption;
    std::vector<std::wstring> children;
  };
  const Case cases[] = {
      {"modal resource, OK", true, false, IDOK, IDOK, L"Find", {L"Find what:", L"OK", L"Cancel"}},
      {"modal resource, Cancel", true, false, IDCANCEL, IDCANCEL, L"Find",
       {L"Find what:", L"OK", L"Cancel"}},
      {"modal resource, close box", true, false, CClosingDialog::kCloseBox, IDCANCEL, L"Find",
       {L"Find what:", L"OK", L"Cancel"}},
      {"modal in memory", true, true, IDOK, IDOK, L"Replace", {L"Replace with:", L"OK"}},
      {"modeless resource", false, false, 0, 0, L"Find", {L"Find what:", L"OK", L"Cancel"}},
      {"modeless in memory", false, true, 0, 0, L"Replace", {L"Replace with:", L"OK"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CClosingDialog dialog(kFindDialogId);
    dialog.closeWith = c.closeWith;
    if (c.modal) {
      if (c.inMemory) {
        ASSERT_TRUE(dialog.InitModalIndirect(replace.Get()));
      }
      EXPECT_EQ(dialog.DoModal(), c.expectedResult);
      EXPECT_EQ(dialog.closeBoxSeen, c.closeWith == CClosingDialog::kCloseBox);
      EXPECT_EQ(dialog.m_hWnd, nullptr);
    } else {
      ASSERT_TRUE(c.inMemory ? dialog.CreateIndirect(replace.Get()) : dialog.Create(kFindDialogId));
      EXPECT_TRUE(dialog.IsWindow());
      HWND handle = dialog.m_hWnd;
      EXPECT_TRUE(dialog.DestroyWindow());
      EXPECT_EQ(dialog.m_hWnd, nullptr);
      EXPECT_EQ(CWnd::FromHandlePermanent(handle), nullptr);
    }
    EXPECT_TRUE(dialog.permanentAtInit);
    EXPECT_EQ(dialog.caption, c.caption);
    EXPECT_EQ(dialog.children, c.children);
  }
}

// Counts its own deletion: a frame deletes itself with its window.
class CCountedFrame : public CFrameWnd {
 public:
  explicit CCountedFrame(int& deleted) : deleted_(deleted) {}
  ~CCountedFrame() override { ++deleted_; }

 private:
  int& deleted_;
};

TEST(FrameWndTest, LoadFrameShowsTheMenuAndKeepsItAsDefault) {
  int deleted = 0;
  auto* frame = new CCountedFrame(deleted);
  ASSERT_TRUE(frame->LoadFrame(kFrameId));
  CString title;
  frame->GetWindowText(title);
  EXPECT_EQ(title, L"Notebook");
  ASSERT_NE(frame->m_hMenuDefault, nullptr);
  EXPECT_EQ(frame->GetMenu()->m_hMenu, frame->m_hMenuDefault);
  EXPECT_EQ(frame->GetStyle() & WS_CHILD, 0u);
  EXPECT_EQ(CWnd::FromHandlePermanent(frame->m_hWnd), frame);

  // With another menu shown, the default menu still goes with the window.
  CMenu other;
  ASSERT_TRUE(other.CreateMenu());
  frame->SetMenu(&other);
  const HMENU defaultMenu = frame->m_hMenuDefault;
  frame->DestroyWindow();
  EXPECT_EQ(deleted, 1);
  EXPECT_FALSE(::IsMenu(defaultMenu));
  EXPECT_TRUE(::IsMenu(other.m_hMenu));
}

}  // namespace
}  // namespace tolmeric
