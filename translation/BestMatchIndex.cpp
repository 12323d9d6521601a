#include "translation/BestMatchIndex.h"

#include <algorithm>

#include "translation/TextNode.h"

namespace tolmeric {

namespace {

constexpr int32_t kNoScore = 9999;
constexpr int32_t kUnequalBasePenalty = 5;
// The id of every text that no child of the source and no grandchild has.
constexpr int32_t kUnknownId = -1;

struct Difference {
  int32_t onlyA = 0;
  int32_t onlyB = 0;
};

// The child set difference of two signatures (ids after the first, sorted):
// entries of a whose id b lacks, and the other way round.
Difference DifferenceOf(const std::vector<int32_t>& a, const std::vector<int32_t>& b) {
  Difference difference;
  size_t i = 1;
  size_t j = 1;
  while (i < a.size() && j < b.size()) {
    if (a[i] < b[j]) {
      ++difference.onlyA;
      ++i;
    } else if (b[j] < a[i]) {
      ++difference.onlyB;
      ++j;
    } else {
      const int32_t shared = a[i];
      while (i < a.size() && a[i] == shared) ++i;
      while (j < b.size() && b[j] == shared) ++j;
    }
  }
  difference.onlyA += static_cast<int32_t>(a.size() - i);
  difference.onlyB += static_cast<int32_t>(b.size() - j);
  return difference;
}

}  // namespace

size_t CBestMatchIndex::SignatureHash::operator()(const Signature& signature) const {
  size_t hash = signature.size();
  for (int32_t id : signature) hash = hash * 1000003u ^ static_cast<uint32_t>(id);
  return hash;
}

CBestMatchIndex::CBestMatchIndex(const CTextNode& source) : source_(source) {
  for (int32_t i = 0; i < source.childCount; ++i) {
    const CTextNode& child = *source.children[i];
    BaseGroup& group = groups_[Intern(child.baseText)];
    ++group.count;
    group.lastIndex = i;
    for (int32_t k = 0; k < child.childCount; ++k) Intern(child.children[k]->baseText);
  }
  // Of the children with one signature only the last can win: ties go to
  // the later child. Walking backwards keeps exactly those.
  std::unordered_map<Signature, bool, SignatureHash> seen;
  for (int32_t i = source.childCount - 1; i >= 0; --i) {
    Signature signature = SignatureOf(*source.children[i]);
    if (seen.emplace(signature, true).second) candidates_.push_back({i, std::move(signature)});
  }
  std::reverse(candidates_.begin(), candidates_.end());
}

int32_t CBestMatchIndex::IdOf(const std::u16string& text) const {
  auto found = ids_.find(text);
  return found == ids_.end() ? kUnknownId : found->second;
}

int32_t CBestMatchIndex::Intern(const std::u16string& text) {
  return ids_.emplace(text, static_cast<int32_t>(ids_.size())).first->second;
}

CBestMatchIndex::Signature CBestMatchIndex::SignatureOf(const CTextNode& node) const {
  Signature signature;
  signature.reserve(static_cast<size_t>(node.childCount) + 1);
  signature.push_back(IdOf(node.baseText));
  for (int32_t k = 0; k < node.childCount; ++k) {
    signature.push_back(IdOf(node.children[k]->baseText));
  }
  std::sort(signature.begin() + 1, signature.end());
  return signature;
}

// Best match of a among the children of the source:
//   exactly one child with a's base text -> that child;
//   otherwise the lowest score (difference, +5 for an unequal base text),
//   the later child winning ties; without any equal base text the best child
//   must share at least one child text with a in each direction.
const CTextNode* CBestMatchIndex::Find(const CTextNode& a) {
  const int32_t baseId = IdOf(a.baseText);
  auto group = groups_.find(baseId);
  if (group != groups_.end() && group->second.count == 1) {
    return source_.children[group->second.lastIndex].get();
  }
  Signature signature = SignatureOf(a);
  auto known = answers_.find(signature);
  if (known != answers_.end()) return known->second;
  const bool severalEqual = group != groups_.end();
  const CTextNode* answer = Score(signature, severalEqual);
  answers_.emplace(std::move(signature), answer);
  return answer;
}

const CTextNode* CBestMatchIndex::Score(const Signature& a, bool severalEqual) const {
  const CTextNode* best = nullptr;
  Difference bestDifference;
  int32_t bestScore = kNoScore;
  for (const Candidate& candidate : candidates_) {
    const Difference difference = DifferenceOf(a, candidate.signature);
    int32_t score = difference.onlyA + difference.onlyB;
    if (candidate.signature[0] != a[0]) score += kUnequalBasePenalty;
    if (score <= bestScore) {
      bestScore = score;
      best = source_.children[candidate.index].get();
      bestDifference = difference;
    }
  }
  if (severalEqual) return best;
  if (best == nullptr) return nullptr;
  if (bestDifference.onlyA >= static_cast<int32_t>(a.size() - 1)) return nullptr;
  if (bestDifference.onlyB >= best->childCount) return nullptr;
  return best;
}

}  // namespace tolmeric
