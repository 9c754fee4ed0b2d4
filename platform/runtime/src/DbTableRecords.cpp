// Block table records (with appending entities) and layer table records.
#include "DbBlockTableRecord.h"
#include "DbDatabaseImpl.h"
#include "DbLayerTableRecord.h"

ODRX_CONS_DEFINE_MEMBERS(OdDbBlockTableRecord, OdDbObject, L"AcDbBlockTableRecord", L"BLOCK_RECORD")
ODRX_CONS_DEFINE_MEMBERS(OdDbLayerTableRecord, OdDbObject, L"AcDbLayerTableRecord", L"LAYER")

namespace {

// Renames a record, keeping its database's name table in step.
void renameRecord(OdDbObject& record, bool layer, OdString& name, const OdString& newName) {
  record.assertWriteEnabled();
  OdDbDatabase* db = record.database();
  if (db && name.iCompare(newName) != 0) {
    db->impl().checkNameFree(layer, newName);
    db->impl().renameRecord(layer, name, newName);
  }
  name = newName;
}

}  // namespace

const OdString& OdDbBlockTableRecord::modelSpaceName() {
  static const OdString name(L"*Model_Space");
  return name;
}

const OdString& OdDbBlockTableRecord::paperSpaceName() {
  static const OdString name(L"*Paper_Space");
  return name;
}

void OdDbBlockTableRecord::setName(const OdString& name) {
  renameRecord(*this, false, m_name, name);
}

bool OdDbBlockTableRecord::isLayout() const {
  return m_name.iCompare(modelSpaceName()) == 0 || m_name.iCompare(paperSpaceName()) == 0;
}

OdDbObjectId OdDbBlockTableRecord::appendOdDbEntity(OdDbEntity* entity) {
  if (!entity) throw OdError(eNullEntityPointer, L"appendOdDbEntity: no entity given");
  OdDbDatabase* db = database();
  if (!db) {
    throw OdError(eNoDatabase,
                  OdString(L"appendOdDbEntity: block \"") + m_name + L"\" is not in a database");
  }
  assertWriteEnabled();
  if (entity->stub()) {
    throw OdError(eAlreadyInDb, OdString(L"appendOdDbEntity: entity ") +
                                    entity->getDbHandle().ascii() + L" is already in a database");
  }
  if (entity->layerId().isNull()) entity->setLayer(db->impl().layerZero());
  OdDbObjectId id = db->impl().addObject(entity, OdDbHandle(), stub());
  entity->setOpenedForWrite(true);
  m_entities.push_back(id);
  db->impl().noteAppended(id);
  return id;
}

OdDbObjectIteratorPtr OdDbBlockTableRecord::newIterator(bool atBeginning, bool skipErased) const {
  return OdDbObjectIterator::createObject(objectId(), atBeginning, skipErased);
}

void OdDbLayerTableRecord::setName(const OdString& name) {
  renameRecord(*this, true, m_name, name);
}
