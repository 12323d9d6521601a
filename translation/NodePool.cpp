#include "translation/NodePool.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <mutex>
#include <new>
#include <thread>
#include <vector>

#if defined(__has_include)
#if __has_include(<sanitizer/asan_interface.h>)
#include <sanitizer/asan_interface.h>
#endif
#endif
#ifndef ASAN_POISON_MEMORY_REGION
#define ASAN_POISON_MEMORY_REGION(address, size) ((void)(address), (void)(size))
#define ASAN_UNPOISON_MEMORY_REGION(address, size) ((void)(address), (void)(size))
#endif

namespace tolmeric {

namespace {

// A slab holds this many slots: about 64 KB for a node, so a slab is cut
// from the heap's own blocks rather than mapped on its own.
constexpr size_t kSlotsPerSlab = 600;

struct FreeSlot {
  FreeSlot* next;
};

// Held for a few instructions at a time and nearly always free, so taking it
// is one atomic exchange, and letting it go a plain store.
class CSpinLock {
 public:
  void lock() {
    while (held_.exchange(true, std::memory_order_acquire)) std::this_thread::yield();
  }
  void unlock() { held_.store(false, std::memory_order_release); }

 private:
  std::atomic<bool> held_{false};
};

// The pool's state. A freed slot is poisoned for the address sanitizer
// (apart from while the pool reads its link), so that a node used after it
// was freed is still reported.
struct Pool {
  CSpinLock lock;
  std::vector<std::unique_ptr<std::byte[]>> slabs;
  FreeSlot* freeSlots = nullptr;
  std::byte* next = nullptr;  // the next uncut slot of the newest slab
  std::byte* end = nullptr;
  size_t slotSize = 0;
  size_t inUse = 0;

  void* Cut(size_t size) {
    if (next == end) {
      slabs.push_back(std::make_unique_for_overwrite<std::byte[]>(kSlotsPerSlab * size));
      next = slabs.back().get();
      end = next + kSlotsPerSlab * size;
    }
    void* slot = next;
    next += size;
    return slot;
  }

  void* TakeFree() {
    FreeSlot* slot = freeSlots;
    ASAN_UNPOISON_MEMORY_REGION(slot, slotSize);
    freeSlots = slot->next;
    return slot;
  }

  void GiveBack(void* address) {
    if (inUse == 0) {
      // The last node is gone: the next tree starts on fresh slabs in the
      // order it is built, and the memory is the heap's again meanwhile.
      slabs.clear();
      freeSlots = nullptr;
      next = end = nullptr;
      return;
    }
    auto* slot = static_cast<FreeSlot*>(address);
    slot->next = freeSlots;
    freeSlots = slot;
    ASAN_POISON_MEMORY_REGION(slot, slotSize);
  }
};

// Never destroyed, so that a node freed by a static destructor at exit
// still finds its pool.
Pool& ThePool() {
  static Pool* pool = new Pool;
  return *pool;
}

}  // namespace

void* CNodePool::Allocate(size_t slotSize) {
  Pool& pool = ThePool();
  std::lock_guard<CSpinLock> guard(pool.lock);
  pool.slotSize = std::max(slotSize, sizeof(FreeSlot));
  void* slot = pool.freeSlots != nullptr ? pool.TakeFree() : pool.Cut(pool.slotSize);
  ++pool.inUse;
  return slot;
}

void CNodePool::Release(void* slot) noexcept {
  if (slot == nullptr) return;
  Pool& pool = ThePool();
  std::lock_guard<CSpinLock> guard(pool.lock);
  --pool.inUse;
  pool.GiveBack(slot);
}

size_t CNodePool::SlotsInUse() {
  Pool& pool = ThePool();
  std::lock_guard<CSpinLock> guard(pool.lock);
  return pool.inUse;
}

size_t CNodePool::SlabsHeld() {
  Pool& pool = ThePool();
  std::lock_guard<CSpinLock> guard(pool.lock);
  return pool.slabs.size();
}

}  // namespace tolmeric
