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

void OdDbObjectIterator::skipErasedFrom(bool forward) {
  while (!done() && (*ids())[static_cast<size_t>(m_index)].isErased()) {
    m_index += forward ? 1 : -1;
  }
}

OdDbObjectId OdDbObjectIterator::objectId() const {
  return done() ? OdDbObjectId::kNull : (*ids())[static_cast<size_t>(m_index)];
}

OdDbEntityPtr OdDbObjectIterator::entity(OdDb::OpenMode mode, bool openErased) {
  if (done()) return OdDbEntityPtr();
  OdDbObjectPtr object = objectId().safeOpenObject(mode, openErased);
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
