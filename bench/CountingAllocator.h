// Counts the bytes a benchmark program holds on the heap, so that a
// benchmark can report the peak of one run as a counter. Linking
// CountingAllocator.cpp replaces the global operator new and delete.
#pragma once

#include <cstddef>

namespace tolmeric {

// Bytes held now.
size_t HeapBytesInUse();
// The most held since the last ResetHeapPeak (or the start).
size_t HeapPeakBytes();
// Starts a new peak from what is held now.
void ResetHeapPeak();
// Counting is on at the start. Off, allocations cost what they cost
// without it, for timing; switch only while nothing counted is held.
void CountHeap(bool on);

}  // namespace tolmeric
