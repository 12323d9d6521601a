#include "runtime/RuntimeState.h"

namespace tolmeric {

namespace {

const CTextNode* FindCategory(const CLanguageData* data, const std::u16string& name) {
  if (!data || !data->root) return nullptr;
  return data->root->FindPath(&name, 1);
}

}  // namespace

const CTextNode* FindStringTables(const CLanguageData* data) {
  static const std::u16string kCategory = u"Stringtables";
  return FindCategory(data, kCategory);
}

const CTextNode* FindDialogCategory(const CLanguageData* data) {
  static const std::u16string kCategory = u"Dialoge";
  return FindCategory(data, kCategory);
}

const CTextNode* FindMenuCategory(const CLanguageData* data) {
  static const std::u16string kCategory = u"Menus";
  return FindCategory(data, kCategory);
}

}  // namespace tolmeric
