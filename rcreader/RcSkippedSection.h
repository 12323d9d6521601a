// A section the scan reads over as a whole: TOOLBAR and DESIGNINFO.
#pragma once

#include <vector>

#include "rcreader/RcElement.h"

namespace tolmeric {

// Where every BEGIN of a token list finds its matching END, computed once
// per scan so that skipping a section costs constant time however often the
// search meets the same unbalanced blocks.
class CRcBlockIndex {
 public:
  explicit CRcBlockIndex(const CRcTokenList& list);
  // The first index at or after from whose token is "BEGIN", or -1.
  int32_t NextBegin(int32_t from) const;
  // The index of the END that closes the BEGIN at begin, or -1 when the
  // list ends first.
  int32_t MatchingEnd(int32_t begin) const;

 private:
  std::vector<int32_t> nextBegin_;
  std::vector<int32_t> matchingEnd_;
};

class CRcSkippedSection : public CRcElement {
 public:
  // index, when given, must have been built over the list that Parse gets.
  explicit CRcSkippedSection(const CRcBlockIndex* index = nullptr) : index_(index) {}

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

  const CRcBlockIndex* index_;
};

}  // namespace tolmeric
