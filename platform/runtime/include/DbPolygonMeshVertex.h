// OdDbPolygonMeshVertex ("AcDbPolygonMeshVertex"): a vertex of a polygon mesh, in world
// coordinates.
#pragma once

#include "DbVertex.h"

class OdDbPolygonMeshVertex : public OdDbVertex {
  ODRX_DECLARE_MEMBERS(OdDbPolygonMeshVertex);
  ODRX_DECLARE_CREATE(OdDbPolygonMeshVertex);

 public:
  OdGePoint3d position() const { return m_position; }
  void setPosition(const OdGePoint3d& position);

 private:
  OdGePoint3d m_position;
};

typedef OdSmartPtr<OdDbPolygonMeshVertex> OdDbPolygonMeshVertexPtr;
