#include "rcreader/RcFile.h"

#include <algorithm>
#include <type_traits>

#include "rcreader/ProblemLog.h"
#include "rcreader/RcDialog.h"
#include "rcreader/RcLanguage.h"
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
  // Of the language asked for (or of any, when none was).
  bool kept = true;
  // What failed in a section, for its diagnostic.
  CRcExpectation failure;
};

// A resource of another language than the one asked for is read (to find
// its end) into a log of its own and dropped.
template <typename Element>
SectionResult ReadSection(std::unique_ptr<Element> element, const CRcTokenList& list,
                          int32_t from, CProblemLog& log, CRcCategory& category, bool keep) {
  SectionResult result;
  CProblemLog ignored(log.strings());
  result.next = element->Parse(list, from, keep ? log : ignored);
  result.endReached = element->EndReached();
  result.kept = keep;
  result.failure = element->failure();
  if (result.endReached) result.failure = {list.count(), "END"};
  if (keep && result.next != kParseFailed) category.Add(std::move(element));
  return result;
}

// language-value := name | number | "0" x-identifier
// (the classic tokens split a hexadecimal number after its 0)
bool ReadLanguageValue(const CRcTokenList& list, int32_t& position, int64_t& value) {
  const CRcToken& token = list.TokenAt(position);
  std::optional<int64_t> found;
  if (token.type == kTokenIdentifier) {
    found = LanguageConstant(std::u16string(token.text));
  } else if (token.type == kTokenNumber) {
    std::u16string text(token.text);
    const CRcToken& next = list.TokenAt(position + 1);
    if (text == u"0" && next.type == kTokenIdentifier && (next.text[0] == u'x' || next.text[0] == u'X')) {
      text += next.text;
      ++position;
    }
    found = ParseIntegerLiteral(text);
  }
  if (!found) return false;
  value = *found;
  ++position;
  return true;
}

// language := "LANGUAGE" language-value "," language-value
// position is on the keyword; on success it moves past the statement.
bool ReadLanguage(const CRcTokenList& list, int32_t& position, uint16_t& language) {
  int32_t at = position + 1;
  int64_t primary = 0;
  int64_t sub = 0;
  if (!ReadLanguageValue(list, at, primary) || !list.TokenAt(at).Is(u",")) return false;
  ++at;
  if (!ReadLanguageValue(list, at, sub)) return false;
  language = MakeLanguageId(primary, sub);
  position = at;
  return true;
}

// The language of the resource whose keyword stands at position: a
// LANGUAGE statement among its optional statements (before its BEGIN),
// else the current one.
uint16_t ResourceLanguage(const CRcTokenList& list, int32_t position, uint16_t current) {
  constexpr int32_t kMaxHeaderTokens = 256;
  const int32_t end = position + kMaxHeaderTokens;
  for (int32_t at = position + 1; at < end && list.Has(at); ++at) {
    const CRcToken& token = list.TokenAt(at);
    if (token.Is(u"BEGIN") || token.Is(u"{")) break;
    uint16_t language = 0;
    if (token.type == kTokenIdentifier && token.Is(u"LANGUAGE") &&
        ReadLanguage(list, at, language)) {
      return language;
    }
  }
  return current;
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

// file := { language | dialog | menu | string-table | skipped-section | token }
// A top-level LANGUAGE statement gives the language of the resources after
// it; one among a resource's optional statements, of that resource only.
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
  CRcBlockIndex blocks(list);
  int32_t stringTableNumber = 0;
  uint16_t currentLanguage = kDefaultLanguage;
  languages.clear();
  // Notes the language of the resource at the position; true when it is kept.
  auto keep = [&]() {
    const uint16_t language = ResourceLanguage(list, position, currentLanguage);
    if (std::find(languages.begin(), languages.end(), language) == languages.end()) {
      languages.push_back(language);
    }
    return !languageSection || *languageSection == language;
  };
  while (list.Has(position)) {
    // Nothing before the section's name is read again.
    if (release_) release_->ReleaseBefore(position - 1);
    const CRcToken& token = Current();
    SectionResult result;
    if (token.type == kTokenIdentifier && token.Is(u"LANGUAGE")) {
      if (!ReadLanguage(list, position, currentLanguage)) ++position;
      continue;
    }
    if (Compiler() && token.type != kTokenIdentifier) {
      ++position;
      continue;
    }
    if (token.Is(u"DIALOG") || token.Is(u"DIALOGEX")) {
      result = ReadSection(std::make_unique<CRcDialog>(), list, position - 1, log, dialogs, keep());
    } else if (token.Is(u"MENU") || token.Is(u"MENUEX")) {
      result = ReadSection(std::make_unique<CRcMenu>(), list, position - 1, log, menus, keep());
    } else if (token.Is(u"STRINGTABLE")) {
      // Tables of other languages are not counted: the numbers are those
      // of a script holding the chosen language only.
      const bool kept = keep();
      ++position;
      result = ReadSection(std::make_unique<CRcStringTable>(kept ? ++stringTableNumber : 0), list,
                           position - 1, log, stringTables, kept);
    } else if (IsSkippedBlockKeyword(token, list.grammar())) {
      CRcSkippedSection skipped(&blocks);
      result.next = skipped.Parse(list, position - 1, log);
      result.failure = {position, "a block of BEGIN and END"};
    } else {
      ++position;
      continue;
    }
    if (result.next == kParseFailed) {
      if (result.kept) {
        log.ReportProblem(kMsgSectionFailed, list, position);
        log.Diagnose(kMsgSectionFailed, list, position, result.failure);
      }
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

void CRcFile::BuildNodesWhileParsing(SourcePlaces* places, CRcTokenList* release) {
  dialogs.BuildNodesOnAdd(places);
  menus.BuildNodesOnAdd(places);
  stringTables.BuildNodesOnAdd(places);
  release_ = release;
}

void CRcFile::AddStandardSwitchDialog(const IStringSource& strings) {
  auto dialog = std::make_unique<CRcDialog>();
  dialog->MakeStandardSwitch(strings);
  dialogs.Add(std::move(dialog));
}

}  // namespace tolmeric
