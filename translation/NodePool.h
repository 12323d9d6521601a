// Storage for the nodes of the text trees: slots of one node's size, cut
// from slabs. A scan makes hundreds of thousands of nodes and frees them all
// at once; taking each from the general heap and giving it back, one by one,
// made freeing a large tree cost more than writing its language file, and
// more per node the larger the tree. A freed slot is kept for the next node;
// when the last node of the process is gone, the slabs go back to the heap.
#pragma once

#include <cstddef>

namespace tolmeric {

class CNodePool {
 public:
  // A slot of slotSize bytes; every call of a process asks for the same
  // size. Throws std::bad_alloc when the heap has no room for a new slab.
  static void* Allocate(size_t slotSize);
  // Gives a slot from Allocate back.
  static void Release(void* slot) noexcept;
  // Slots handed out and not yet given back, and slabs held.
  static size_t SlotsInUse();
  static size_t SlabsHeld();
};

}  // namespace tolmeric
