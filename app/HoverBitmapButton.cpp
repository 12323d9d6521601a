#include "app/HoverBitmapButton.h"

#include <commctrl.h>

#include "framework/FrameWnd.h"
#include "runtime/ApplicationInterfaceWin32.h"

namespace tolmeric {

BEGIN_MESSAGE_MAP(CHoverBitmapButton, CBitmapButton)
  ON_WM_MOUSEMOVE()
  ON_WM_LBUTTONDOWN()
  ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, OnToolTipText)
  ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnToolTipText)
END_MESSAGE_MAP()

void CHoverBitmapButton::SetUp(UINT tipStringId, UINT normalImage, UINT pressedImage,
                               UINT hotImage, UINT disabledImage) {
  tipStringId_ = tipStringId;
  normalImage_ = normalImage;
  pressedImage_ = pressedImage;
  hotImage_ = hotImage;
  disabledImage_ = disabledImage;
  LoadBitmaps(normalImage, pressedImage, 0, disabledImage);
  // One tool, the whole button, named by its window; its text is asked
  // for when the tip shows. The tip watches the button's mouse messages.
  if (!tip_.m_hWnd && !tip_.Create(GetParent(), TTS_ALWAYSTIP)) return;
  TOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = m_hWnd;
  tool.uId = reinterpret_cast<UINT_PTR>(m_hWnd);
  tool.lpszText = LPSTR_TEXTCALLBACKW;
  tip_.AddTool(tool);
}

void CHoverBitmapButton::ShowImage(UINT image) {
  LoadBitmaps(image, pressedImage_, 0, disabledImage_);
  Invalidate(FALSE);
}

void CHoverBitmapButton::OnMouseMove(UINT flags, CPoint point) {
  CBitmapButton::OnMouseMove(flags, point);
  if (::GetCapture() != m_hWnd) {
    hover_ = true;
    SetCapture();
    ShowImage(hotImage_);
    return;
  }
  RECT client{};
  GetClientRect(&client);
  if (::PtInRect(&client, point)) return;
  // The mouse has left the button.
  hover_ = false;
  ::ReleaseCapture();
  ShowImage(normalImage_);
}

void CHoverBitmapButton::OnLButtonDown(UINT flags, CPoint point) {
  // After the click the button shows its normal image, not the hot one.
  ShowImage(normalImage_);
  CBitmapButton::OnLButtonDown(flags, point);
}

BOOL CHoverBitmapButton::OnToolTipText(UINT, NMHDR* notification, LRESULT* result) {
  CString tip;
  LoadTranslatedString(tip, tipStringId_);
  AfxSetToolTipText(notification, tip, result);
  return TRUE;
}

}  // namespace tolmeric
