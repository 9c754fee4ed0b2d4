// OdDbArc ("AcDbArc"): a circular arc. Centre in world coordinates; start and end angles in
// radians, measured counter-clockwise about the normal from the arbitrary-axis x direction, stored
// as given. The parameter is the angle: getStartParam is the start angle, getEndParam the end
// angle, plus 2pi when the end angle is smaller than the start angle. Closed only when the
// parameter span is a whole turn.
#pragma once

#include "DbCurve.h"

class OdDbArc : public OdDbCurve {
  ODRX_DECLARE_MEMBERS(OdDbArc);
  ODRX_DECLARE_CREATE(OdDbArc);

 public:
  OdGePoint3d center() const { return m_center; }
  double radius() const { return m_radius; }
  OdGeVector3d normal() const { return m_normal; }
  double startAngle() const { return m_startAngle; }
  double endAngle() const { return m_endAngle; }
  void setCenter(const OdGePoint3d& center);
  void setRadius(double radius);
  void setNormal(const OdGeVector3d& normal);
  void setStartAngle(double angle);
  void setEndAngle(double angle);

  bool isClosed() const override;
  OdResult getStartParam(double& param) const override;
  OdResult getEndParam(double& param) const override;
  OdResult getPointAtParam(double param, OdGePoint3d& point) const override;

 private:
  OdGePoint3d m_center;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
  double m_radius = 0.0;
  double m_startAngle = 0.0;
  double m_endAngle = 0.0;
};

typedef OdSmartPtr<OdDbArc> OdDbArcPtr;
