// Database objects and entities: identity, open state, erasure and layers.
#include "DbObject.h"

#include <cassert>

#include "DbDatabaseImpl.h"
#include "DbEntity.h"
#include "DbLayerTableRecord.h"
#include "ObjectPool.h"

ODRX_NO_CONS_DEFINE_MEMBERS(OdDbObject, OdRxObject, L"AcDbObject")
ODRX_NO_CONS_DEFINE_MEMBERS(OdDbEntity, OdDbObject, L"AcDbEntity")

OdDbObject::OdDbObject() = default;

OdDbObject::~OdDbObject() = default;

void* OdDbObject::operator new(std::size_t size) { return odpool::allocate(size); }

void OdDbObject::operator delete(void* block, std::size_t size) noexcept {
  odpool::deallocate(block, size);
}

OdDbObjectId OdDbObject::objectId() const { return OdDbObjectId(m_stub); }

OdDbObjectId OdDbObject::ownerId() const { return OdDbObjectId(m_stub ? m_stub->owner : nullptr); }

OdDbDatabase* OdDbObject::database() const { return m_stub ? m_stub->database : nullptr; }

OdDbHandle OdDbObject::getDbHandle() const { return m_stub ? m_stub->handle : 0; }

bool OdDbObject::isErased() const { return m_stub && m_stub->erased; }

OdResult OdDbObject::erase(bool eraseIt) {
  if (!m_stub) return eNoDatabase;
  if (!isWriteEnabled()) return eNotOpenForWrite;
  m_stub->erased = eraseIt;
  return eOk;
}

long OdDbObject::openCount() const { return m_stub ? numRefs() - 1 : numRefs(); }

bool OdDbObject::isReadEnabled() const { return !m_stub || openCount() > 0; }

bool OdDbObject::isWriteEnabled() const {
  return !m_stub || (openCount() > 0 && m_stub->openForWrite);
}

void OdDbObject::setOpenedForWrite(bool forWrite) {
  assert(m_stub && "only an object of a database is opened");
  m_stub->openForWrite = forWrite;
}

bool OdDbObject::openedForWrite() const { return m_stub && m_stub->openForWrite; }

void OdDbObject::assertWriteEnabled() const {
  if (isWriteEnabled()) return;
  throw OdError(eNotOpenForWrite, OdString(L"Object ") + getDbHandle().ascii() + L" (" +
                                      isA()->name() + L") is not open for write");
}

void OdDbObject::appendOwnedId(OdDbObjectId id) {
  (void)id;
  throw OdError(eInvalidOwnerObject,
                OdString(L"Objects of class ") + isA()->name() + L" own no other objects");
}

OdString OdDbEntity::layer() const {
  auto* record = static_cast<OdDbLayerTableRecord*>(residentObject(m_layer));
  return record ? record->getName() : OdString(L"0");
}

OdResult OdDbEntity::setLayer(const OdString& name) {
  OdDbDatabase* db = database();
  if (!db) return eNoDatabase;
  OdDbObjectId id = db->getLayerId(name);
  if (id.isNull()) return eKeyNotFound;
  return setLayer(id);
}

OdResult OdDbEntity::setLayer(OdDbObjectId layerId) {
  OdDbObject* record = residentObject(layerId);
  if (!record || !record->isKindOf(OdDbLayerTableRecord::desc())) return eInvalidInput;
  if (database() && layerId.database() != database()) return eWrongDatabase;
  assertWriteEnabled();
  m_layer = layerId;
  return eOk;
}
