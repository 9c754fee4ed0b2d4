// Selection sets and their iterators.
#include "DbSSet.h"

#include <algorithm>
#include <cassert>
#include <cstdint>

#include "DbDatabaseImpl.h"

ODRX_NO_CONS_DEFINE_MEMBERS(OdDbSelectionSetIterator, OdRxObject, L"OdDbSelectionSetIterator")
ODRX_NO_CONS_DEFINE_MEMBERS(OdDbSelectionSet, OdRxObject, L"OdDbSelectionSet")

OdDbSelectionSetIteratorPtr OdDbSelectionSetIterator::createObject(std::vector<OdDbObjectId> ids) {
  return createObject(std::make_shared<const std::vector<OdDbObjectId>>(std::move(ids)));
}

OdDbSelectionSetIteratorPtr OdDbSelectionSetIterator::createObject(
    std::shared_ptr<const std::vector<OdDbObjectId>> ids) {
  assert(ids && "an iterator needs a list, if an empty one");
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
  writableIds().push_back(id);
  index(id.stub());
}

void OdDbSelectionSet::remove(OdDbObjectId id) {
  if (!isMember(id)) return;
  std::erase(writableIds(), id);
  rebuildIndex();
}

bool OdDbSelectionSet::isMember(OdDbObjectId id) const {
  OdDbStub* stub = id.stub();
  if (stub == nullptr) return false;
  if (stub->database == m_database && stub->handle / 64 < m_bits.size())
    return (m_bits[stub->handle / 64] >> (stub->handle % 64)) & 1;
  return !m_slots.empty() && m_slots[slotOf(stub)] != nullptr;
}

void OdDbSelectionSet::clear() {
  writableIds().clear();
  m_bits.clear();
  m_slots.clear();
  m_hashed = 0;
}

void OdDbSelectionSet::index(OdDbStub* stub) {
  if (m_database != nullptr && stub->database == m_database && coverBits(stub->handle)) {
    m_bits[stub->handle / 64] |= OdUInt64(1) << (stub->handle % 64);
    return;
  }
  insertHashed(stub);
}

// Grows the bit array to take handle while it stays within two words a member; hashed members
// that it then covers move into it, so that each member is in one place.
bool OdDbSelectionSet::coverBits(OdUInt64 handle) {
  const OdUInt64 word = handle / 64;
  if (word < m_bits.size()) return true;
  const size_t limit = 2 * m_ids->size() + 1024;
  if (word >= limit) return false;
  m_bits.resize(std::min<size_t>(limit, std::max<size_t>(word + 1, 2 * m_bits.size())), 0);
  if (m_hashed > 0) rebuildIndex();
  return true;
}

void OdDbSelectionSet::insertHashed(OdDbStub* stub) {
  if ((m_hashed + 1) * 2 > m_slots.size()) {
    std::vector<OdDbStub*> old(std::max<size_t>(64, m_slots.size() * 2), nullptr);
    old.swap(m_slots);
    for (OdDbStub* s : old) {
      if (s != nullptr) m_slots[slotOf(s)] = s;
    }
  }
  m_slots[slotOf(stub)] = stub;
  ++m_hashed;
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

// Indexes every member anew; the bit array keeps its size.
void OdDbSelectionSet::rebuildIndex() {
  std::fill(m_bits.begin(), m_bits.end(), 0);
  m_slots.clear();
  m_hashed = 0;
  for (OdDbObjectId id : *m_ids) {
    OdDbStub* stub = id.stub();
    if (m_database != nullptr && stub->database == m_database &&
        stub->handle / 64 < m_bits.size()) {
      m_bits[stub->handle / 64] |= OdUInt64(1) << (stub->handle % 64);
    } else {
      insertHashed(stub);
    }
  }
}

std::vector<OdDbObjectId>& OdDbSelectionSet::writableIds() {
  if (m_ids.use_count() > 1) m_ids = std::make_shared<std::vector<OdDbObjectId>>(*m_ids);
  return *m_ids;
}

OdDbSelectionSetIteratorPtr OdDbSelectionSet::newIterator() const {
  return OdDbSelectionSetIterator::createObject(
      std::shared_ptr<const std::vector<OdDbObjectId>>(m_ids));
}
