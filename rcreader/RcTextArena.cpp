#include "rcreader/RcTextArena.h"

#include <algorithm>
#include <stdexcept>

namespace tolmeric {

void CRcTextArena::StartStorage(size_t n) {
  const size_t blocks = std::max<size_t>(1, (n + kBlockSize - 1) / kBlockSize);
  if (blocks_.size() + blocks > (size_t{1} << (32 - kBlockBits))) {
    throw std::length_error("the token texts of one scan pass 4 G characters");
  }
  storage_.push_back(std::make_unique_for_overwrite<char16_t[]>(blocks * kBlockSize));
  char16_t* base = storage_.back().get();
  used_ = static_cast<uint32_t>(blocks_.size() << kBlockBits);
  for (size_t i = 0; i < blocks; ++i) blocks_.push_back(base + i * kBlockSize);
  end_ = static_cast<uint32_t>(std::min<size_t>(blocks_.size() << kBlockBits, UINT32_MAX));
}

// An empty text is stored at offset 0, which is always valid to look at.
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
