// OdDbEntity: the base of drawable objects; each has a layer (a reference to a layer table record
// of its database).
#pragma once

#include "DbObject.h"

class OdDbEntity : public OdDbObject {
  ODRX_DECLARE_MEMBERS(OdDbEntity);

 public:
  // The layer's name; "0" for an entity that has no layer yet.
  OdString layer() const;
  OdDbObjectId layerId() const { return m_layer; }
  // By name: the layer must exist in the entity's database (eKeyNotFound otherwise, eNoDatabase
  // for an entity not in a database).
  OdResult setLayer(const OdString& name);
  OdResult setLayer(OdDbObjectId layerId);

 private:
  OdDbObjectId m_layer;
};

typedef OdSmartPtr<OdDbEntity> OdDbEntityPtr;
