#include "bench/CountingAllocator.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace tolmeric {

namespace {

std::atomic<size_t> inUse{0};
std::atomic<size_t> peak{0};
std::atomic<bool> counting{true};

void* Allocate(size_t requested) {
  void* p = std::malloc(requested == 0 ? 1 : requested);
  if (p == nullptr) throw std::bad_alloc();
  if (!counting.load(std::memory_order_relaxed)) return p;
  const size_t size = malloc_usable_size(p);
  const size_t now = inUse.fetch_add(size) + size;
  size_t seen = peak.load();
  while (now > seen && !peak.compare_exchange_weak(seen, now)) {
  }
  return p;
}

void Release(void* p) {
  if (p == nullptr) return;
  if (counting.load(std::memory_order_relaxed)) inUse.fetch_sub(malloc_usable_size(p));
  std::free(p);
}

}  // namespace

size_t HeapBytesInUse() { return inUse.load(); }
size_t HeapPeakBytes() { return peak.load(); }
void ResetHeapPeak() { peak.store(inUse.load()); }
void CountHeap(bool on) { counting.store(on); }

}  // namespace tolmeric

void* operator new(size_t size) { return tolmeric::Allocate(size); }
void* operator new[](size_t size) { return tolmeric::Allocate(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept {
  try {
    return tolmeric::Allocate(size);
  } catch (...) {
    return nullptr;
  }
}
void* operator new[](size_t size, const std::nothrow_t& tag) noexcept {
  return operator new(size, tag);
}
void operator delete(void* p) noexcept { tolmeric::Release(p); }
void operator delete[](void* p) noexcept { tolmeric::Release(p); }
void operator delete(void* p, size_t) noexcept { tolmeric::Release(p); }
void operator delete[](void* p, size_t) noexcept { tolmeric::Release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { tolmeric::Release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { tolmeric::Release(p); }
