// The children of one node of a loaded language file, prepared to answer
// many best-match questions: the merge of a language switch asks one for
// every child of the held structure, and a node may have tens of thousands
// of children, many with the same base text.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace tolmeric {

class CTextNode;

class CBestMatchIndex {
 public:
  // source must outlive the index and stay unchanged while it is used.
  explicit CBestMatchIndex(const CTextNode& source);

  // The best match of a among the source's children, or null; the same
  // answer as comparing a with every child in turn.
  const CTextNode* Find(const CTextNode& a);

 private:
  // A child's base text and the sorted base texts of its children, as ids.
  // Children with equal signatures score alike against any node.
  using Signature = std::vector<int32_t>;
  struct SignatureHash {
    size_t operator()(const Signature& signature) const;
  };
  struct Candidate {
    int32_t index;  // the last child with this signature
    Signature signature;
  };
  struct BaseGroup {
    int32_t count = 0;
    int32_t lastIndex = 0;
  };

  int32_t IdOf(const std::u16string& text) const;
  int32_t Intern(const std::u16string& text);
  // Signature of node: its base text's id, then its children's ids, sorted.
  Signature SignatureOf(const CTextNode& node) const;
  // The lowest scored candidate for a's signature; severalEqual when more
  // than one child has a's base text.
  const CTextNode* Score(const Signature& a, bool severalEqual) const;

  const CTextNode& source_;
  std::unordered_map<std::u16string, int32_t> ids_;
  std::unordered_map<int32_t, BaseGroup> groups_;
  std::vector<Candidate> candidates_;  // in child order
  std::unordered_map<Signature, const CTextNode*, SignatureHash> answers_;
};

}  // namespace tolmeric
