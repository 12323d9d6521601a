// The texts of a language file as translators' tools see them: one entry per
// text the run-time module shows, named by a context that identifies its node.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

#include "translation/SourcePlaces.h"
#include "translation/TextNode.h"

namespace tolmeric {

// The longest context of a node's parent, in code units. Real paths are a
// few dozen characters; the bound keeps a hostile tree of long texts nested
// thousands deep from making contexts of quadratic size.
inline constexpr size_t kMaxParentContext = 4096;

// A tree whose texts nest too deep to be named within that bound.
class CContextTooLong : public std::length_error {
 public:
  CContextTooLong()
      : std::length_error("texts nested too deep to be named (a context passes " +
                          std::to_string(kMaxParentContext) + " characters)") {}
};

// A node's review marks, kept in its state value. A new text (a leaf or a
// whole subtree without counterpart in the older file) keeps the missing
// states 3 and 5 the merge gives it; a text whose translation was carried
// over from a different base text gets the otherwise unused state 4.
inline constexpr int32_t kStateNeedsReview = 4;

struct CExchangeEntry {
  // The path of base texts from the category down, e.g.
  // "Dialoge/Find/&Up". In a text "\" "/" and "#" are escaped with a
  // backslash, line feeds, returns and tabs written \n \r \t; the second and later of equal siblings get "#2", "#3" ...
  std::u16string context;
  std::u16string source;
  // The translation; empty while the text is untranslated.
  std::u16string target;
  bool fuzzy = false;   // the translation needs review
  bool isNew = false;   // new since the last update
  bool obsolete = false;
  int32_t kind = kKindNotSet;
  int32_t width = -1;   // control or dialog size in dialog units, else -1
  int32_t height = -1;
  // "script:line" where the text stands, when known.
  std::vector<std::string> references;
  // Where the entry stands in the file it was read from (1-based), else 0.
  int32_t line = 0;
};

// What the file says about itself, besides its entries.
struct CExchangeHeader {
  std::u16string programName;
  std::u16string programVersion;
  std::u16string languageName;
  std::string sourceLanguage;  // codes such as "de" or "en-US"; may be empty
  std::string targetLanguage;
};

struct CExchangeDocument {
  CExchangeHeader header;
  std::vector<CExchangeEntry> entries;
};


// True for the nodes whose text the run-time module shows, with a base text.
bool IsExchangedNode(const CTextNode& node);

// One entry per shown text below root, depth first, with source, target
// (empty when the text equals its base text), marks from the state, kind,
// size and, when places are given, the script and line.
std::vector<CExchangeEntry> CollectEntries(const CTextNode& root,
                                           const SourcePlaces* places = nullptr);

// The context of the parent of an entry's node ("" for a category).
std::u16string ParentContext(const std::u16string& context);

// Every shown node below root by its context.
std::unordered_map<std::u16string, CTextNode*> NodesByContext(CTextNode& root);

// The short description of a node kind, e.g. "button".
const char* DescribeKind(int32_t kind);

// How the entries of a translation were taken onto a tree.
struct CImportCounts {
  int32_t translated = 0;
  int32_t untranslated = 0;
  int32_t fuzzySkipped = 0;  // needs review and not taken
  int32_t fuzzyTaken = 0;
  int32_t unknown = 0;       // context not in the base file
};

// Takes entries onto the tree below root. A translated entry sets its
// node's text and clears the node's marks; an untranslated one sets the
// base text; an entry needing review changes nothing unless takeFuzzy.
// Obsolete entries are passed over. An entry without context (as some
// converters write) applies to every node with its source as base text
// that no entry with context names.
CImportCounts ApplyEntries(CTextNode& root, const std::vector<CExchangeEntry>& entries,
                           bool takeFuzzy);

}  // namespace tolmeric
