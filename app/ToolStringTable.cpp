#include "app/ToolStringTable.h"

#include <algorithm>

namespace tolmeric {

const CToolStringTable::Entry* CToolStringTable::Find(uint32_t id) const {
  const Entry* end = kEntries + kEntryCount;
  const Entry* found =
      std::lower_bound(kEntries, end, id, [](const Entry& entry, uint32_t wanted) { return entry.id < wanted; });
  return found != end && found->id == id ? found : nullptr;
}

std::u16string CToolStringTable::LoadString(uint32_t id) const {
  const Entry* entry = Find(id);
  return entry ? std::u16string(entry->text) : std::u16string();
}

bool CToolStringTable::Contains(uint32_t id) const { return Find(id) != nullptr; }

std::vector<uint32_t> CToolStringTable::Ids() const {
  std::vector<uint32_t> ids;
  ids.reserve(kEntryCount);
  for (size_t i = 0; i < kEntryCount; ++i) ids.push_back(kEntries[i].id);
  return ids;
}

}  // namespace tolmeric
