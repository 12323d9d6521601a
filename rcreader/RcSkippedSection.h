// A section the scan reads over as a whole: TOOLBAR and DESIGNINFO.
#pragma once

#include <vector>

#include "rcreader/RcElement.h"

namespace tolmeric {

// Where every BEGIN of a token list finds its matching END, so that skipping
// a section costs logarithmic time however often the search meets the same
// unbalanced blocks. The list is indexed as far as the questions need, once;
// the questions must come in order of the positions they start from, as the
// scan asks them, because the blocks that begin before a question's start
// are forgotten when the index jumps ahead. Only the BEGINs are noted, so
// the index is small beside the list.
class CRcBlockIndex {
 public:
  explicit CRcBlockIndex(const CRcTokenList& list) : list_(list) {}
  // The first index at or after from whose token is "BEGIN", or -1.
  int32_t NextBegin(int32_t from);
  // The index of the END that closes the BEGIN at begin, or -1 when the
  // list ends first.
  int32_t MatchingEnd(int32_t begin);

 private:
  struct Block {
    int32_t begin;
    int32_t end;  // -1: not closed yet (at the end of the list: never)
  };
  // Notes the token at indexed_ and moves on; false at the end of the list.
  bool IndexNext();
  // Starts indexing at from when the index has not got there yet.
  void JumpTo(int32_t from);

  const CRcTokenList& list_;
  std::vector<Block> blocks_;  // in the order of their BEGINs
  std::vector<size_t> open_;   // the blocks not closed yet, innermost last
  int32_t indexed_ = 0;        // the tokens before it are indexed
};

class CRcSkippedSection : public CRcElement {
 public:
  // index, when given, must have been built over the list that Parse gets.
  explicit CRcSkippedSection(CRcBlockIndex* index = nullptr) : index_(index) {}

  // From the token before the keyword, on to the first BEGIN and past its
  // matching END; nested blocks are skipped whole.
  int32_t Parse(const CRcTokenList& list, int32_t start, CProblemLog& log) override;
  int32_t Kind() const override { return 20; }
  std::unique_ptr<CTextNode> BuildNode(CTextNode* parent,
                                       SourcePlaces* places = nullptr) const override {
    return nullptr;
  }

 private:
  int32_t ParseByWalking();
  int32_t ParseByIndex();

  CRcBlockIndex* index_;
};

}  // namespace tolmeric
