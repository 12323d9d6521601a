#include "translation/tests/SampleTree.h"

#include <string>

#include "translation/Utf.h"

namespace tolmeric {

namespace {

std::u16string Numbered(const char* stem, int32_t n) {
  return FromUtf8(stem) + FromAscii(std::to_string(n));
}

CTextNode* Add(CTextNode& parent, const std::u16string& base, const std::u16string& text,
               int32_t kind, int32_t number1 = -1, int32_t number2 = -1) {
  auto node = std::make_unique<CTextNode>(&parent, base, text, kind, number1, number2);
  CTextNode* raw = node.get();
  parent.AddChild(std::move(node));
  return raw;
}

void AddMenu(CTextNode& category, int32_t m) {
  CTextNode* menu = Add(category, Numbered("IDR_MENU", m), Numbered("IDR_MENU", m), kKindMenu);
  const char* popups[] = {"&Datei", "&Bearbeiten", "&Ansicht", "&Hilfe"};
  for (int32_t p = 0; p < 4; ++p) {
    std::u16string name = FromUtf8(popups[p]);
    CTextNode* popup = Add(*menu, name, name, kKindPopup);
    for (int32_t i = 0; i < 6; ++i) {
      std::u16string item = Numbered("Eintr\xc3\xa4g &", i) + u"\tStrg+" + Numbered("F", i);
      Add(*popup, item, item, kKindMenuItem);
    }
  }
}

void AddDialog(CTextNode& category, int32_t d) {
  std::u16string caption = Numbered("Einstellungen f\xc3\xbcr Seite ", d);
  CTextNode* dialog = Add(category, caption, caption, d == 0 ? kKindStandardSwitchDialog : kKindDialog,
                          200 + d % 50, 120 + d % 30);
  const int32_t kinds[] = {kKindStaticText, kKindControl, kKindGroupBox, kKindPushButton};
  for (int32_t c = 0; c < 12; ++c) {
    std::u16string text = c == 10 ? u"OK" : c == 11 ? u"Abbrechen" : Numbered("&Option ", c);
    Add(*dialog, text, text, kinds[c % 4], 50 + c, 14);
  }
}

void AddStringTable(CTextNode& category, int32_t t) {
  std::u16string name = Numbered("Stringtable", t);
  CTextNode* table = Add(category, name, name, kKindStringTable);
  for (int32_t s = 0; s < 16; ++s) {
    std::u16string text = Numbered("Die Datei %s konnte nicht ge\xc3\xb6" "ffnet werden. Nr. ", t * 16 + s);
    Add(*table, text, text, kKindStringEntry);
  }
}

}  // namespace

std::unique_ptr<CTextNode> BuildSampleTree(int32_t menus, int32_t dialogs, int32_t stringTables) {
  auto root = std::make_unique<CTextNode>(nullptr, u"RCFile", u"RCFileText", kKindRoot, -1, -1);
  CTextNode* menuCategory = Add(*root, u"Menus", u"Menus", kKindMenuCategory);
  CTextNode* dialogCategory = Add(*root, u"Dialoge", u"Dialoge", kKindDialogCategory);
  CTextNode* tableCategory = Add(*root, u"Stringtables", u"Stringtables", kKindStringTableCategory);
  for (int32_t m = 0; m < menus; ++m) AddMenu(*menuCategory, m);
  for (int32_t d = 0; d < dialogs; ++d) AddDialog(*dialogCategory, d);
  for (int32_t t = 0; t < stringTables; ++t) AddStringTable(*tableCategory, t);
  root->ResetStates();
  return root;
}

std::unique_ptr<CLanguageData> BuildSampleData(int32_t menus, int32_t dialogs,
                                               int32_t stringTables) {
  auto data = std::make_unique<CLanguageData>(BuildSampleTree(menus, dialogs, stringTables));
  data->programName = u"demo";
  data->programVersion = u"1.0";
  data->languageName = u"Deutsch";
  data->headerText4 = u"vier";
  data->headerText5 = u"f\u00fcnf";
  data->formatNumber = 10000;
  data->reservedValue = -1;
  data->fileFlags = kFlagWrittenByTool | kFlagAutoSwitch;
  data->fileValue = 7;
  for (int32_t i = 0; i < kFlagPixels; ++i) data->flagImage[i] = 0x00102030u + static_cast<uint32_t>(i);
  return data;
}

std::unique_ptr<CTextNode> BuildChain(int32_t depth) {
  auto root = std::make_unique<CTextNode>(nullptr, u"level 1", u"Ebene 1", kKindRoot, -1, -1);
  CTextNode* last = root.get();
  for (int32_t level = 2; level <= depth; ++level) {
    last = Add(*last, Numbered("level ", level), Numbered("Ebene ", level), kKindPopup);
  }
  return root;
}

}  // namespace tolmeric
