#include "translation/TextMeasure.h"

namespace tolmeric {

namespace {

// A dialog unit is a quarter of the dialog font's average character width.
constexpr int32_t kUnitsPerCharacter = 4;

}  // namespace

int32_t CEstimateTextMeasure::WidthInDialogUnits(const std::u16string& line) const {
  int32_t length = 0;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == u'&' && i + 1 < line.size()) ++i;
    ++length;
  }
  return length * kUnitsPerCharacter;
}

std::u16string ShownText(const std::u16string& line) {
  std::u16string shown;
  for (size_t i = 0; i < line.size() && line[i] != u'\t'; ++i) {
    if (line[i] == u'&' && i + 1 < line.size()) ++i;
    shown += line[i];
  }
  return shown;
}

}  // namespace tolmeric
