// OdDbCircle ("AcDbCircle"): centre (world), radius and normal. Parameter t in 0..2pi is the
// angle in the circle's plane from the arbitrary-axis x direction of the normal; the circle is
// closed, start and end point lie at parameter 0.
#pragma once

#include "DbCurve.h"

class OdDbCircle : public OdDbCurve {
  ODRX_DECLARE_MEMBERS(OdDbCircle);
  ODRX_DECLARE_CREATE(OdDbCircle);

 public:
  OdGePoint3d center() const { return m_center; }
  double radius() const { return m_radius; }
  OdGeVector3d normal() const { return m_normal; }
  void setCenter(const OdGePoint3d& center);
  void setRadius(double radius);
  void setNormal(const OdGeVector3d& normal);  // stored as given; a zero vector means world z

  bool isClosed() const override { return true; }
  OdResult getStartParam(double& param) const override;
  OdResult getEndParam(double& param) const override;
  OdResult getPointAtParam(double param, OdGePoint3d& point) const override;

 private:
  OdGePoint3d m_center;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
  double m_radius = 0.0;
};

typedef OdSmartPtr<OdDbCircle> OdDbCirclePtr;
