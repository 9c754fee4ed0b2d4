// Selection sets and their iterators.
#include "DbSSet.h"

#include <algorithm>
#include <cstdint>

ODRX_NO_CONS_DEFINE_MEMBERS(OdDbSelectionSetIterator, OdRxObject, L"OdDbSelectionSetIterator")
ODRX_NO_CONS_DEFINE_MEMBERS(OdDbSelectionSet, OdRxObject, L"OdDbSelectionSet")

OdDbSelectionSetIteratorPtr OdDbSelectionSetIterator::createObject(std::vector<OdDbObjectId> ids) {
  auto* it = new OdRxObjectImpl<OdDbSelectionSetIterator>;
  it->m_ids = std::move(ids);
  return OdDbSelectionSetIteratorPtr(static_cast<OdDbSelectionSetIterator*>(it));
}

OdDbSelectionSetPtr OdDbSelectionSet::createObject(const OdDbDatabase* database) {
  auto* set = new OdRxObjectImpl<OdDbSelectionSet>;
  set->m_database = const_cast<OdDbDatabase*>(database);
  return OdDbSelectionSetPtr(static_cast<OdDbSelectionSet*>(set));
}

void OdDbSelectionSet::append(OdDbObjectId id) {
  if (id.isNull() || isMember(id)) return;
  m_ids.push_back(id);
  if (m_ids.size() * 2 > m_slots.size()) {
    rebuildIndex(std::max<size_t>(64, m_slots.size() * 2));
    return;
  }
  index(id.stub());
}

void OdDbSelectionSet::remove(OdDbObjectId id) {
  if (!isMember(id)) return;
  std::erase(m_ids, id);
  rebuildIndex(m_slots.size());
}

bool OdDbSelectionSet::isMember(OdDbObjectId id) const {
  if (id.isNull() || m_slots.empty()) return false;
  return m_slots[slotOf(id.stub())] != nullptr;
}

void OdDbSelectionSet::clear() {
  m_ids.clear();
  m_slots.clear();
}

// The slot holding stub, or the empty slot where it belongs.
size_t OdDbSelectionSet::slotOf(OdDbStub* stub) const {
  // splitmix64's finaliser; records are allocated close together, so their addresses need it.
  auto x = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(stub));
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  const size_t mask = m_slots.size() - 1;
  size_t slot = static_cast<size_t>(x ^ (x >> 31)) & mask;
  while (m_slots[slot] != nullptr && m_slots[slot] != stub) slot = (slot + 1) & mask;
  return slot;
}

void OdDbSelectionSet::index(OdDbStub* stub) { m_slots[slotOf(stub)] = stub; }

void OdDbSelectionSet::rebuildIndex(size_t slots) {
  m_slots.assign(slots, nullptr);
  for (OdDbObjectId id : m_ids) index(id.stub());
}

OdDbSelectionSetIteratorPtr OdDbSelectionSet::newIterator() const {
  return OdDbSelectionSetIterator::createObject(m_ids);
}
