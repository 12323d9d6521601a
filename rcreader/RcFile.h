// All resources of one scan: the dialogs, menus and string tables found in
// the token list of every script.
#pragma once

#include <optional>
#include <vector>

#include "rcreader/RcCategory.h"

namespace tolmeric {

class IStringSource;

class CRcFile : public CRcElement {
 public:
  CRcFile();

  // Searches the list from start for section keywords and reads each
  // section; a section that fails is reported and the search goes on one
  // token after it. Returns the final position.
  int32_t Parse(const CRcTokenList& list, int32_t start, CProblemLog& log) override;
  int32_t Kind() const override { return kKindRoot; }
  // The root "RCFile" with "Menus", "Dialoge" and "Stringtables" below.
  std::unique_ptr<CTextNode> BuildNode(CTextNode* parent,
                                       SourcePlaces* places = nullptr) const override;
  // The same tree, letting go of each element once its node is made: the
  // file is empty afterwards, and the scan never holds the elements and
  // the tree whole at once.
  std::unique_ptr<CTextNode> TakeNode(CTextNode* parent, SourcePlaces* places = nullptr);

  // Before Parse, for a scan that wants the tree only: each section's node
  // is made as soon as the section is read and its element let go (with
  // places, the places of its texts noted), and when release is given (the
  // list that Parse reads), the tokens behind each section are let go from
  // it. So the elements and the tokens are never all held; TakeNode then
  // gives the tree.
  void BuildNodesWhileParsing(SourcePlaces* places, CRcTokenList* release);

  // Appends the run-time module's language switch dialog after all dialogs.
  void AddStandardSwitchDialog(const IStringSource& strings);

  int32_t DialogCount() const { return dialogs.elementCount(); }
  int32_t MenuCount() const { return menus.elementCount(); }
  int32_t StringTableCount() const { return stringTables.elementCount(); }

  // The language of resources before any LANGUAGE statement, as the
  // resource compiler gives them: LANG_ENGLISH, SUBLANG_ENGLISH_US.
  static constexpr uint16_t kDefaultLanguage = 0x0409;

  // Set before Parse: only the resources of this language are kept (the
  // others are read over, their problems not reported).
  std::optional<uint16_t> languageSection;
  // After Parse: the languages of the resources read, in order of first
  // appearance.
  std::vector<uint16_t> languages;

  CRcCategory dialogs;
  CRcCategory menus;
  CRcCategory stringTables;

 private:
  CRcTokenList* release_ = nullptr;
};

}  // namespace tolmeric
