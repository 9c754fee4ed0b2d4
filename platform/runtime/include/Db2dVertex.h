// OdDb2dVertex ("AcDb2dVertex"): a vertex of a 2D polyline. Its position is the stored point in
// the polyline's object coordinate system; its z is not used (the polyline's elevation is).
#pragma once

#include "DbVertex.h"

class OdDb2dVertex : public OdDbVertex {
  ODRX_DECLARE_MEMBERS(OdDb2dVertex);
  ODRX_DECLARE_CREATE(OdDb2dVertex);

 public:
  OdGePoint3d position() const { return m_position; }
  double bulge() const { return m_bulge; }
  void setPosition(const OdGePoint3d& position);
  void setBulge(double bulge);

 private:
  OdGePoint3d m_position;
  double m_bulge = 0.0;
};

typedef OdSmartPtr<OdDb2dVertex> OdDb2dVertexPtr;
