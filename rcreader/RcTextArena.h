// The texts of a scan's tokens, one after the other in large blocks: a token
// costs no allocation of its own, and a text once stored never moves. Texts
// that nobody reads any more are let go from the front, block by block.
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
  // The characters stored at offset (as Append returned it), while they
  // are kept.
  const char16_t* At(uint32_t offset) const {
    return blocks_[offset >> kBlockBits] + (offset & (kBlockSize - 1));
  }
  // Takes on characters, filled by someone else, as the newest storage,
  // spanning blocks blocks of offsets (its length may end inside the last),
  // and returns the offset of its first character: a text that lies at i
  // in characters lies at that offset + i. Throws std::length_error as
  // Append does.
  uint32_t Adopt(std::unique_ptr<char16_t[]> characters, size_t blocks);
  // The offset the next text stored will have, or a later one.
  uint32_t NextOffset() const { return used_; }
  // Lets go of the storage that holds only texts before offset: their
  // offsets must not be read again.
  void ReleaseBefore(uint32_t offset);

  static constexpr uint32_t kBlockBits = 16;
  static constexpr uint32_t kBlockSize = uint32_t{1} << kBlockBits;

 private:
  // Starts fresh storage of at least n characters at a block boundary.
  void StartStorage(size_t n);
  // Makes characters, spanning blocks blocks, the newest storage; whole
  // tells whether it is that long, so that it may serve again once let go.
  void AddStorage(std::unique_ptr<char16_t[]> characters, size_t blocks, bool whole);
  // One allocation, covering the blocks from firstBlock on.
  struct Storage {
    size_t firstBlock;
    size_t blockCount;
    std::unique_ptr<char16_t[]> characters;
    bool whole;  // blockCount whole blocks long
  };

  std::vector<Storage> storage_;
  size_t released_ = 0;  // storages let go, from the front
  // Single blocks let go, kept for the next storage: a scan that lets go
  // as it reads then takes no fresh memory for its texts.
  static constexpr size_t kMaxSpare = 2;
  std::vector<std::unique_ptr<char16_t[]>> spare_;
  // One entry per block of the offset space; a text longer than a block
  // has storage of its own, spread over as many consecutive entries.
  std::vector<char16_t*> blocks_;
  uint32_t used_ = 0;  // offset of the next free character
  uint32_t end_ = 0;   // offset after the last character of the current storage
};

}  // namespace tolmeric
