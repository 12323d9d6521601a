#include "runtime/FlagListCtrl.h"

#include "runtime/SwitchDialogLayout.h"

namespace tolmeric {

namespace {

constexpr int kFlagPixels = 32;
constexpr COLORREF kTransparentGrey = RGB(0xC0, 0xC0, 0xC0);

}  // namespace

CFlagListCtrl::~CFlagListCtrl() {
  DestroyWindow();
  if (images_) ::ImageList_Destroy(images_);
}

BOOL CFlagListCtrl::Create(IFlagListOwner& owner, HWND ownerWindow, const RECT& rect,
                           bool isOlderList) {
  owner_ = &owner;
  isOlderList_ = isOlderList;
  const int id = isOlderList ? kOlderVersionsListId : kThisVersionListId;
  const DWORD style =
      WS_CHILD | WS_TABSTOP | LVS_ICON | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS;
  HWND list = ::CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", style, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top, ownerWindow,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                ::GetModuleHandleW(nullptr), nullptr);
  if (!list) return FALSE;
  images_ = ::ImageList_Create(kFlagPixels, kFlagPixels, ILC_COLOR24 | ILC_MASK, 10, 10);
  return Attach(list);
}

void CFlagListCtrl::AddItem(HBITMAP bitmap, LPCWSTR text) {
  const int image = bitmap && images_ ? ::ImageList_AddMasked(images_, bitmap, kTransparentGrey) : -1;
  ::SendMessageW(m_hWnd, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(images_));
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = nextIndex_;
  item.iImage = image >= 0 ? image : I_IMAGENONE;
  item.pszText = const_cast<LPWSTR>(text);
  ::SendMessageW(m_hWnd, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  const LONG_PTR exStyle = ::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE);
  ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, exStyle | WS_EX_CLIENTEDGE);
  ++nextIndex_;
}

int CFlagListCtrl::SelectedIndex() const {
  return static_cast<int>(
      ::SendMessageW(m_hWnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void CFlagListCtrl::OnClick() {
  if (HasOneSelection()) {
    owner_->OnListSelection(isOlderList_);
  } else {
    owner_->OnListNoSelection();
  }
}

void CFlagListCtrl::OnDoubleClick() {
  if (!HasOneSelection()) return;
  owner_->OnListSelection(isOlderList_);
  owner_->OnOK();
}

}  // namespace tolmeric
