// Objects that receive commands, and the message maps that say which member
// handles which command, notification or window message. A class with a map
// lists its entries between BEGIN_MESSAGE_MAP and END_MESSAGE_MAP; the map
// links to its base class's map, and a lookup walks that chain from the most
// derived class, so a derived class's entry wins and the base's entries are
// still found.
//
// Handlers keep their exact signatures: each entry macro converts its member
// to the signature of its kind (a handler of the wrong signature does not
// compile), stores it in a common form with a tag of that kind, and the
// dispatch converts it back by the tag.
#pragma once

#include <windows.h>

#include "framework/Object.h"

namespace tolmeric {

class CCmdTarget;
class CCmdUI;
class CMenu;
class CWnd;
struct CPoint;

// The common form of every handler in a map.
using AFX_PMSG = void (CCmdTarget::*)();

// The handler kinds: the signature each entry macro checks.
enum AfxSig : UINT {
  AfxSig_end = 0,
  AfxSig_vv,        // void ()                          commands, WM_CLOSE, WM_DESTROY, WM_PAINT
  AfxSig_vw,        // void (UINT)                      command ranges
  AfxSig_cmdui,     // void (CCmdUI*)                   command updates
  AfxSig_vNMHDRpl,  // void (NMHDR*, LRESULT*)          notifications
  AfxSig_vwNMHDRpl, // void (UINT, NMHDR*, LRESULT*)    notification ranges
  AfxSig_bwNMHDRpl, // BOOL (UINT, NMHDR*, LRESULT*)    notifications that may decline
  AfxSig_is,        // int (LPCREATESTRUCT)             WM_CREATE
  AfxSig_vwii,      // void (UINT, int, int)            WM_SIZE
  AfxSig_vWp,       // void (CWnd*, CPoint)             WM_CONTEXTMENU
  AfxSig_vW,        // void (CWnd*)                     WM_SETFOCUS
  AfxSig_vwwh,      // void (UINT, UINT, HMENU)         WM_MENUSELECT
  AfxSig_vMwb,      // void (CMenu*, UINT, BOOL)        WM_INITMENUPOPUP
  AfxSig_vb,        // void (BOOL)                      WM_EXITMENULOOP
  AfxSig_lwl,       // LRESULT (WPARAM, LPARAM)         any message
  AfxSig_vwp,       // void (UINT, CPoint)              mouse messages
};

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;  // WM_COMMAND, WM_NOTIFY or the window message
  UINT nCode;     // command or notification code; 0 for a window message
  UINT nID;       // first control or command identifier
  UINT nLastID;   // last one of a range (nID for a single one)
  UINT_PTR nSig;  // AfxSig
  AFX_PMSG pfn;
};

struct AFX_MSGMAP {
  // The base class's map; null for the root.
  const AFX_MSGMAP* (*pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;
};

// The extra record of a notification routed through OnCmdMsg.
struct AFX_NOTIFY {
  LRESULT* pResult;
  NMHDR* pNMHDR;
};

// Filled instead of calling the handler when OnCmdMsg is only asked whether
// a handler exists.
struct AFX_CMDHANDLERINFO {
  CCmdTarget* pTarget;
  AFX_PMSG pmf;
};

// The codes of OnCmdMsg besides a control's notification code: a command,
// and the update of the item or button that shows it.
inline constexpr int CN_COMMAND = 0;
inline constexpr int CN_UPDATE_COMMAND_UI = -1;

// A handler in the common form, and back in the form its kind checked: the
// conversion is exact both ways, so the compiler's warning about calls
// through a changed function type does not apply.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wcast-function-type"
template <typename Signature>
AFX_PMSG AfxMsgCast(Signature pfn) {
  return reinterpret_cast<AFX_PMSG>(pfn);
}
template <typename Signature>
Signature AfxMsgHandler(AFX_PMSG pfn) {
  return reinterpret_cast<Signature>(pfn);
}
#pragma GCC diagnostic pop

// The first entry of the map chain with this message, code and identifier
// in its range; null when there is none.
const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* map, UINT message, UINT code,
                                            UINT id);

class CCmdTarget : public CObject {
  DECLARE_DYNAMIC(CCmdTarget)

 public:
  CCmdTarget() = default;

  // Handles command id: nCode is CN_COMMAND, CN_UPDATE_COMMAND_UI (extra is
  // the CCmdUI), a control's notification code, or MAKELONG(notification
  // code, WM_NOTIFY) with an AFX_NOTIFY as extra. TRUE when a handler took
  // it; with handlerInfo, only reports (and describes) the handler.
  virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

 protected:
  virtual const AFX_MSGMAP* GetMessageMap() const;
  static const AFX_MSGMAP* GetThisMessageMap();
};

// The state of an item or button while the application is asked whether its
// command is enabled or checked.
class CCmdUI {
 public:
  CCmdUI() = default;
  virtual ~CCmdUI() = default;

  virtual void Enable(BOOL on = TRUE);
  // 0 unchecked, 1 checked.
  virtual void SetCheck(int check = 1);

  // Asks target to update the command; with disableIfNoHandler, a command
  // that no update handler touched is enabled exactly when it has a
  // handler. TRUE when an update handler answered.
  BOOL DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler);

  UINT m_nID = 0;
  UINT m_nIndex = 0;
  // The menu whose item m_nIndex is updated, or the window that is.
  CMenu* m_pMenu = nullptr;
  CWnd* m_pOther = nullptr;
  BOOL m_bEnableChanged = FALSE;
  // Set by a handler that lets the update go on to the next target.
  BOOL m_bContinueRouting = FALSE;
};

}  // namespace tolmeric

// In the class body of a class with a message map.
#define DECLARE_MESSAGE_MAP()                                   \
 protected:                                                     \
  static const ::tolmeric::AFX_MSGMAP* GetThisMessageMap();     \
  const ::tolmeric::AFX_MSGMAP* GetMessageMap() const override;

// The entries are made in a function of the class, where its handlers are
// named as ThisClass::handler.
#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                              \
  const ::tolmeric::AFX_MSGMAP* theClass::GetMessageMap() const {                          \
    return GetThisMessageMap();                                                            \
  }                                                                                        \
  const ::tolmeric::AFX_MSGMAP* theClass::GetThisMessageMap() {                            \
    using ThisClass = theClass;                                                            \
    using TheBaseClass = baseClass;                                                        \
    static const ::tolmeric::AFX_MSGMAP_ENTRY _messageEntries[] = {
#define END_MESSAGE_MAP()                                                             \
  {0, 0, 0, 0, ::tolmeric::AfxSig_end, nullptr}};                                     \
  static const ::tolmeric::AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, \
                                                    &_messageEntries[0]};             \
  return &messageMap;                                                                 \
  }

// The member, checked against its kind's signature, in the common form.
#define AFX_MSG_CAST(signature, memberFxn) \
  ::tolmeric::AfxMsgCast(static_cast<signature>(&ThisClass::memberFxn))

// Commands: a menu item, accelerator or button.
#define ON_COMMAND(id, memberFxn)                                               \
  {WM_COMMAND, 0, static_cast<WORD>(id), static_cast<WORD>(id), ::tolmeric::AfxSig_vv, \
   AFX_MSG_CAST(void (::tolmeric::CCmdTarget::*)(), memberFxn)},
// The handler receives the identifier.
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                     \
  {WM_COMMAND, 0, static_cast<WORD>(id), static_cast<WORD>(idLast), ::tolmeric::AfxSig_vw, \
   AFX_MSG_CAST(void (::tolmeric::CCmdTarget::*)(UINT), memberFxn)},
// A control's notification through WM_COMMAND (an edit's change, say).
#define ON_CONTROL(notifyCode, id, memberFxn)                                   \
  {WM_COMMAND, static_cast<WORD>(notifyCode), static_cast<WORD>(id), static_cast<WORD>(id), \
   ::tolmeric::AfxSig_vv, AFX_MSG_CAST(void (::tolmeric::CCmdTarget::*)(), memberFxn)},
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                                  \
  {WM_COMMAND, static_cast<UINT>(::tolmeric::CN_UPDATE_COMMAND_UI), static_cast<WORD>(id), \
   static_cast<WORD>(id), ::tolmeric::AfxSig_cmdui,                                         \
   AFX_MSG_CAST(void (::tolmeric::CCmdTarget::*)(::tolmeric::CCmdUI*), memberFxn)},

// Notifications (WM_NOTIFY) from the control id, or from any control of a
// range; the _EX kinds return FALSE to let the notification go on.
#define ON_NOTIFY(code, id, memberFxn)                                                       \
  {WM_NOTIFY, static_cast<WORD>(static_cast<int>(code)), static_cast<WORD>(id),             \
   static_cast<WORD>(id), ::tolmeric::AfxSig_vNMHDRpl,                                      \
   AFX_MSG_CAST(void (::tolmeric::CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)},
#define ON_NOTIFY_RANGE(code, id, idLast, memberFxn)                                         \
  {WM_NOTIFY, static_cast<WORD>(static_cast<int>(code)), static_cast<WORD>(id),             \
   static_cast<WORD>(idLast), ::tolmeric::AfxSig_vwNMHDRpl,                                 \
   AFX_MSG_CAST(void (::tolmeric::CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn)},
#define ON_NOTIFY_EX(code, id, memberFxn)                                                    \
  {WM_NOTIFY, static_cast<WORD>(static_cast<int>(code)), static_cast<WORD>(id),             \
   static_cast<WORD>(id), ::tolmeric::AfxSig_bwNMHDRpl,                                     \
   AFX_MSG_CAST(BOOL (::tolmeric::CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn)},
#define ON_NOTIFY_EX_RANGE(code, id, idLast, memberFxn)                                      \
  {WM_NOTIFY, static_cast<WORD>(static_cast<int>(code)), static_cast<WORD>(id),             \
   static_cast<WORD>(idLast), ::tolmeric::AfxSig_bwNMHDRpl,                                 \
   AFX_MSG_CAST(BOOL (::tolmeric::CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn)},

// Window messages, with the handler names and signatures the framework's
// window classes declare.
#define AFX_ON_WINDOW_MESSAGE(message, sig, signature, memberFxn) \
  {message, 0, 0, 0, sig, AFX_MSG_CAST(signature, memberFxn)},
#define ON_MESSAGE(message, memberFxn)             \
  AFX_ON_WINDOW_MESSAGE(message, ::tolmeric::AfxSig_lwl, \
                        LRESULT (::tolmeric::CWnd::*)(WPARAM, LPARAM), memberFxn)
#define ON_WM_CREATE()                                   \
  AFX_ON_WINDOW_MESSAGE(WM_CREATE, ::tolmeric::AfxSig_is, \
                        int (::tolmeric::CWnd::*)(LPCREATESTRUCT), OnCreate)
#define ON_WM_SIZE() \
  AFX_ON_WINDOW_MESSAGE(WM_SIZE, ::tolmeric::AfxSig_vwii, \
                        void (::tolmeric::CWnd::*)(UINT, int, int), OnSize)
#define ON_WM_CLOSE() \
  AFX_ON_WINDOW_MESSAGE(WM_CLOSE, ::tolmeric::AfxSig_vv, void (::tolmeric::CWnd::*)(), OnClose)
#define ON_WM_DESTROY() \
  AFX_ON_WINDOW_MESSAGE(WM_DESTROY, ::tolmeric::AfxSig_vv, void (::tolmeric::CWnd::*)(), OnDestroy)
#define ON_WM_PAINT() \
  AFX_ON_WINDOW_MESSAGE(WM_PAINT, ::tolmeric::AfxSig_vv, void (::tolmeric::CWnd::*)(), OnPaint)
#define ON_WM_SETFOCUS()                                     \
  AFX_ON_WINDOW_MESSAGE(WM_SETFOCUS, ::tolmeric::AfxSig_vW, \
                        void (::tolmeric::CWnd::*)(::tolmeric::CWnd*), OnSetFocus)
#define ON_WM_CONTEXTMENU()                                                    \
  AFX_ON_WINDOW_MESSAGE(WM_CONTEXTMENU, ::tolmeric::AfxSig_vWp,               \
                        void (::tolmeric::CWnd::*)(::tolmeric::CWnd*, ::tolmeric::CPoint), \
                        OnContextMenu)
#define ON_WM_MENUSELECT()                                      \
  AFX_ON_WINDOW_MESSAGE(WM_MENUSELECT, ::tolmeric::AfxSig_vwwh, \
                        void (::tolmeric::CWnd::*)(UINT, UINT, HMENU), OnMenuSelect)
#define ON_WM_INITMENUPOPUP()                                                   \
  AFX_ON_WINDOW_MESSAGE(WM_INITMENUPOPUP, ::tolmeric::AfxSig_vMwb,              \
                        void (::tolmeric::CWnd::*)(::tolmeric::CMenu*, UINT, BOOL), \
                        OnInitMenuPopup)
#define ON_WM_MOUSEMOVE()                                          \
  AFX_ON_WINDOW_MESSAGE(WM_MOUSEMOVE, ::tolmeric::AfxSig_vwp,       \
                        void (::tolmeric::CWnd::*)(UINT, ::tolmeric::CPoint), OnMouseMove)
#define ON_WM_LBUTTONDOWN()                                        \
  AFX_ON_WINDOW_MESSAGE(WM_LBUTTONDOWN, ::tolmeric::AfxSig_vwp,     \
                        void (::tolmeric::CWnd::*)(UINT, ::tolmeric::CPoint), OnLButtonDown)
#define ON_WM_EXITMENULOOP()                                   \
  AFX_ON_WINDOW_MESSAGE(WM_EXITMENULOOP, ::tolmeric::AfxSig_vb, \
                        void (::tolmeric::CWnd::*)(BOOL), OnExitMenuLoop)
