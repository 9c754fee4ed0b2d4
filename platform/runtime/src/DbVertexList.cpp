// The vertex lists of polylines and meshes.
#include "DbVertexList.h"

#include "DbDatabaseImpl.h"

OdDbObjectId OdDbVertexList::append(OdDbObject& owner, OdDbObject* vertex, size_t position) {
  if (!vertex) throw OdError(eNullObjectPointer, L"appendVertex: no vertex given");
  if (vertex->stub())
    throw OdError(eAlreadyInDb, L"appendVertex: the vertex is already in a database");
  OdDbDatabase* db = owner.database();
  if (!db) {
    throw OdError(eNoDatabase, OdString(L"appendVertex: the ") + owner.isA()->name() +
                                   L" must be in a database first");
  }
  owner.assertWriteEnabled();
  OdDbObjectId id = db->impl().addObject(vertex, OdDbHandle(), owner.stub());
  vertex->setOpenedForWrite(true);
  if (position > m_ids.size()) position = m_ids.size();
  m_ids.insert(m_ids.begin() + static_cast<long>(position), id);
  return id;
}

OdDbObjectIteratorPtr OdDbVertexList::iterator(const OdDbObject& owner) const {
  return OdDbObjectIterator::createObject(owner.objectId());
}

size_t OdDbVertexList::countLive(const OdRxClass* cls) const {
  size_t count = 0;
  for (OdDbObjectId id : m_ids) {
    OdDbObject* object = residentObject(id);
    if (object && !id.isErased() && (!cls || object->isKindOf(cls))) ++count;
  }
  return count;
}
