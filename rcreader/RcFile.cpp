#include "rcreader/RcFile.h"

#include <type_traits>

#include "rcreader/ProblemLog.h"
#include "rcreader/RcDialog.h"
#include "rcreader/RcMenu.h"
#include "rcreader/RcSkippedSection.h"
#include "rcreader/RcStringTable.h"

namespace tolmeric {

namespace {

// What became of one section.
struct SectionResult {
  int32_t next = kParseFailed;
  // The list ended inside the section: nothing after it can be read.
  bool endReached = false;

// What failed in a section, for its diagnostic.
  CRcExpectation failure;
};

template <typename Element>
SectionResult ReadSection(std::unique_ptr<Element> element, const CRcTokenList& list,
                          int32_t from, CProblemLog& log, CRcCategory& category) {
  SectionResult result;
  result.next = element->Parse(list, from, log);
  result.endReached = element->EndReached();
  result.failure = element->failure();
  if (result.endReached) result.failure = {list.count(), "END"};
  if (result.next != kParseFailed) category.Add(std::move(element));
  return result;
}

template <typename Category>
std::unique_ptr<CTextNode> CategoryNode(Category& category, CTextNode* parent,
                                        SourcePlaces* places) {
  if constexpr (std::is_const_v<Category>) {
    return category.BuildNode(parent, places);
  } else {
    return category.TakeNode(parent, places);
  }
}

// The root "RCFile" with "Menus", "Dialoge" and "Stringtables" below; of a
// file given to change, the elements are let go as their nodes are made.
template <typename File>
std::unique_ptr<CTextNode> RootNode(File& file, CTextNode* parent, SourcePlaces* places) {
  auto root = std::make_unique<CTextNode>(parent, u"RCFile", u"RCFileText", kKindRoot, -1, -1);
  root->AddChild(CategoryNode(file.menus, root.get(), places));
  root->AddChild(CategoryNode(file.dialogs, root.get(), places));
  root->AddChild(CategoryNode(file.stringTables, root.get(), places));
  return root;
}

// Blocks of other resources that the compiler's grammar passes over whole,
// so that nothing inside them is taken for a section keyword.
bool IsSkippedBlockKeyword(const CRcToken& token, RcGrammar grammar) {
  if (token.Is(u"TOOLBAR") || token.Is(u"DESIGNINFO")) return true;
  return grammar == RcGrammar::kCompiler &&
         (token.Is(u"ACCELERATORS") || token.Is(u"VERSIONINFO") || token.Is(u"TEXTINCLUDE") ||
          token.Is(u"DLGINIT"));
}

}  // namespace

CRcFile::CRcFile()
    : dialogs(kKindDialogCategory),
      menus(kKindMenuCategory),
      stringTables(kKindStringTableCategory) {}

// file := { dialog | menu | string-table | skipped-section | token }
// Dialogs, menus and skipped sections are read from the token before their
// keyword (their name); a string table from its keyword, and a failed one
// is reported at the token after it. After a failure the search goes on one
// token further, unless the list ended inside the section. In the
// compiler's grammar only an identifier is a section keyword, and the blocks
// of accelerators, version information, text includes and dialog data are
// passed over whole.
int32_t CRcFile::Parse(const CRcTokenList& list, int32_t start, CProblemLog& log) {
  tokens = &list;
  position = start;
  const CRcBlockIndex blocks(list);
  int32_t stringTableNumber = 0;
  while (position < list.count()) {
    const CRcToken& token = Current();
    SectionResult result;
    if (Compiler() && token.type != kTokenIdentifier) {
      ++position;
      continue;
    }
    if (token.Is(u"DIALOG") || token.Is(u"DIALOGEX")) {
      result = ReadSection(std::make_unique<CRcDialog>(), list, position - 1, log, dialogs);
    } else if (token.Is(u"MENU") || token.Is(u"MENUEX")) {
      result = ReadSection(std::make_unique<CRcMenu>(), list, position - 1, log, menus);
    } else if (token.Is(u"STRINGTABLE")) {
      ++position;
      result = ReadSection(std::make_unique<CRcStringTable>(++stringTableNumber), list,
                           position - 1, log, stringTables);
    } else if (IsSkippedBlockKeyword(token, list.grammar())) {
      CRcSkippedSection skipped(&blocks);
      result.next = skipped.Parse(list, position - 1, log);
      result.failure = {position, "a block of BEGIN and END"};
    } else {
      ++position;
      continue;
    }
    if (result.next == kParseFailed) {
      log.ReportProblem(kMsgSectionFailed, list, position);
      log.Diagnose(kMsgSectionFailed, list, position, result.failure);
      if (result.endReached) break;
      ++position;
    } else {
      position = result.next;
    }
  }
  return position;
}

std::unique_ptr<CTextNode> CRcFile::BuildNode(CTextNode* parent, SourcePlaces* places) const {
  return RootNode(*this, parent, places);
}

std::unique_ptr<CTextNode> CRcFile::TakeNode(CTextNode* parent, SourcePlaces* places) {
  return RootNode(*this, parent, places);
}

void CRcFile::AddStandardSwitchDialog(const IStringSource& strings) {
  auto dialog = std::make_unique<CRcDialog>();
  dialog->MakeStandardSwitch(strings);
  dialogs.Add(std::move(dialog));
}

}  // namespace tolmeric
