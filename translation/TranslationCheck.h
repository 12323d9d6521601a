// Checks of a translation for the faults that ship broken software.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "translation/ExchangeEntry.h"
#include "translation/TextMeasure.h"

namespace tolmeric {

enum class CheckKind { kPrintf, kHotkey, kUntranslated, kWidth, kBlanks, kUnknownContext };

// One text to check: the base text, what the user will see, and where the
// finding is to be reported ("file:line" or "file: context").
struct CCheckItem {
  std::u16string context;
  std::u16string source;
  std::u16string target;
  bool translated = false;
  int32_t kind = kKindNotSet;
  int32_t width = -1;
  int32_t height = -1;
  std::string where;
};

struct CFinding {
  std::string where;
  CheckKind kind;
  std::string message;
};

// Runs every check over the items: per text the printf conversions, a
// dropped hotkey, leading and trailing blanks and line feeds, the width
// against the control's, untranslated texts; per dialog and popup level the
// hotkeys used twice. Findings come in the order of the items. Widths are
// estimated from the number of characters, or taken from measure.
std::vector<CFinding> CheckTranslation(const std::vector<CCheckItem>& items);
std::vector<CFinding> CheckTranslation(const std::vector<CCheckItem>& items,
                                       const ITextMeasure& measure);

// Items of a language file's own texts, reported by node path.
std::vector<CCheckItem> CheckItemsOfTree(const CTextNode& root, const std::string& fileName);

// Items of an exchange document against its base file: sizes and kinds come
// from the base; an entry whose context the base lacks, and a text of the
// base that no entry names, are findings of their own, added to findings.
std::vector<CCheckItem> CheckItemsOfDocument(const CExchangeDocument& document,
                                             const CTextNode& base, const std::string& fileName,
                                             std::vector<CFinding>& findings);

// "name: 2 printf, ..." style one-line summary of findings over count texts.
std::string SummarizeFindings(const std::vector<CFinding>& findings, size_t count);

// The hotkey letter of a text ("&X"; "&&" is a plain ampersand), folded to
// lower case, or 0 when the text has none.
char16_t HotkeyOf(const std::u16string& text);

}  // namespace tolmeric
