// The framework's window object. A window the application creates through
// the framework, or attaches, has a permanent object; FromHandle gives any
// other window a temporary one. The permanent object is detached when its
// window is destroyed, then PostNcDestroy runs.
//
// Messages go through the object's message map: WM_COMMAND and WM_NOTIFY as
// commands and notifications (OnCommand, OnNotify, then OnCmdMsg),
// WM_DRAWITEM first to the drawn control's object (OnChildNotify), every
// other message to the handler its map names; what no entry takes goes to
// DefWindowProc. The handlers below are the ones the map macros name; each
// does the default processing of its message (Default), so a derived
// handler calls its base's.
#pragma once

#include <windows.h>

#include "framework/CmdTarget.h"
#include "framework/Menu.h"
#include "framework/Object.h"
#include "framework/Point.h"
#include "framework/String.h"

namespace tolmeric {

class CFrameWnd;
class CView;

// What a frame needs to create its view (as a document template gives it):
// the view's run-time class.
struct CCreateContext {
  const CRuntimeClass* m_pNewViewClass = nullptr;
  CView* m_pLastView = nullptr;
  CFrameWnd* m_pCurrentFrame = nullptr;
};

class CWnd : public CCmdTarget {
  DECLARE_DYNAMIC(CWnd)

 public:
  CWnd() = default;
  // Destroys a window that still has this object attached.
  ~CWnd() override;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  // The permanent object of window, else a temporary one; null for null.
  static CWnd* FromHandle(HWND window);
  static CWnd* FromHandlePermanent(HWND window);
  // Deletes the temporary objects (their windows stay).
  static void DeleteTempMap();

  // Makes this the permanent object of window; FALSE when the object holds a
  // window already or window is null.
  BOOL Attach(HWND window);
  // Gives the window up; a subclassed window gets its own procedure back.
  HWND Detach();
  // Attaches a window made by another procedure (a common control) and
  // passes its messages through the object's map first; what the map leaves
  // goes to the window's own procedure.
  BOOL SubclassWindow(HWND window);
  // SubclassWindow of the parent's child window id.
  BOOL SubclassDlgItem(UINT id, CWnd* parent) {
    return SubclassWindow(::GetDlgItem(parent ? parent->m_hWnd : nullptr, static_cast<int>(id)));
  }
  HWND GetSafeHwnd() const { return m_hWnd; }
  operator HWND() const { return m_hWnd; }

  // Creates a window of a registered class with this as its permanent
  // object, so its messages reach WindowProc.
  BOOL CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, int x, int y,
                int width, int height, HWND parent, HMENU menu, LPVOID param = nullptr);
  // A child window of the framework's window class (className null) or of
  // className, with identifier id.
  virtual BOOL Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect,
                      CWnd* parent, UINT id, CCreateContext* context = nullptr);
  virtual BOOL DestroyWindow();

  // Before the message is translated and dispatched: TRUE when it was
  // handled here (an accelerator, say).
  virtual BOOL PreTranslateMessage(MSG* msg);
  // PreTranslateMessage of the objects of msg's window and of its parents up
  // to stop; TRUE as soon as one handles it.
  static BOOL WalkPreTranslateTree(HWND stop, MSG* msg);
  // The nearest frame among the parents.
  CFrameWnd* GetParentFrame() const;

  BOOL IsWindow() const { return ::IsWindow(m_hWnd); }
  void SetWindowText(LPCTSTR text) { ::SetWindowTextW(m_hWnd, text); }
  int GetWindowText(LPTSTR text, int maxCount) const {
    return ::GetWindowTextW(m_hWnd, text, maxCount);
  }
  // The whole window text, however long.
  void GetWindowText(CString& text) const;
  int GetWindowTextLength() const { return ::GetWindowTextLengthW(m_hWnd); }
  DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE)); }
  CMenu* GetMenu() const { return CMenu::FromHandle(::GetMenu(m_hWnd)); }
  BOOL SetMenu(CMenu* menu) { return ::SetMenu(m_hWnd, menu ? menu->m_hMenu : nullptr); }
  void DrawMenuBar() { ::DrawMenuBar(m_hWnd); }
  CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
  CWnd* GetWindow(UINT relation) const { return FromHandle(::GetWindow(m_hWnd, relation)); }
  CWnd* GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }
  int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
  void GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
  void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE) {
    ::MoveWindow(m_hWnd, x, y, width, height, repaint);
  }
  CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
  BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
  BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
  void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
  CWnd* SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
  static CWnd* GetCapture() { return FromHandle(::GetCapture()); }
  BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
  }
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return ::PostMessageW(m_hWnd, message, wParam, lParam);
  }
  BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
  BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
  void GetWindowRect(LPRECT rect) const { ::GetWindowRect(m_hWnd, rect); }
  void ScreenToClient(LPRECT rect) const {
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(rect), 2);
  }
  void SetFont(HFONT font, BOOL redraw = TRUE) {
    ::SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
  }
  HICON SetIcon(HICON icon, BOOL bigIcon) {
    return reinterpret_cast<HICON>(::SendMessageW(m_hWnd, WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL,
                                                  reinterpret_cast<LPARAM>(icon)));
  }
  void CheckDlgButton(int id, UINT check) { ::CheckDlgButton(m_hWnd, id, check); }
  UINT IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id); }
  // The platform's help for this window, with the application's help file.
  void WinHelp(DWORD_PTR data, UINT command = HELP_CONTEXT);

  // The window procedure of the framework's window classes.
  static LRESULT CALLBACK AfxWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND m_hWnd = nullptr;
  // The procedure of a subclassed window; null for the framework's windows.
  WNDPROC m_pfnSuper = nullptr;

 protected:
  // Every message of a window created through the framework: OnWndMsg, and
  // DefWindowProc for what it leaves.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Handles a message; TRUE with *result set when handled.
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // A WM_COMMAND as a command (menu item, accelerator) or a control's
  // notification, through OnCmdMsg. FALSE leaves it to DefWindowProc, which
  // never sends it again.
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  // A WM_NOTIFY through OnCmdMsg, with the sending control's identifier (0
  // for a tool tip).
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
  // DefWindowProc of the message being handled.
  LRESULT Default();
  // A message about this control that its parent passes on (an owner-drawn
  // control's WM_DRAWITEM); TRUE with *result set when handled here.
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

  int OnCreate(LPCREATESTRUCT createStruct);
  void OnSize(UINT type, int width, int height);
  void OnClose();
  void OnDestroy();
  void OnPaint();
  void OnSetFocus(CWnd* oldWindow);
  void OnContextMenu(CWnd* window, CPoint position);
  void OnMenuSelect(UINT itemId, UINT flags, HMENU menu);
  void OnInitMenuPopup(CMenu* popup, UINT index, BOOL systemMenu);
  void OnExitMenuLoop(BOOL trackPopup);
  void OnMouseMove(UINT flags, CPoint point);
  void OnLButtonDown(UINT flags, CPoint point);
  // After the window is gone and the object detached. Nothing here; a frame
  // deletes itself.
  virtual void PostNcDestroy() {}

  // Calls the handler of a window message's entry with the message's
  // arguments unpacked for its kind.
  LRESULT DispatchWindowMessage(const AFX_MSGMAP_ENTRY& entry, WPARAM wParam, LPARAM lParam);

  // The object whose window is being created on this thread: it becomes the
  // permanent object at the window's first message.
  static void BeginCreate(CWnd* object);
  static CWnd* ObjectForMessage(HWND window);
  // At the window's last message: detaches and runs PostNcDestroy.
  void AfterLastMessage();

  // Its dialog procedure dispatches like AfxWndProc.
  friend class CDialog;
};

// The name of the framework's window class for frames and plain windows,
// registered on first use with AfxWndProc.
LPCTSTR AfxFrameWindowClass();

}  // namespace tolmeric
