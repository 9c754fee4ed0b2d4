// OdDb3dPolylineVertex ("AcDb3dPolylineVertex"): a vertex of a 3D polyline, in world coordinates.
#pragma once

#include "DbVertex.h"

class OdDb3dPolylineVertex : public OdDbVertex {
  ODRX_DECLARE_MEMBERS(OdDb3dPolylineVertex);
  ODRX_DECLARE_CREATE(OdDb3dPolylineVertex);

 public:
  OdGePoint3d position() const { return m_position; }
  void setPosition(const OdGePoint3d& position);

 private:
  OdGePoint3d m_position;
};

typedef OdSmartPtr<OdDb3dPolylineVertex> OdDb3dPolylineVertexPtr;
