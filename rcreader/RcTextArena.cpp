#include "rcreader/RcTextArena.h"

#include <algorithm>
#include <stdexcept>

namespace tolmeric {

void CRcTextArena::StartStorage(size_t n) {
  const size_t blocks = std::max<size_t>(1, (n + kBlockSize - 1) / kBlockSize);
  std::unique_ptr<char16_t[]> characters;
  if (blocks == 1 && !spare_.empty()) {
    characters = std::move(spare_.back());
    spare_.pop_back();
  } else {
    characters = std::make_unique_for_overwrite<char16_t[]>(blocks * kBlockSize);
  }
  AddStorage(std::move(characters), blocks, true);
}

uint32_t CRcTextArena::Adopt(std::unique_ptr<char16_t[]> characters, size_t blocks) {
  AddStorage(std::move(characters), blocks, false);
  const uint32_t first = used_;
  used_ = end_;  // nothing more is stored there
  return first;
}

void CRcTextArena::AddStorage(std::unique_ptr<char16_t[]> characters, size_t blocks,
                              bool whole) {
  if (blocks_.size() + blocks > (size_t{1} << (32 - kBlockBits))) {
    throw std::length_error("the token texts of one scan pass 4 G characters");
  }
  storage_.push_back({blocks_.size(), blocks, std::move(characters), whole});
  char16_t* base = storage_.back().characters.get();
  used_ = static_cast<uint32_t>(blocks_.size() << kBlockBits);
  for (size_t i = 0; i < blocks; ++i) blocks_.push_back(base + i * kBlockSize);
  end_ = static_cast<uint32_t>(std::min<size_t>(blocks_.size() << kBlockBits, UINT32_MAX));
}

// The current storage is never let go: texts are still appended to it.
void CRcTextArena::ReleaseBefore(uint32_t offset) {
  const size_t firstKeptBlock = offset >> kBlockBits;
  while (released_ + 1 < storage_.size()) {
    Storage& storage = storage_[released_];
    if (storage.firstBlock + storage.blockCount > firstKeptBlock) break;
    if (storage.whole && storage.blockCount == 1 && spare_.size() < kMaxSpare) {
      spare_.push_back(std::move(storage.characters));
    } else {
      storage.characters.reset();
    }
    for (size_t i = 0; i < storage.blockCount; ++i) blocks_[storage.firstBlock + i] = nullptr;
    ++released_;
  }
}

// An empty text is stored at offset 0; its view (of length 0) needs no
// characters, so it stays valid when the storage there is let go.
uint32_t CRcTextArena::Append(std::u16string_view text) {
  if (blocks_.empty()) StartStorage(text.size());
  if (text.empty()) return 0;
  if (text.size() > end_ - used_) StartStorage(text.size());
  const uint32_t offset = used_;
  std::copy(text.begin(), text.end(), blocks_[offset >> kBlockBits] + (offset & (kBlockSize - 1)));
  used_ += static_cast<uint32_t>(text.size());
  return offset;
}

}  // namespace tolmeric
