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

namespace {

// FNV-1a over the code units.
size_t Hash(std::u16string_view text) {
  uint64_t hash = 14695981039346656037u;
  for (char16_t c : text) hash = (hash ^ c) * 1099511628211u;
  return static_cast<size_t>(hash);
}

}  // namespace

uint32_t CRcTextArena::AppendShared(std::u16string_view text) {
  if (text.empty() || text.size() > kMaxSharedLength) return Append(text);
  if (2 * (sharedCount_ + 1) > shared_.size()) GrowShared();
  const size_t mask = shared_.size() - 1;
  for (size_t slot = Hash(text) & mask;; slot = (slot + 1) & mask) {
    Shared& entry = shared_[slot];
    if (entry.length == 0) {
      entry = {Append(text), static_cast<uint32_t>(text.size())};
      ++sharedCount_;
      return entry.offset;
    }
    if (entry.length == text.size() && std::u16string_view(At(entry.offset), entry.length) == text) {
      return entry.offset;
    }
  }
}

void CRcTextArena::GrowShared() {
  std::vector<Shared> grown(std::max<size_t>(1024, 2 * shared_.size()));
  const size_t mask = grown.size() - 1;
  for (const Shared& entry : shared_) {
    if (entry.length == 0) continue;
    size_t slot = Hash(std::u16string_view(At(entry.offset), entry.length)) & mask;
    while (grown[slot].length != 0) slot = (slot + 1) & mask;
    grown[slot] = entry;
  }
  shared_ = std::move(grown);
}

}  // namespace tolmeric
