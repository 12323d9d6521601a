// The reader's entry point for a scan: reads every script of a project into
// one token list and parses it into a CRcFile.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "rcreader/RcFile.h"
#include "rcreader/RcPreprocessor.h"

namespace tolmeric {

class CProblemLog;
class IProgress;
class IStringSource;

class CRcReader {
 public:
  // Opens the scripts, to be read in order as the parse asks for their
  // tokens, moving progress (may be null) from start towards end as each
  // further script begins. The names are what the tokens and the log carry;
  // each is opened as a path. A script that cannot be opened throws
  // CFileError (kCannotOpen) naming it. Scripts
  // without byte-order mark are read in defaultCodePage (see CScriptDecoder),
  // all of them in grammar; the compiler's grammar evaluates preprocessor
  // lines with options (warnings: TakeWarnings).
  CRcReader(const std::vector<std::u16string>& scriptNames, IProgress* progress, int32_t start,
            int32_t end, int defaultCodePage = 0, RcGrammar grammar = RcGrammar::kClassic,
            const CPreprocessorOptions& options = {});

  // The scripts' readers report their warnings to this reader as the
  // parse goes: it stays where it was made.
  CRcReader(const CRcReader&) = delete;
  CRcReader& operator=(const CRcReader&) = delete;

  // Parse keeps only the resources of this language; without one, scripts
  // with resources of several languages give a warning naming them.
  void SelectLanguage(std::optional<uint16_t> language) { language_ = language; }

  // Parses all sections; with withStandardSwitch the language switch
  // dialog follows the dialogs of the scripts, its texts taken from
  // strings (or from the log's strings). Problems go to log. The file's
  // elements refer to the texts of this reader's tokens: build the tree
  // while the reader lives.
  std::unique_ptr<CRcFile> Parse(CProblemLog& log, bool withStandardSwitch,
                                 const IStringSource& strings);
  std::unique_ptr<CRcFile> Parse(CProblemLog& log, bool withStandardSwitch);

  // The same parse for a scan that wants the tree only: each section's
  // node is made as soon as it is read, and the tokens behind it are let go,
  // so that the scan holds little more than the tree (with places, the
  // places of its texts are noted). Once only.
  std::unique_ptr<CTextNode> ParseTree(CProblemLog& log, bool withStandardSwitch,
                                       const IStringSource& strings,
                                       SourcePlaces* places = nullptr);

  // Null when there were no scripts.
  const CRcTokenList* tokenList() const { return tokenList_.get(); }

  // The warnings of reading and parsing so far, in order.
  std::vector<CRcWarning> TakeWarnings() { return warnings_.Take(); }

 private:
  void ParseInto(CRcFile& file, CProblemLog& log, bool withStandardSwitch,
                 const IStringSource& strings);

  // The scripts' readers add to warnings_ while the list reads on, on a
  // thread of its own: the list is declared after it, so that it is let go
  // (and its reading stopped) first.
  CRcWarnings warnings_;
  std::unique_ptr<CRcTokenList> tokenList_;
  std::optional<uint16_t> language_;
};

}  // namespace tolmeric
