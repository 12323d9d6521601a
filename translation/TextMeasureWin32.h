// Text widths measured with the dialog font on a memory device context.
#pragma once

#include <windows.h>

#include "translation/TextMeasure.h"

namespace tolmeric {

// "MS Shell Dlg" at 8 points, the font of the resource compiler's default
// dialogs, selected into a memory DC for the measurer's lifetime.
class CTextMeasureWin32 final : public ITextMeasure {
 public:
  CTextMeasureWin32();
  ~CTextMeasureWin32() override;
  CTextMeasureWin32(const CTextMeasureWin32&) = delete;
  CTextMeasureWin32& operator=(const CTextMeasureWin32&) = delete;

  // The shown text's extent in pixels, as dialog units of the font.
  int32_t WidthInDialogUnits(const std::u16string& line) const override;

 private:
  int32_t PixelWidth(const std::u16string& text) const;
  // The font's average character width in pixels, rounded as dialogs do.
  int32_t BaseUnitX() const;

  HDC dc_ = nullptr;
  HFONT font_ = nullptr;
  HGDIOBJ previousFont_ = nullptr;
  int32_t baseUnitX_ = 0;
};

}  // namespace tolmeric
