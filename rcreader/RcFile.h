// All resources of one scan: the dialogs, menus and string tables found in
// the token list of every script.
#pragma once

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

  // Appends the run-time module's language switch dialog after all dialogs.
  void AddStandardSwitchDialog(const IStringSource& strings);

  int32_t DialogCount() const { return dialogs.elementCount(); }
  int32_t MenuCount() const { return menus.elementCount(); }
  int32_t StringTableCount() const { return stringTables.elementCount(); }

  CRcCategory dialogs;
  CRcCategory menus;
  CRcCategory stringTables;
};

}  // namespace tolmeric
