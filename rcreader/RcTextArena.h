// The texts of a scan's tokens, one after the other in large blocks: a token
// costs no allocation of its own, and a text once stored never moves. A
// short text the caller expects to repeat (keywords, names, numbers) is
// stored once however often it comes: later tokens share it.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace tolmeric {

class CRcTextArena {
 public:
  // Stores text and returns its offset. Throws std::length_error when the
  // texts of one scan pass 4 G characters.
  uint32_t Append(std::u16string_view text);
  // The same, but a short text already stored is shared, not stored again.
  uint32_t AppendShared(std::u16string_view text);
  // The characters stored at offset (as Append returned it).
  const char16_t* At(uint32_t offset) const {
    return blocks_[offset >> kBlockBits] + (offset & (kBlockSize - 1));
  }

 private:
  static constexpr uint32_t kBlockBits = 16;
  static constexpr uint32_t kBlockSize = uint32_t{1} << kBlockBits;

  // Texts up to this length are shared.
  static constexpr size_t kMaxSharedLength = 32;

  // Starts fresh storage of at least n characters at a block boundary.
  void StartStorage(size_t n);
  // Doubles the table of shared texts.
  void GrowShared();

  // A shared text: its offset and length; an empty slot has length 0.
  struct Shared {
    uint32_t offset = 0;
    uint32_t length = 0;
  };

  std::vector<std::unique_ptr<char16_t[]>> storage_;
  // One entry per block of the offset space; a text longer than a block
  // has storage of its own, spread over as many consecutive entries.
  std::vector<char16_t*> blocks_;
  uint32_t used_ = 0;  // offset of the next free character
  uint32_t end_ = 0;   // offset after the last character of the current storage
  // Open addressing, at most half full; its size a power of 2.
  std::vector<Shared> shared_;
  size_t sharedCount_ = 0;
};

}  // namespace tolmeric
