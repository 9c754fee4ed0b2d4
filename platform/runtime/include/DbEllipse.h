// OdDbEllipse ("AcDbEllipse"): an ellipse or elliptical arc in world coordinates: centre, unit
// normal, major axis (a vector from the centre to the end of the major axis) and radius ratio
// (minor / major length). The ellipse parameter p gives centre + cos(p) * majorAxis +
// sin(p) * minorAxis, minorAxis = normal x majorAxis scaled by the ratio. DXF stores start and end
// parameters (codes 41, 42); set() takes angles (measured from the major axis), as on the host.
// getEndParam is greater than getStartParam: 2pi is added when the stored end parameter is smaller.
#pragma once

#include "DbCurve.h"

class OdDbEllipse : public OdDbCurve {
  ODRX_DECLARE_MEMBERS(OdDbEllipse);
  ODRX_DECLARE_CREATE(OdDbEllipse);

 public:
  OdGePoint3d center() const { return m_center; }
  OdGeVector3d normal() const { return m_normal; }
  OdGeVector3d majorAxis() const { return m_majorAxis; }
  OdGeVector3d minorAxis() const;
  double radiusRatio() const { return m_radiusRatio; }
  double startParam() const { return m_startParam; }
  double endParam() const { return m_endParam; }
  double startAngle() const;
  double endAngle() const;

  // Angles in radians from the major axis; 0 and 2pi give the whole ellipse.
  OdResult set(const OdGePoint3d& center, const OdGeVector3d& unitNormal,
               const OdGeVector3d& majorAxis, double radiusRatio, double startAngle = 0.0,
               double endAngle = 6.283185307179586);
  void setCenter(const OdGePoint3d& center);
  void setNormal(const OdGeVector3d& normal);
  void setMajorAxis(const OdGeVector3d& majorAxis);
  void setRadiusRatio(double ratio);
  void setStartParam(double param);
  void setEndParam(double param);
  void setStartAngle(double angle);
  void setEndAngle(double angle);
  double paramAtAngle(double angle) const;
  double angleAtParam(double param) const;

  bool isClosed() const override;
  OdResult getStartParam(double& param) const override;
  OdResult getEndParam(double& param) const override;
  OdResult getPointAtParam(double param, OdGePoint3d& point) const override;

 private:
  OdGePoint3d m_center;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
  OdGeVector3d m_majorAxis = OdGeVector3d::kXAxis;
  double m_radiusRatio = 1.0;
  double m_startParam = 0.0;
  double m_endParam = 6.283185307179586;
};

typedef OdSmartPtr<OdDbEllipse> OdDbEllipsePtr;
