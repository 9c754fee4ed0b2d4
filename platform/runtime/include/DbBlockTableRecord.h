// OdDbBlockTableRecord ("AcDbBlockTableRecord"): a block definition (a named container of
// entities). Model space ("*Model_Space") and paper space ("*Paper_Space") are block table records
// too. Entities are kept in drawing order.
#pragma once

#include "DbEntity.h"
#include "DbObjectIterator.h"

class OdDbBlockTableRecord : public OdDbObject {
  ODRX_DECLARE_MEMBERS(OdDbBlockTableRecord);
  ODRX_DECLARE_CREATE(OdDbBlockTableRecord);

 public:
  static const OdString& modelSpaceName();  // "*Model_Space"
  static const OdString& paperSpaceName();  // "*Paper_Space"

  OdString getName() const { return m_name; }
  // Renaming a resident record keeps the database's name index in step; a name already used by
  // another record of the database throws OdError(eDuplicateKey).
  void setName(const OdString& name);
  bool isLayout() const;  // model or paper space

  // Adds entity to this record's database with a fresh handle (greater than every handle in use;
  // the handle seed grows), owned by this record, at the end of the drawing order, and returns its
  // id; the entity then counts as open for write through the caller's reference. Throws
  // OdError(eNullEntityPointer) for a null entity, eNotOpenForWrite when this record is resident
  // but not open for write, eNoDatabase when it is not resident, eAlreadyInDb for an entity
  // already in a database. Never returns kNull.
  OdDbObjectId appendOdDbEntity(OdDbEntity* entity);
  // Walks the entities in drawing order.
  OdDbObjectIteratorPtr newIterator(bool atBeginning = true, bool skipErased = true) const;
  // Number of entities, erased ones included.
  size_t entityCount() const { return m_entities.size(); }

  const std::vector<OdDbObjectId>* ownedObjectIds() const override { return &m_entities; }
  void appendOwnedId(OdDbObjectId id) override { m_entities.push_back(id); }

 private:
  OdString m_name;
  std::vector<OdDbObjectId> m_entities;
};

typedef OdSmartPtr<OdDbBlockTableRecord> OdDbBlockTableRecordPtr;
