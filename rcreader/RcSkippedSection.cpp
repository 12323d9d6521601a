#include "rcreader/RcSkippedSection.h"

#include <algorithm>

namespace tolmeric {

CRcBlockIndex::CRcBlockIndex(const CRcTokenList& list) : count_(list.count()) {
  std::vector<size_t> open;
  for (int32_t i = 0; i < list.count(); ++i) {
    const CRcToken& token = list.TokenAt(i);
    if (IsBlockBegin(token, list.grammar())) {
      open.push_back(blocks_.size());
      blocks_.push_back({i, -1});
    } else if (IsBlockEnd(token, list.grammar()) && !open.empty()) {
      blocks_[open.back()].end = i;
      open.pop_back();
    }
  }
}

namespace {

template <typename Blocks>
auto FirstBlockFrom(const Blocks& blocks, int32_t from) {
  return std::lower_bound(blocks.begin(), blocks.end(), from,
                          [](const auto& block, int32_t i) { return block.begin < i; });
}

}  // namespace

int32_t CRcBlockIndex::NextBegin(int32_t from) const {
  if (from < 0 || from >= count_) return -1;
  const auto block = FirstBlockFrom(blocks_, from);
  return block == blocks_.end() ? -1 : block->begin;
}

int32_t CRcBlockIndex::MatchingEnd(int32_t begin) const {
  if (begin < 0 || begin >= count_) return -1;
  const auto block = FirstBlockFrom(blocks_, begin);
  return block == blocks_.end() || block->begin != begin ? -1 : block->end;
}

int32_t CRcSkippedSection::Parse(const CRcTokenList& list, int32_t start, CProblemLog&) {
  tokens = &list;
  position = start;
  // Before the first token there is nothing to skip from.
  if (position < 0 || position >= list.count()) return kParseFailed;
  return index_ ? ParseByIndex() : ParseByWalking();
}

// skipped-section := { token } "BEGIN" { "BEGIN" ... "END" | token } "END"
int32_t CRcSkippedSection::ParseByWalking() {
  while (!CurrentIsBegin()) {
    if (position >= tokens->count()) return kParseFailed;
    ++position;
  }
  int32_t depth = 1;
  ++position;
  while (depth > 0) {
    if (position >= tokens->count()) return kParseFailed;
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
