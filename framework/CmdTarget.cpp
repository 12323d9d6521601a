#include "framework/CmdTarget.h"

#include "framework/Menu.h"
#include "framework/ThreadState.h"
#include "framework/Wnd.h"

namespace tolmeric {

namespace {

// Calls a command, update or notification handler; TRUE when it took the
// command.
BOOL DispatchCmdMsg(CCmdTarget* target, UINT id, const AFX_MSGMAP_ENTRY& entry, void* extra) {
  auto* notify = static_cast<AFX_NOTIFY*>(extra);
  switch (entry.nSig) {
    case AfxSig_vv:
      (target->*entry.pfn)();
      return TRUE;
    case AfxSig_vw:
      (target->*AfxMsgHandler<void (CCmdTarget::*)(UINT)>(entry.pfn))(id);
      return TRUE;
    case AfxSig_cmdui: {
      auto* ui = static_cast<CCmdUI*>(extra);
      ui->m_bContinueRouting = FALSE;
      (target->*AfxMsgHandler<void (CCmdTarget::*)(CCmdUI*)>(entry.pfn))(ui);
      return !ui->m_bContinueRouting;
    }
    case AfxSig_vNMHDRpl:
      (target->*AfxMsgHandler<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(entry.pfn))(notify->pNMHDR,
                                                                            notify->pResult);
      return TRUE;
    case AfxSig_vwNMHDRpl:
      (target->*AfxMsgHandler<void (CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(entry.pfn))(
          id, notify->pNMHDR, notify->pResult);
      return TRUE;
    case AfxSig_bwNMHDRpl:
      return (target->*AfxMsgHandler<BOOL (CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(entry.pfn))(
          id, notify->pNMHDR, notify->pResult);
  }
  return FALSE;
}

}  // namespace

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxSig_end, nullptr}};
  static const AFX_MSGMAP map = {nullptr, &entries[0]};
  return &map;
}

const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* map, UINT message, UINT code,
                                            UINT id) {
  for (; map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->nSig != AfxSig_end; ++entry) {
      if (entry->nMessage == message && entry->nCode == code && id >= entry->nID &&
          id <= entry->nLastID) {
        return entry;
      }
    }
  }
  return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  UINT message = WM_COMMAND;
  UINT code = static_cast<UINT>(nCode);
  if (nCode != CN_UPDATE_COMMAND_UI) {
    // A notification carries WM_NOTIFY in the high word.
    if (HIWORD(nCode) != 0) message = HIWORD(nCode);
    code = LOWORD(nCode);
  }
  const AFX_MSGMAP_ENTRY* entry = AfxFindMessageEntry(GetMessageMap(), message, code, nID);
  if (!entry) return FALSE;
  if (pHandlerInfo) {
    pHandlerInfo->pTarget = this;
    pHandlerInfo->pmf = entry->pfn;
    return TRUE;
  }
  return DispatchCmdMsg(this, nID, *entry, pExtra);
}

void CCmdUI::Enable(BOOL on) {
  if (m_pMenu) {
    ::EnableMenuItem(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION | (on ? MF_ENABLED : MF_GRAYED));
  } else if (m_pOther) {
    ::EnableWindow(m_pOther->m_hWnd, on);
  }
  m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int check) {
  if (m_pMenu) {
    ::CheckMenuItem(m_pMenu->m_hMenu, m_nIndex,
                    MF_BYPOSITION | (check ? MF_CHECKED : MF_UNCHECKED));
  } else if (m_pOther) {
    m_pOther->SendMessage(BM_SETCHECK, check ? BST_CHECKED : BST_UNCHECKED);
  }
}

BOOL CCmdUI::DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler) {
  m_bEnableChanged = FALSE;
  const BOOL answered = target->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
  if (disableIfNoHandler && !m_bEnableChanged) {
    AFX_CMDHANDLERINFO info{};
    Enable(target->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
  }
  return answered;
}

AFX_THREAD_STATE* AfxGetThreadState() {
  thread_local AFX_THREAD_STATE state;
  return &state;
}

}  // namespace tolmeric
