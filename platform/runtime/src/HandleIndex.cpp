// Index of object records by handle: a direct array for dense handles, linear probing for the
// rest.
#include "HandleIndex.h"

#include <algorithm>
#include <cassert>

#include "DbDatabaseImpl.h"

namespace {

// splitmix64's finaliser: spreads handles that share low bits over the table.
OdUInt64 mix(OdUInt64 x) {
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

// The array may span twice the records plus some slack: 16 bytes a record at most, like the
// half-full hash table, whatever the handles.
size_t denseLimit(size_t records) { return 2 * records + 4096; }

}  // namespace

OdDbStub* HandleIndex::find(OdUInt64 handle) const {
  if (handle < m_dense.size()) return m_dense[handle];
  return findHashed(handle);
}

void HandleIndex::insert(OdDbStub* stub) {
  assert(!find(stub->handle) && "a handle is indexed twice");
  ++m_count;
  if (coverDense(stub->handle)) {
    m_dense[stub->handle] = stub;
    return;
  }
  insertHashed(stub);
}

// Grows the array to take handle when that stays within its limit; hashed records that the
// grown array covers move into it, so that every record lives in exactly one place.
bool HandleIndex::coverDense(OdUInt64 handle) {
  if (handle < m_dense.size()) return true;
  const size_t limit = denseLimit(m_count);
  if (handle >= limit) return false;
  // A new array of exactly the size, not resize(): a vector's own growth could double it.
  std::vector<OdDbStub*> bigger(std::min(limit, std::max<size_t>(handle + 1, m_dense.size() * 2)));
  std::copy(m_dense.begin(), m_dense.end(), bigger.begin());
  m_dense.swap(bigger);
  if (m_hashed == 0) return true;
  std::vector<OdDbStub*> old;
  old.swap(m_slots);
  m_hashed = 0;
  for (OdDbStub* stub : old) {
    if (!stub) continue;
    if (stub->handle < m_dense.size()) {
      m_dense[stub->handle] = stub;
    } else {
      insertHashed(stub);
    }
  }
  return true;
}

OdDbStub* HandleIndex::findHashed(OdUInt64 handle) const {
  if (m_slots.empty()) return nullptr;
  return m_slots[slotOf(handle)];
}

void HandleIndex::insertHashed(OdDbStub* stub) {
  if ((m_hashed + 1) * 2 > m_slots.size()) grow();
  m_slots[slotOf(stub->handle)] = stub;
  ++m_hashed;
}

size_t HandleIndex::slotOf(OdUInt64 handle) const {
  size_t mask = m_slots.size() - 1;
  size_t slot = static_cast<size_t>(mix(handle)) & mask;
  while (m_slots[slot] && m_slots[slot]->handle != handle) slot = (slot + 1) & mask;
  return slot;
}

void HandleIndex::grow() {
  std::vector<OdDbStub*> old;
  old.swap(m_slots);
  m_slots.assign(old.empty() ? 64 : old.size() * 2, nullptr);
  for (OdDbStub* stub : old) {
    if (stub) m_slots[slotOf(stub->handle)] = stub;
  }
}
