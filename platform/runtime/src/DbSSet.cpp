// Selection sets and their iterators.
#include "DbSSet.h"

#include <algorithm>

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
}

void OdDbSelectionSet::remove(OdDbObjectId id) { std::erase(m_ids, id); }

bool OdDbSelectionSet::isMember(OdDbObjectId id) const {
  return std::find(m_ids.begin(), m_ids.end(), id) != m_ids.end();
}

OdDbSelectionSetIteratorPtr OdDbSelectionSet::newIterator() const {
  return OdDbSelectionSetIterator::createObject(m_ids);
}
