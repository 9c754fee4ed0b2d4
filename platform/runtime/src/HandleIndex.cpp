// Open-addressing (linear probing) index of object records by handle.
#include "HandleIndex.h"

#include <cassert>

#include "DbDatabaseImpl.h"

namespace {

// splitmix64's finaliser: handles are small consecutive numbers, which it spreads over the table.
OdUInt64 mix(OdUInt64 x) {
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

}  // namespace

size_t HandleIndex::slotOf(OdUInt64 handle) const {
  size_t mask = m_slots.size() - 1;
  size_t slot = static_cast<size_t>(mix(handle)) & mask;
  while (m_slots[slot] && m_slots[slot]->handle != handle) slot = (slot + 1) & mask;
  return slot;
}

OdDbStub* HandleIndex::find(OdUInt64 handle) const {
  if (m_slots.empty()) return nullptr;
  return m_slots[slotOf(handle)];
}

void HandleIndex::insert(OdDbStub* stub) {
  if ((m_count + 1) * 2 > m_slots.size()) grow();
  size_t slot = slotOf(stub->handle);
  assert(!m_slots[slot] && "a handle is indexed twice");
  m_slots[slot] = stub;
  ++m_count;
}

void HandleIndex::grow() {
  std::vector<OdDbStub*> old;
  old.swap(m_slots);
  m_slots.assign(old.empty() ? 64 : old.size() * 2, nullptr);
  for (OdDbStub* stub : old) {
    if (stub) m_slots[slotOf(stub->handle)] = stub;
  }
}
