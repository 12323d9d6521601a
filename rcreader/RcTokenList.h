// The tokens of all scripts of one scan, in script order.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <deque>

#include "rcreader/RcGrammar.h"
#include "rcreader/RcToken.h"

namespace tolmeric {

class CRcTokenList {
 public:
  explicit CRcTokenList(RcGrammar grammar = RcGrammar::kClassic) : grammar_(grammar) {}
  // Reads the whole script into a new list; fileName is what tokens carry,
  // path is where the bytes are read from (CFileError kCannotOpen).
  // defaultCodePage as for CScriptDecoder; grammar is the one the tokens are
  // read in, and the one the section parsers apply to them.
  CRcTokenList(const std::u16string& fileName, const std::filesystem::path& path,
               int defaultCodePage = 0, RcGrammar grammar = RcGrammar::kClassic);
  // Reads a script whose bytes are already in memory.
  static CRcTokenList FromBytes(const std::u16string& fileName, const std::string& bytes,
                                int defaultCodePage = 0, RcGrammar grammar = RcGrammar::kClassic);

  RcGrammar grammar() const { return grammar_; }

  void Append(CRcToken token) { tokens_.push_back(std::move(token)); }
  // Appends copies of all tokens of other, in order.
  void AppendList(const CRcTokenList& other);
  // The token at index, or the empty token (type 0, text "", line -1) when
  // the index lies outside the list.
  const CRcToken& TokenAt(int32_t index) const;
  int32_t count() const { return static_cast<int32_t>(tokens_.size()); }

 private:
  // A deque grows in fixed blocks: a list of millions of tokens is never
  // moved as a whole, which keeps reading linear in the script's size.
  std::deque<CRcToken> tokens_;
  RcGrammar grammar_ = RcGrammar::kClassic;
};

}  // namespace tolmeric
