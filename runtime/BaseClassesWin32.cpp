#include "runtime/BaseClassesWin32.h"

#include <commctrl.h>

#include <string>
#include <type_traits>
#include <vector>

#include "framework/FrameTexts.h"
#include "framework/ThreadState.h"
#include "runtime/ApplicationInterfaceWin32.h"

namespace tolmeric {

namespace {

// The notification record of a tip request that command routing carries;
// null for anything else.
const AFX_NOTIFY* ToolTipRequest(UINT id, int code, void* extra) {
  if (!extra || !IsToolTipRequest(id, code)) return nullptr;
  return static_cast<const AFX_NOTIFY*>(extra);
}

std::u16string LoadTranslated(uint32_t id) {
  CString text;
  LoadTranslatedString(text, id);
  return FromWide(text);
}

// Answers a tip request for the frame; declines while command routing has a
// routing frame, which answers instead.
BOOL AnswerToolTip(NMHDR* header, LRESULT* result) {
  if (AfxGetThreadState()->m_pRoutingFrame != nullptr) return FALSE;
  AfxAnswerToolTip(header, LoadTranslated, result);
  return TRUE;
}

// The status-bar prompt: the prompt part of the translated command string,
// also when no translation is found, so the tip part never shows there.
void TranslatedMessageString(UINT id, CString& message) {
  CString copy = message;
  LoadTranslatedString(copy, id);
  message = ToCString(PromptPart(FromWide(copy)));
}

}  // namespace

// Each frame's map: a tip request from any tool, in both forms.
#define TRANSLATED_FRAME_MESSAGE_MAP(theClass, baseClass)                 \
  BEGIN_MESSAGE_MAP(theClass, baseClass)                                  \
  ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, OnToolTipText)             \
  ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnToolTipText)             \
  ON_MESSAGE(LanguageChangedMessage(), OnLanguageChanged)                 \
  END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(__X_CWinApp, CWinApp)

int __X_CWinApp::ExitInstance() {
  ExitTranslation();
  return CWinApp::ExitInstance();
}

template <typename Frame>
BOOL CTranslatingFrame<Frame>::OnCmdMsg(UINT nID, int nCode, void* pExtra,
                                        AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (const AFX_NOTIFY* notify = ToolTipRequest(nID, nCode, pExtra)) {
    return OnToolTipText(0, notify->pNMHDR, notify->pResult);
  }
  return Frame::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

template <typename Frame>
void CTranslatingFrame<Frame>::GetMessageString(UINT nID, CString& rMessage) const {
  TranslatedMessageString(nID, rMessage);
}

template <typename Frame>
BOOL CTranslatingFrame<Frame>::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult) {
  return AnswerToolTip(pNMHDR, pResult);
}

template <typename Frame>
BOOL CTranslatingFrame<Frame>::LoadTranslatedFrame(UINT nIDResource, DWORD dwDefaultStyle,
                                                   CWnd* pParentWnd, CCreateContext* pContext) {
  if (!Frame::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext)) return FALSE;
  TranslateWindowMenus(this);
  ShowTranslatedTexts();
  return TRUE;
}

template <typename Frame>
void CTranslatingFrame<Frame>::ShowTranslatedTexts() {
  if (this->m_nIDHelp != 0) {
    const std::u16string title = PromptPart(LoadTranslated(this->m_nIDHelp));
    if (!title.empty()) this->SetWindowText(ToCString(title));
  }
  this->SetMessageText(AFX_IDS_IDLEMESSAGE);
}

template <typename Frame>
LRESULT CTranslatingFrame<Frame>::OnLanguageChanged(WPARAM wParam, LPARAM lParam) {
  ShowTranslatedTexts();
  if constexpr (std::is_base_of_v<CMDIFrameWnd, Frame>) {
    // Listed first: an answer may change the order of the windows.
    std::vector<HWND> documents;
    for (HWND child = ::GetWindow(this->m_hWndMDIClient, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
      documents.push_back(child);
    }
    for (HWND document : documents) {
      ::SendMessageW(document, LanguageChangedMessage(), wParam, lParam);
    }
  }
  return 0;
}

template class CTranslatingFrame<CFrameWnd>;
template class CTranslatingFrame<CMDIFrameWnd>;
template class CTranslatingFrame<CMDIChildWnd>;
template class CTranslatingFrame<COleIPFrameWnd>;

IMPLEMENT_DYNCREATE(__X_CFrameWnd, CFrameWnd)
TRANSLATED_FRAME_MESSAGE_MAP(__X_CFrameWnd, CFrameWnd)

BOOL __X_CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                              CCreateContext* pContext) {
  return LoadTranslatedFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext);
}

IMPLEMENT_DYNCREATE(__X_CMDIFrameWnd, CMDIFrameWnd)
TRANSLATED_FRAME_MESSAGE_MAP(__X_CMDIFrameWnd, CMDIFrameWnd)

BOOL __X_CMDIFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                                 CCreateContext* pContext) {
  return LoadTranslatedFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext);
}

IMPLEMENT_DYNCREATE(__X_CMDIChildWnd, CMDIChildWnd)
TRANSLATED_FRAME_MESSAGE_MAP(__X_CMDIChildWnd, CMDIChildWnd)

void __X_CMDIChildWnd::OnUpdateFrameMenu(BOOL bActive, CWnd* pActivateWnd, HMENU hMenuAlt) {
  CMDIChildWnd::OnUpdateFrameMenu(bActive, pActivateWnd, hMenuAlt);
  CMDIFrameWnd* frame = GetMDIFrame();
  if (bActive || (!pActivateWnd && frame)) TranslateWindowMenus(frame);
}

IMPLEMENT_DYNCREATE(__X_COleIPFrameWnd, COleIPFrameWnd)
TRANSLATED_FRAME_MESSAGE_MAP(__X_COleIPFrameWnd, COleIPFrameWnd)

BOOL __X_COleIPFrameWnd::OnCreateControlBars(CWnd* pWndFrame, CWnd* pWndDoc) {
  const BOOL created = COleIPFrameWnd::OnCreateControlBars(pWndFrame, pWndDoc);
  TranslateWindowMenus(pWndFrame);
  return created;
}

const CRuntimeClass* TranslatedRuntimeClass(const CRuntimeClass* record) {
  return record == RUNTIME_CLASS(CMDIChildWnd) ? RUNTIME_CLASS(__X_CMDIChildWnd) : record;
}

bool IsTranslatedKindOf(const CObject* object, const CRuntimeClass* record) {
  if (!object) return false;
  const CRuntimeClass* wanted = TranslatedRuntimeClass(record);
  for (const CRuntimeClass* at = TranslatedRuntimeClass(object->GetRuntimeClass()); at;) {
    if (at == wanted) return true;
    // The translating child frame's own base link is the framework's class.
    at = at == RUNTIME_CLASS(__X_CMDIChildWnd) ? at->m_pBaseClass
                                               : TranslatedRuntimeClass(at->m_pBaseClass);
  }
  return false;
}

}  // namespace tolmeric
