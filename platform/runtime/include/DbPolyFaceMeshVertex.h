// OdDbPolyFaceMeshVertex ("AcDbPolyFaceMeshVertex"): a vertex of a polyface mesh, in world
// coordinates.
#pragma once

#include "DbVertex.h"

class OdDbPolyFaceMeshVertex : public OdDbVertex {
  ODRX_DECLARE_MEMBERS(OdDbPolyFaceMeshVertex);
  ODRX_DECLARE_CREATE(OdDbPolyFaceMeshVertex);

 public:
  OdGePoint3d position() const { return m_position; }
  void setPosition(const OdGePoint3d& position);

 private:
  OdGePoint3d m_position;
};

typedef OdSmartPtr<OdDbPolyFaceMeshVertex> OdDbPolyFaceMeshVertexPtr;
