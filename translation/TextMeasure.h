// How wide a text is shown in a dialog, in dialog units.
#pragma once

#include <cstdint>
#include <string>

namespace tolmeric {

class ITextMeasure {
 public:
  virtual ~ITextMeasure() = default;
  // Width of a control's text in the dialog font, in horizontal dialog units.
  virtual int32_t WidthInDialogUnits(const std::u16string& line) const = 0;
};

// The estimate without a font: every character shown takes the dialog font's
// average character width, four dialog units; a hotkey's ampersand takes none.
class CEstimateTextMeasure final : public ITextMeasure {
 public:
  int32_t WidthInDialogUnits(const std::u16string& line) const override;
};

// The text as a control shows it: the hotkey marker dropped ("&&" is one
// ampersand) and the accelerator after a tab cut off.
std::u16string ShownText(const std::u16string& line);

}  // namespace tolmeric
