// Pseudo-localisation for test language files: every text keeps its meaning
// for the program (printf conversions, hotkeys, escapes, line feeds, the
// accelerator after a tab) but shows accented look-alike letters, grows by
// a share of its length and is framed by markers, so that untranslated,
// cut-off and hard-coded texts stand out in the running application.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tolmeric {

class CTextNode;

inline constexpr int32_t kMaxLengthenPercent = 1000;

struct CPseudoSettings {
  bool accents = true;
  // Padding added, in percent of the text's length, rounded up; taken as
  // 0 to kMaxLengthenPercent.
  int32_t lengthenPercent = 35;
  bool addBegin = true;
  std::u16string beginText = u"[";
  bool addEnd = true;
  std::u16string endText = u"]";
};

// The pseudo text of text; an empty text stays empty. The begin marker goes
// first, the padding and the end marker before trailing blanks and line
// ends; the accelerator after a tab keeps its letters.
std::u16string PseudoLocalize(std::u16string_view text, const CPseudoSettings& settings);

// Replaces the text of every node of the tree by its pseudo text.
void PseudoLocalizeTree(CTextNode& root, const CPseudoSettings& settings);

}  // namespace tolmeric
