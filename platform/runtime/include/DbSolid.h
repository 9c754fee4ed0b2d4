// OdDbSolid ("AcDbSolid", DXF SOLID): a filled 2D quadrilateral. The corners are kept in world
// coordinates (DXF stores them in object coordinates; the reader converts) in DXF order, which
// fills the quad 0-1-3-2 (the third and fourth corners are crossed). normal() is the extrusion.
#pragma once

#include "DbEntity.h"
#include "Ge/GePoint3d.h"

class OdDbSolid : public OdDbEntity {
  ODRX_DECLARE_MEMBERS(OdDbSolid);
  ODRX_DECLARE_CREATE(OdDbSolid);

 public:
  // Index 0..3; another index returns eInvalidIndex and leaves point unchanged.
  OdResult getPointAt(int index, OdGePoint3d& point) const;
  OdResult setPointAt(int index, const OdGePoint3d& point);
  OdGeVector3d normal() const { return m_normal; }
  void setNormal(const OdGeVector3d& normal);

 private:
  OdGePoint3d m_corners[4];
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
};

typedef OdSmartPtr<OdDbSolid> OdDbSolidPtr;
