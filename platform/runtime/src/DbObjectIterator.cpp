// Iterators over the objects a container owns, by index into the container's id list.
#include "DbObjectIterator.h"

#include "DbDatabaseImpl.h"

ODRX_NO_CONS_DEFINE_MEMBERS(OdDbObjectIterator, OdRxObject, L"OdDbObjectIterator")

OdDbObjectIteratorPtr OdDbObjectIterator::createObject(OdDbObjectId container, bool atBeginning,
                                                       bool skipErased) {
  OdDbObjectIteratorPtr it(
      static_cast<OdDbObjectIterator*>(new OdRxObjectImpl<OdDbObjectIterator>));
  it->m_container = container;
  it->start(atBeginning, skipErased);
  return it;
}

const std::vector<OdDbObjectId>* OdDbObjectIterator::ids() const {
  OdDbObject* container = residentObject(m_container);
  return container ? container->ownedObjectIds() : nullptr;
}

void OdDbObjectIterator::start(bool atBeginning, bool skipErased) {
  const std::vector<OdDbObjectId>* list = ids();
  long size = list ? static_cast<long>(list->size()) : 0;
  m_index = atBeginning ? 0 : size - 1;
  if (skipErased) skipErasedFrom(atBeginning);
}

bool OdDbObjectIterator::done() const {
  const std::vector<OdDbObjectId>* list = ids();
  return !list || m_index < 0 || m_index >= static_cast<long>(list->size());
}

void OdDbObjectIterator::step(bool forward, bool skipErased) {
  if (done()) return;
  m_index += forward ? 1 : -1;
  if (skipErased) skipErasedFrom(forward);
}

// The list is looked up once: appending to the container cannot happen while this runs.
void OdDbObjectIterator::skipErasedFrom(bool forward) {
  const std::vector<OdDbObjectId>* list = ids();
  if (!list) return;
  const long size = static_cast<long>(list->size());
  while (m_index >= 0 && m_index < size && (*list)[static_cast<size_t>(m_index)].isErased()) {
    m_index += forward ? 1 : -1;
  }
}

const OdDbObjectId* OdDbObjectIterator::current() const {
  const std::vector<OdDbObjectId>* list = ids();
  if (!list || m_index < 0 || m_index >= static_cast<long>(list->size())) return nullptr;
  return &(*list)[static_cast<size_t>(m_index)];
}

OdDbObjectId OdDbObjectIterator::objectId() const {
  const OdDbObjectId* id = current();
  return id ? *id : OdDbObjectId::kNull;
}

OdDbEntityPtr OdDbObjectIterator::entity(OdDb::OpenMode mode, bool openErased) {
  const OdDbObjectId* id = current();
  if (!id) return OdDbEntityPtr();
  OdDbObjectPtr object = id->safeOpenObject(mode, openErased);
  return OdDbEntityPtr(static_cast<OdDbEntity*>(object->queryX(OdDbEntity::desc())),
                       kOdRxObjAttach);
}

bool OdDbObjectIterator::seek(OdDbObjectId id) {
  const std::vector<OdDbObjectId>* list = ids();
  if (!list) return false;
  for (size_t i = 0; i < list->size(); ++i) {
    if ((*list)[i] != id) continue;
    m_index = static_cast<long>(i);
    return true;
  }
  return false;
}
