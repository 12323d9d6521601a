#include "translation/TranslationCheck.h"

#include <algorithm>
#include <unordered_map>

#include "translation/PrintfFormat.h"
#include "translation/TextTreeDump.h"
#include "translation/Utf.h"

namespace tolmeric {

namespace {

// A static text wraps onto a line every 8 dialog units of height.
constexpr int32_t kUnitsPerLine = 8;

// Quoted with escapes, so that a finding stays on one line.
std::string Quoted(const std::u16string& text) { return QuoteText(text); }

char16_t FoldCase(char16_t c) {
  if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
  return c;
}

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

std::u16string LeadingBlanks(const std::u16string& text) {
  size_t n = 0;
  while (n < text.size() && IsBlank(text[n])) ++n;
  return text.substr(0, n);
}

std::u16string TrailingBlanks(const std::u16string& text) {
  size_t n = text.size();
  while (n > 0 && IsBlank(text[n - 1])) --n;
  return text.substr(n);
}

bool HasLetter(const std::u16string& text) {
  for (char16_t c : text) {
    if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c >= 0xC0) return true;
  }
  return false;
}

std::string JoinConversions(const CPrintfConversions& conversions) {
  if (conversions.conversions.empty()) return "none";
  std::string text;
  for (const std::string& conversion : conversions.conversions) {
    text += (text.empty() ? "%" : " %") + conversion;
  }
  return text;
}

bool IsControl(int32_t kind) {
  return kind == kKindControl || kind == kKindStaticText || kind == kKindGroupBox ||
         kind == kKindPushButton;
}

bool HasHotkeyLevel(int32_t kind) {
  return IsControl(kind) || kind == kKindPopup || kind == kKindMenuItem;
}

void CheckText(const CCheckItem& item, const ITextMeasure& measure,
               std::vector<CFinding>& findings) {
  auto add = [&](CheckKind kind, std::string message) {
    findings.push_back({item.where, kind, std::move(message)});
  };
  if (!item.translated) {
    if (HasLetter(item.source)) add(CheckKind::kUntranslated, "untranslated: " + Quoted(item.source));
    return;
  }
  const CPrintfConversions base = ReadPrintfConversions(item.source);
  const CPrintfConversions translation = ReadPrintfConversions(item.target);
  if (base.conversions != translation.conversions ||
      (base.wellFormed && !translation.wellFormed)) {
    add(CheckKind::kPrintf, "printf conversions differ from the base text: base has " +
                                JoinConversions(base) + ", translation has " +
                                JoinConversions(translation) +
                                (translation.wellFormed ? "" : " and a stray %"));
  }
  if (char16_t key = HotkeyOf(item.source); key != 0 && HotkeyOf(item.target) == 0) {
    add(CheckKind::kHotkey, "hotkey dropped: the base text " + Quoted(item.source) +
                                " has one, the translation " + Quoted(item.target) + " none");
  }
  if (LeadingBlanks(item.source) != LeadingBlanks(item.target)) {
    add(CheckKind::kBlanks, "leading blanks or line feeds differ from the base text");
  }
  if (TrailingBlanks(item.source) != TrailingBlanks(item.target)) {
    add(CheckKind::kBlanks, "trailing blanks or line feeds differ from the base text");
  }
  if (IsControl(item.kind) && item.width > 0) {
    const int32_t lines =
        item.kind == kKindStaticText ? std::max(1, item.height / kUnitsPerLine) : 1;
    const int32_t room = item.width * lines;
    const int32_t needed = measure.WidthInDialogUnits(item.target);
    if (needed > room && needed > measure.WidthInDialogUnits(item.source)) {
      add(CheckKind::kWidth, "translation " + Quoted(item.target) + " needs about " +
                                 std::to_string(needed) + " dialog units, its control has " +
                                 std::to_string(room));
    }
  }
}

}  // namespace

char16_t HotkeyOf(const std::u16string& text) {
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'&') continue;
    if (text[i + 1] == u'&') {
      ++i;
      continue;
    }
    return FoldCase(text[i + 1]);
  }
  return 0;
}

std::vector<CFinding> CheckTranslation(const std::vector<CCheckItem>& items) {
  return CheckTranslation(items, CEstimateTextMeasure());
}

std::vector<CFinding> CheckTranslation(const std::vector<CCheckItem>& items,
                                       const ITextMeasure& measure) {
  std::vector<CFinding> findings;
  // The first text of each level that uses a hotkey, by level and key.
  std::unordered_map<std::u16string, std::unordered_map<char16_t, const CCheckItem*>> hotkeys;
  for (const CCheckItem& item : items) {
    CheckText(item, measure, findings);
    if (!HasHotkeyLevel(item.kind)) continue;
    const std::u16string& shown = item.translated ? item.target : item.source;
    const char16_t key = HotkeyOf(shown);
    if (key == 0) continue;
    auto [first, fresh] = hotkeys[ParentContext(item.context)].emplace(key, &item);
    if (!fresh) {
      const CCheckItem& other = *first->second;
      findings.push_back({item.where, CheckKind::kHotkey,
                          "hotkey &" + ToUtf8(std::u16string(1, shown[shown.find(u'&') + 1])) +
                              " of " + Quoted(shown) + " is also used by " +
                              Quoted(other.translated ? other.target : other.source) + " (" +
                              other.where + ")"});
    }
  }
  return findings;
}

std::vector<CCheckItem> CheckItemsOfTree(const CTextNode& root, const std::string& fileName) {
  std::vector<CCheckItem> items;
  for (CExchangeEntry& entry : CollectEntries(root)) {
    CCheckItem item;
    item.where = fileName + ": " + ToUtf8(entry.context);
    item.context = std::move(entry.context);
    item.translated = !entry.target.empty();
    item.target = item.translated ? entry.target : entry.source;
    item.source = std::move(entry.source);
    item.kind = entry.kind;
    item.width = entry.width;
    item.height = entry.height;
    items.push_back(std::move(item));
  }
  return items;
}

std::vector<CCheckItem> CheckItemsOfDocument(const CExchangeDocument& document,
                                             const CTextNode& base, const std::string& fileName,
                                             std::vector<CFinding>& findings) {
  const std::vector<CExchangeEntry> baseEntries = CollectEntries(base);
  std::unordered_map<std::u16string, size_t> baseIndex;
  for (size_t i = 0; i < baseEntries.size(); ++i) baseIndex.emplace(baseEntries[i].context, i);
  std::vector<bool> named(baseEntries.size(), false);
  std::vector<CCheckItem> items;
  for (const CExchangeEntry& entry : document.entries) {
    if (entry.obsolete) continue;
    CCheckItem item;
    item.where = fileName + ":" + std::to_string(entry.line);
    item.context = entry.context;
    item.source = entry.source;
    item.target = entry.target;
    item.translated = !entry.target.empty();
    if (!entry.context.empty()) {
      auto found = baseIndex.find(entry.context);
      if (found == baseIndex.end()) {
        findings.push_back({item.where, CheckKind::kUnknownContext,
                            "context " + Quoted(entry.context) + " is not in the base file"});
        continue;
      }
      const CExchangeEntry& baseEntry = baseEntries[found->second];
      named[found->second] = true;
      item.source = baseEntry.source;
      item.kind = baseEntry.kind;
      item.width = baseEntry.width;
      item.height = baseEntry.height;
    }
    items.push_back(std::move(item));
  }
  // A text of the base that the file lacks is as untranslated as an empty
  // one: a text added to the script since the file was made.
  for (size_t i = 0; i < baseEntries.size(); ++i) {
    if (named[i] || !HasLetter(baseEntries[i].source)) continue;
    findings.push_back({fileName, CheckKind::kUntranslated,
                        "missing: " + Quoted(baseEntries[i].source) + " (context " +
                            Quoted(baseEntries[i].context) + ")"});
  }
  return items;
}

std::string SummarizeFindings(const std::vector<CFinding>& findings, size_t count) {
  static const char* const kNames[] = {"printf", "hotkey", "untranslated",
                                       "width",  "blanks", "unknown context"};
  int32_t perKind[6] = {};
  for (const CFinding& finding : findings) ++perKind[static_cast<int>(finding.kind)];
  std::string parts;
  for (int i = 0; i < 6; ++i) {
    if (perKind[i] == 0) continue;
    parts += (parts.empty() ? "" : ", ") + std::to_string(perKind[i]) + " " + kNames[i];
  }
  std::string text = std::to_string(findings.size()) + " findings in " + std::to_string(count) +
                     " texts";
  if (!parts.empty()) text += " (" + parts + ")";
  return text;
}

}  // namespace tolmeric
