#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <iterator>

#include "framework/MDIChildWnd.h"
#include "framework/MDIFrameWnd.h"
#include "framework/MenuHandle.h"

namespace tolmeric {
namespace {

// A menu bar: "File" with one command, and a popup holding command id.
HMENU MakeBar(UINT id) {
  CMenuHandle bar(::CreateMenu());
  CMenuHandle file(::CreatePopupMenu());
  CMenuHandle other(::CreatePopupMenu());
  file.AppendMenu(MF_STRING, 100, L"&Open");
  other.AppendMenu(MF_STRING, id, L"&Cascade");
  bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(file.m_hMenu), L"&File");
  bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(other.m_hMenu), L"&Window");
  return bar.m_hMenu;
}

TEST(MDIFrameWndTest, ChildrenLiveInTheClientAndTheWindowMenuListsThem) {
  auto* frame = new CMDIFrameWnd;
  // No resources of this identifier: the frame starts without a menu.
  ASSERT_TRUE(frame->LoadFrame(999, WS_OVERLAPPEDWINDOW, nullptr, nullptr));
  ASSERT_NE(frame->m_hWndMDIClient, nullptr);
  EXPECT_EQ(::GetParent(frame->m_hWndMDIClient), frame->m_hWnd);

  // The window menu is the popup with a window-menu command in it.
  const HMENU plain = MakeBar(101);
  EXPECT_EQ(frame->GetWindowMenuPopup(plain), nullptr);
  ::DestroyMenu(plain);

  CMDIChildWnd* children[2] = {new CMDIChildWnd, new CMDIChildWnd};
  const wchar_t* titles[2] = {L"One", L"Two"};
  for (int i = 0; i < 2; ++i) {
    children[i]->m_hMenuShared = MakeBar(AFX_IDM_WINDOW_FIRST + 2);
    ASSERT_TRUE(children[i]->Create(nullptr, titles[i], WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                                    CMDIChildWnd::rectDefault, frame));
    EXPECT_EQ(children[i]->GetMDIFrame(), frame);
    EXPECT_EQ(frame->MDIGetActive(), children[i]);
    // The active child's menu is the frame's menu bar.
    EXPECT_EQ(::GetMenu(frame->m_hWnd), children[i]->m_hMenuShared);
  }
  const HMENU windowMenu = frame->GetWindowMenuPopup(children[1]->m_hMenuShared);
  ASSERT_EQ(windowMenu, ::GetSubMenu(children[1]->m_hMenuShared, 1));
  // "Cascade", a separator, one item per child.
  EXPECT_EQ(::GetMenuItemCount(windowMenu), 4);

  frame->MDINext();
  EXPECT_EQ(frame->MDIGetActive(), children[0]);
  EXPECT_EQ(::GetMenu(frame->m_hWnd), children[0]->m_hMenuShared);
  children[0]->DestroyWindow();
  EXPECT_EQ(frame->MDIGetActive(), children[1]);
  children[1]->MDIDestroy();
  EXPECT_EQ(frame->MDIGetActive(), nullptr);
  EXPECT_EQ(::GetMenu(frame->m_hWnd), frame->m_hMenuDefault);
  frame->DestroyWindow();
}

// A child whose window fails while it is made. Its memory is kept, filled
// with a mark when the object is deleted, to see that nothing touches the
// object afterwards.
class CFailingChild : public CMDIChildWnd {
 public:
  static void* operator new(size_t);
  static void operator delete(void* object);

 protected:
  BOOL OnCreateClient(LPCREATESTRUCT, CCreateContext*) override { return FALSE; }
};

constexpr unsigned char kDeleted = 0xAB;
alignas(std::max_align_t) unsigned char failingChild[sizeof(CFailingChild)];

void* CFailingChild::operator new(size_t) { return failingChild; }
void CFailingChild::operator delete(void*) {
  std::fill_n(failingChild, sizeof(failingChild), kDeleted);
}

TEST(MDIFrameWndTest, AChildThatFailsIsGoneAndUntouched) {
  auto* frame = new CMDIFrameWnd;
  ASSERT_TRUE(frame->LoadFrame(999, WS_OVERLAPPEDWINDOW, nullptr, nullptr));
  // The resource identifier of a menu: the child loads it and its window
  // destroys it.
  EXPECT_FALSE((new CFailingChild)->LoadFrame(300, WS_CHILD | WS_VISIBLE, frame, nullptr));
  EXPECT_TRUE(std::all_of(std::begin(failingChild), std::end(failingChild),
                          [](unsigned char byte) { return byte == kDeleted; }));
  EXPECT_EQ(frame->MDIGetActive(), nullptr);
  frame->DestroyWindow();
}

}  // namespace
}  // namespace tolmeric
