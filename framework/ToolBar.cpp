#include "framework/ToolBar.h"

#include <commctrl.h>

#include <vector>

#include "framework/WinApp.h"

namespace tolmeric {

namespace {

// The state of one button while its command is updated.
class CToolCmdUI : public CCmdUI {
 public:
  void Enable(BOOL on) override {
    m_pOther->SendMessage(TB_ENABLEBUTTON, m_nID, MAKELONG(on ? TRUE : FALSE, 0));
    m_bEnableChanged = TRUE;
  }
  void SetCheck(int check) override {
    m_pOther->SendMessage(TB_CHECKBUTTON, m_nID, MAKELONG(check ? TRUE : FALSE, 0));
  }
};

}  // namespace

IMPLEMENT_DYNAMIC(CToolBar, CWnd)

CToolBar::~CToolBar() {
  // The control draws from the bitmap until it is gone.
  if (m_hWnd) DestroyWindow();
  if (bitmap_) ::DeleteObject(bitmap_);
}

BOOL CToolBar::CreateEx(CWnd* parent, DWORD ctrlStyle, DWORD style, UINT id) {
  HWND bar = ::CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                               style | ctrlStyle | WS_CHILD | TBSTYLE_TOOLTIPS | CCS_TOP, 0, 0, 0,
                               0, parent ? parent->m_hWnd : nullptr,
                               reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                               AfxGetInstanceHandle(), nullptr);
  if (!bar || !SubclassWindow(bar)) return FALSE;
  SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
  return TRUE;
}

BOOL CToolBar::Create(CWnd* parent, DWORD style, UINT id) {
  return CreateEx(parent, 0, style, id);
}

void CToolBar::SetSizes(SIZE button, SIZE image) {
  button_ = button;
  image_ = image;
}

BOOL CToolBar::LoadBitmap(UINT resourceId) {
  HBITMAP bitmap = ::LoadBitmapW(AfxGetResourceHandle(), MAKEINTRESOURCEW(resourceId));
  BITMAP info{};
  if (!bitmap || !::GetObjectW(bitmap, sizeof(info), &info) || image_.cx <= 0) {
    if (bitmap) ::DeleteObject(bitmap);
    return FALSE;
  }
  SendMessage(TB_SETBITMAPSIZE, 0, MAKELONG(image_.cx, image_.cy));
  SendMessage(TB_SETBUTTONSIZE, 0, MAKELONG(button_.cx, button_.cy));
  TBADDBITMAP images{nullptr, reinterpret_cast<UINT_PTR>(bitmap)};
  if (SendMessage(TB_ADDBITMAP, info.bmWidth / image_.cx, reinterpret_cast<LPARAM>(&images)) ==
      -1) {
    ::DeleteObject(bitmap);
    return FALSE;
  }
  if (bitmap_) ::DeleteObject(bitmap_);
  bitmap_ = bitmap;
  return TRUE;
}

BOOL CToolBar::SetButtons(const UINT* ids, int count) {
  while (GetCount() > 0) SendMessage(TB_DELETEBUTTON, 0);
  std::vector<TBBUTTON> buttons;
  int image = 0;
  for (int index = 0; index < count; ++index) {
    TBBUTTON button{};
    if (ids[index] == ID_SEPARATOR) {
      button.fsStyle = TBSTYLE_SEP;
    } else {
      button.iBitmap = image++;
      button.idCommand = static_cast<int>(ids[index]);
      button.fsState = TBSTATE_ENABLED;
      button.fsStyle = TBSTYLE_BUTTON;
    }
    buttons.push_back(button);
  }
  const BOOL added = static_cast<BOOL>(
      SendMessage(TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data())));
  SendMessage(TB_AUTOSIZE);
  return added;
}

int CToolBar::GetCount() const {
  return static_cast<int>(::SendMessageW(m_hWnd, TB_BUTTONCOUNT, 0, 0));
}

UINT CToolBar::GetItemID(int index) const {
  TBBUTTON button{};
  ::SendMessageW(m_hWnd, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button));
  return static_cast<UINT>(button.idCommand);
}

HWND CToolBar::GetToolTips() const {
  return reinterpret_cast<HWND>(::SendMessageW(m_hWnd, TB_GETTOOLTIPS, 0, 0));
}

void CToolBar::OnUpdateCmdUI(CCmdTarget* target, BOOL disableIfNoHandler) {
  CToolCmdUI state;
  state.m_pOther = this;
  const int count = GetCount();
  for (int index = 0; index < count; ++index) {
    const UINT id = GetItemID(index);
    if (id == ID_SEPARATOR) continue;
    state.m_nIndex = static_cast<UINT>(index);
    state.m_nID = id;
    state.DoUpdate(target, disableIfNoHandler);
  }
}

}  // namespace tolmeric
