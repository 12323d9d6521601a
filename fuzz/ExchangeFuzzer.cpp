// Translations come back from translators' tools: any bytes must read as a
// PO or XLIFF document or fail with a format error naming a line. A document
// that reads is taken onto a small tree, and that tree's texts, written as
// PO and as XLIFF, must read back with every entry.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "translation/ExchangeDocument.h"
#include "translation/PoFile.h"
#include "translation/XliffFile.h"

namespace {

using tolmeric::CTextNode;

CTextNode& Add(CTextNode& parent, const std::u16string& base, int32_t kind) {
  auto node = std::make_unique<CTextNode>(&parent, base, base, kind, 50, 14);
  CTextNode& added = *node;
  parent.AddChild(std::move(node));
  return added;
}

std::unique_ptr<CTextNode> SmallTree() {
  auto root = std::make_unique<CTextNode>(nullptr, u"RCFile", u"RCFileText", tolmeric::kKindRoot,
                                          -1, -1);
  CTextNode& dialogs = Add(*root, u"Dialoge", tolmeric::kKindDialogCategory);
  CTextNode& dialog = Add(dialogs, u"Find", tolmeric::kKindDialog);
  Add(dialog, u"&Find", tolmeric::kKindPushButton);
  Add(dialog, u"OK", tolmeric::kKindPushButton);
  Add(dialog, u"OK", tolmeric::kKindPushButton);
  CTextNode& strings = Add(*root, u"Stringtables", tolmeric::kKindStringTableCategory);
  CTextNode& table = Add(strings, u"StringTable1", tolmeric::kKindStringTable);
  Add(table, u"Saved %s\nin %d s", tolmeric::kKindStringEntry);
  return root;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  tolmeric::CExchangeDocument document;
  try {
    document = tolmeric::ReadExchangeDocument(bytes, "fuzz");
  } catch (const tolmeric::CFormatError& error) {
    if (error.Line() < 1) __builtin_trap();
    return 0;
  }
  tolmeric::CLanguageData language(SmallTree());
  tolmeric::ApplyEntries(*language.root, document.entries, true);
  const tolmeric::CExchangeDocument exported = tolmeric::MakeExchangeDocument(language, {});
  // What we write reads back (a format error here is a finding).
  const auto po = tolmeric::ReadPoDocument(tolmeric::WritePoDocument(exported), "po");
  const auto xliff = tolmeric::ReadXliffDocument(tolmeric::WriteXliffDocument(exported), "xlf");
  if (po.entries.size() != exported.entries.size()) __builtin_trap();
  if (xliff.entries.size() != exported.entries.size()) __builtin_trap();
  for (size_t i = 0; i < exported.entries.size(); ++i) {
    if (po.entries[i].target != exported.entries[i].target) __builtin_trap();
    if (xliff.entries[i].target != exported.entries[i].target) __builtin_trap();
  }
  return 0;
}
