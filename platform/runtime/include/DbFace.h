// OdDbFace ("AcDbFace", DXF 3DFACE): four corners in world coordinates (a triangle repeats its
// third corner as the fourth).
#pragma once

#include "DbEntity.h"
#include "Ge/GePoint3d.h"

class OdDbFace : public OdDbEntity {
  ODRX_DECLARE_MEMBERS(OdDbFace);
  ODRX_DECLARE_CREATE(OdDbFace);

 public:
  // Index 0..3; another index returns eInvalidIndex and leaves point unchanged.
  OdResult getVertexAt(OdUInt16 index, OdGePoint3d& point) const;
  OdResult setVertexAt(OdUInt16 index, const OdGePoint3d& point);
  bool isEdgeVisibleAt(OdUInt16 index) const;
  void makeEdgeInvisibleAt(OdUInt16 index);
  void makeEdgeVisibleAt(OdUInt16 index);

 private:
  OdGePoint3d m_corners[4];
  OdUInt8 m_invisibleEdges = 0;  // DXF code 70, bit i for edge i
};

typedef OdSmartPtr<OdDbFace> OdDbFacePtr;
