#include "rcreader/RcSkippedSection.h"

namespace tolmeric {

CRcBlockIndex::CRcBlockIndex(const CRcTokenList& list)
    : nextBegin_(static_cast<size_t>(list.count()) + 1, -1),
      matchingEnd_(static_cast<size_t>(list.count()), -1) {
  std::vector<int32_t> open;
  for (int32_t i = 0; i < list.count(); ++i) {
    const CRcToken& token = list.TokenAt(i);
    if (IsBlockBegin(token, list.grammar())) {
      open.push_back(i);
    } else if (IsBlockEnd(token, list.grammar()) && !open.empty()) {
      matchingEnd_[open.back()] = i;
      open.pop_back();
    }
  }
  for (int32_t i = list.count() - 1; i >= 0; --i)
    nextBegin_[i] = IsBlockBegin(list.TokenAt(i), list.grammar()) ? i : nextBegin_[i + 1];
}

int32_t CRcBlockIndex::NextBegin(int32_t from) const {
  if (from < 0 || from >= static_cast<int32_t>(matchingEnd_.size())) return -1;
  return nextBegin_[from];
}

int32_t CRcBlockIndex::MatchingEnd(int32_t begin) const {
  if (begin < 0 || begin >= static_cast<int32_t>(matchingEnd_.size())) return -1;
  return matchingEnd_[begin];
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
