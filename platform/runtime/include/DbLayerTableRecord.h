// OdDbLayerTableRecord ("AcDbLayerTableRecord"): a layer. Entities refer to their layer by id, so
// a layer's name is stored once.
#pragma once

#include "DbObject.h"

class OdDbLayerTableRecord : public OdDbObject {
  ODRX_DECLARE_MEMBERS(OdDbLayerTableRecord);
  ODRX_DECLARE_CREATE(OdDbLayerTableRecord);

 public:
  OdString getName() const { return m_name; }
  // As OdDbBlockTableRecord::setName: duplicate names in one database throw eDuplicateKey.
  void setName(const OdString& name);

 private:
  OdString m_name;
};

typedef OdSmartPtr<OdDbLayerTableRecord> OdDbLayerTableRecordPtr;
