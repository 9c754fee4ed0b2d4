// OdDbGenericEntity: an entity of a kind the runtime has no class of its own for (MTEXT, INSERT,
// HATCH, ...). Each DXF kind gets a runtime class derived from OdDbEntity and named as the host
// names it (MTEXT "AcDbMText", INSERT "AcDbBlockReference", ...), so isA()->name() tells what it is
// and queryX(OdDbEntity::desc()) works, but it is none of the named entity classes. It keeps its
// DXF type name and nothing else; a reader that needs the rest keeps it in its own source data.
#pragma once

#include "DbEntity.h"

class OdDbGenericEntity : public OdDbEntity {
 public:
  // The common parent of all generic classes; abstract.
  static OdRxClass* desc();
  static OdSmartPtr<OdDbGenericEntity> cast(const OdRxObject* object);
  // A new entity of DXF kind dxfName, with the class name odDbClassNameForDxf(dxfName) or, when
  // className is not empty, className (e.g. from a DXF CLASSES section).
  static OdSmartPtr<OdDbGenericEntity> createObject(const OdString& dxfName,
                                                    const OdString& className = OdString::kEmpty);
  const OdString& dxfName() const { return *m_dxfName; }
  OdRxClass* isA() const override { return m_class; }

 protected:
  OdDbGenericEntity(OdRxClass* cls, const OdString* dxfName);

 private:
  OdRxClass* m_class;
  const OdString* m_dxfName;  // interned, lives as long as the process
};

typedef OdSmartPtr<OdDbGenericEntity> OdDbGenericEntityPtr;

// The host's class name of a DXF entity kind ("MTEXT" -> "AcDbMText"); "AcDbProxyEntity" for
// kinds the table does not list.
OdString odDbClassNameForDxf(const OdString& dxfName);
// The runtime class of generic entities of that name, created on first use; its parent is
// OdDbGenericEntity (so OdDbEntity). An existing class of that name that is not generic is an
// error: OdError(eDuplicateKey).
OdRxClass* odrxGetOrCreateGenericClass(const OdString& className);
