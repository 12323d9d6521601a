#include "translation/TextMeasureWin32.h"

namespace tolmeric {

namespace {

constexpr int kDialogFontPoints = 8;
constexpr wchar_t kDialogFontFace[] = L"MS Shell Dlg";
constexpr char16_t kAlphabet[] = u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

}  // namespace

CTextMeasureWin32::CTextMeasureWin32() : dc_(CreateCompatibleDC(nullptr)) {
  if (dc_ == nullptr) return;
  const int height = -MulDiv(kDialogFontPoints, GetDeviceCaps(dc_, LOGPIXELSY), 72);
  font_ = CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                      DEFAULT_PITCH | FF_DONTCARE, kDialogFontFace);
  if (font_ != nullptr) previousFont_ = SelectObject(dc_, font_);
  baseUnitX_ = BaseUnitX();
}

CTextMeasureWin32::~CTextMeasureWin32() {
  if (previousFont_ != nullptr) SelectObject(dc_, previousFont_);
  if (font_ != nullptr) DeleteObject(font_);
  if (dc_ != nullptr) DeleteDC(dc_);
}

int32_t CTextMeasureWin32::PixelWidth(const std::u16string& text) const {
  SIZE size = {};
  if (dc_ == nullptr || text.empty()) return 0;
  GetTextExtentPoint32W(dc_, reinterpret_cast<const wchar_t*>(text.data()),
                        static_cast<int>(text.size()), &size);
  return size.cx;
}

int32_t CTextMeasureWin32::BaseUnitX() const {
  const int32_t alphabet = PixelWidth(kAlphabet);
  return (alphabet / 26 + 1) / 2;
}

int32_t CTextMeasureWin32::WidthInDialogUnits(const std::u16string& line) const {
  // Without a font to measure with, the estimate stands in.
  if (baseUnitX_ <= 0) return CEstimateTextMeasure().WidthInDialogUnits(line);
  return MulDiv(PixelWidth(ShownText(line)), 4, baseUnitX_);
}

}  // namespace tolmeric
