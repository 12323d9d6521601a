// The module's base classes. An application derives its application object
// and its frames from these instead of the framework's own classes; each is
// the framework class plus the overrides that translate: frames translate
// their menus when loaded or when a child frame changes the menu bar, and
// take tool tips and status-bar prompts through the translated string
// lookup; the application object shuts the module down when it exits.
// The names are the ones applications write, so they keep their prefix.
#pragma once

#include <windows.h>

#include "framework/FrameWnd.h"
#include "framework/MDIChildWnd.h"
#include "framework/MDIFrameWnd.h"
#include "framework/OleIPFrameWnd.h"
#include "framework/WinApp.h"

namespace tolmeric {

class __X_CWinApp : public CWinApp {
  DECLARE_DYNCREATE(__X_CWinApp)

 public:
  explicit __X_CWinApp(LPCTSTR appName = nullptr) : CWinApp(appName) {}
  ~__X_CWinApp() override = default;
  // Shuts the module down (the profile remembers the language file), then
  // the framework's exit.
  int ExitInstance() override;
};

// What the four frames add to their framework class: they answer a
// tool-tip request before any view or other command target sees it (a
// tool-tip window has control identifier 0) with the translated tip part of
// the tool's command string, and show the translated prompt part as the
// status-bar prompt. After a language switch (LanguageChangedMessage) they
// take their title and idle prompt in the new language. Adds no data; each
// frame's run-time class record links to its framework class.
template <typename Frame>
class CTranslatingFrame : public Frame {
 public:
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
  void GetMessageString(UINT nID, CString& rMessage) const override;

 protected:
  // Declines while command routing has a routing frame, which answers.
  BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
  // The base's LoadFrame; when it succeeds, the frame's menus, title and
  // idle prompt are translated.
  BOOL LoadTranslatedFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                           CCreateContext* pContext);
  // The title from the translated string LoadFrame's identifier names (up
  // to its first line feed; kept when the frame was made otherwise), and
  // the translated idle prompt in the status bar.
  void ShowTranslatedTexts();
  // The answer to LanguageChangedMessage: the texts above; a frame for
  // several documents passes the message on to each document frame.
  LRESULT OnLanguageChanged(WPARAM wParam, LPARAM lParam);
};

class __X_CFrameWnd : public CTranslatingFrame<CFrameWnd> {
  DECLARE_DYNCREATE(__X_CFrameWnd)

 public:
  __X_CFrameWnd() = default;
  ~__X_CFrameWnd() override = default;
  // The base's LoadFrame; when it succeeds, the frame's menus, title and
  // idle prompt are translated.
  BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                 CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;

  DECLARE_MESSAGE_MAP()
};

class __X_CMDIFrameWnd : public CTranslatingFrame<CMDIFrameWnd> {
  DECLARE_DYNCREATE(__X_CMDIFrameWnd)

 public:
  __X_CMDIFrameWnd() = default;
  ~__X_CMDIFrameWnd() override = default;
  BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                 CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;

  DECLARE_MESSAGE_MAP()
};

class __X_CMDIChildWnd : public CTranslatingFrame<CMDIChildWnd> {
  DECLARE_DYNCREATE(__X_CMDIChildWnd)

 public:
  __X_CMDIChildWnd() = default;
  ~__X_CMDIChildWnd() override = default;
  // The base's change of the frame's menu bar; then, when the child is
  // activated or the last child goes, the frame's menus are translated.
  void OnUpdateFrameMenu(BOOL bActive, CWnd* pActivateWnd, HMENU hMenuAlt) override;

  DECLARE_MESSAGE_MAP()
};

class __X_COleIPFrameWnd : public CTranslatingFrame<COleIPFrameWnd> {
  DECLARE_DYNCREATE(__X_COleIPFrameWnd)

 public:
  __X_COleIPFrameWnd() = default;
  ~__X_COleIPFrameWnd() override = default;
  // The base's control bars; then the container frame's menus are translated.
  using COleIPFrameWnd::OnCreateControlBars;
  BOOL OnCreateControlBars(CWnd* pWndFrame, CWnd* pWndDoc) override;

  DECLARE_MESSAGE_MAP()
};

extern template class CTranslatingFrame<CFrameWnd>;
extern template class CTranslatingFrame<CMDIFrameWnd>;
extern template class CTranslatingFrame<CMDIChildWnd>;
extern template class CTranslatingFrame<COleIPFrameWnd>;

// The run-time class record the module's lookups use in place of record:
// the translating child frame's for the framework's child frame, record
// itself for every other class.
const CRuntimeClass* TranslatedRuntimeClass(const CRuntimeClass* record);
// Whether object is of class record or derived from it, every record on the
// way looked up as the module does. So a test for the framework's child
// frame asks for the translating one.
bool IsTranslatedKindOf(const CObject* object, const CRuntimeClass* record);

}  // namespace tolmeric

// The record of a class as the module looks it up, for the application's
// own tests of a window's class.
#define TRANSLATED_RUNTIME_CLASS(class_name) \
  ::tolmeric::TranslatedRuntimeClass(RUNTIME_CLASS(class_name))
