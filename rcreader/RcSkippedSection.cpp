#include "rcreader/RcSkippedSection.h"

#include <algorithm>

namespace tolmeric {

bool CRcBlockIndex::IndexNext() {
  if (!list_.Has(indexed_)) return false;
  const CRcToken token = list_.TokenAt(indexed_);
  if (IsBlockBegin(token, list_.grammar())) {
    open_.push_back(blocks_.size());
    blocks_.push_back({indexed_, -1});
  } else if (IsBlockEnd(token, list_.grammar()) && !open_.empty()) {
    blocks_[open_.back()].end = indexed_;
    open_.pop_back();
  }
  ++indexed_;
  return true;
}

// Where a block that begins at or after from ends depends only on the
// tokens after its BEGIN, so what lies between indexed_ and from need not be
// looked at, and the blocks before from are not asked about again.
void CRcBlockIndex::JumpTo(int32_t from) {
  if (from <= indexed_) return;
  blocks_.clear();
  open_.clear();
  indexed_ = from;
}

int32_t CRcBlockIndex::NextBegin(int32_t from) {
  if (from < 0 || !list_.Has(from)) return -1;
  JumpTo(from);
  for (;;) {
    const auto block = std::lower_bound(blocks_.begin(), blocks_.end(), from,
                                        [](const Block& b, int32_t i) { return b.begin < i; });
    if (block != blocks_.end()) return block->begin;
    if (!IndexNext()) return -1;
  }
}

int32_t CRcBlockIndex::MatchingEnd(int32_t begin) {
  if (NextBegin(begin) != begin) return -1;
  const auto block = std::lower_bound(blocks_.begin(), blocks_.end(), begin,
                                      [](const Block& b, int32_t i) { return b.begin < i; });
  const size_t at = static_cast<size_t>(block - blocks_.begin());
  while (blocks_[at].end < 0) {
    if (!IndexNext()) break;
  }
  return blocks_[at].end;
}

int32_t CRcSkippedSection::Parse(const CRcTokenList& list, int32_t start, CProblemLog&) {
  tokens = &list;
  position = start;
  // Before the first token there is nothing to skip from.
  if (position < 0 || !list.Has(position)) return kParseFailed;
  return index_ ? ParseByIndex() : ParseByWalking();
}

// skipped-section := { token } "BEGIN" { "BEGIN" ... "END" | token } "END"
int32_t CRcSkippedSection::ParseByWalking() {
  while (!CurrentIsBegin()) {
    if (!tokens->Has(position)) return kParseFailed;
    ++position;
  }
  int32_t depth = 1;
  ++position;
  while (depth > 0) {
    if (!tokens->Has(position)) return kParseFailed;
    if (CurrentIsBegin())
      ++depth;
    else if (CurrentIsEnd())
      --depth;
    ++position;
  }
  return position;
}

int32_t CRcSkippedSection::ParseByIndex() {
  const int32_t begin = index_->NextBegin(position);
  if (begin < 0) return kParseFailed;
  const int32_t end = index_->MatchingEnd(begin);
  if (end < 0) return kParseFailed;
  position = end + 1;
  return position;
}

}  // namespace tolmeric
