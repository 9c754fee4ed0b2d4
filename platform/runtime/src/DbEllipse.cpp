// Ellipses and elliptical arcs.
#include "DbEllipse.h"

#include <cmath>

#include "CurveGeometry.h"

using curve_geometry::kTwoPi;

ODRX_CONS_DEFINE_MEMBERS(OdDbEllipse, OdDbCurve, L"AcDbEllipse", L"ELLIPSE")

namespace {

// Maps a value v to base(v mod 2pi) + whole turns of v, keeping 2pi itself as a whole turn so that
// the end of a whole ellipse stays 2pi.
template <class Map>
double mapWithinTurns(double v, Map map) {
  double turns = std::floor(v / kTwoPi);
  double rest = v - turns * kTwoPi;
  return map(rest) + turns * kTwoPi;
}

double positiveAtan2(double y, double x) {
  double a = std::atan2(y, x);
  return a < 0.0 ? a + kTwoPi : a;
}

}  // namespace

OdGeVector3d OdDbEllipse::minorAxis() const {
  OdGeVector3d n = m_normal;
  if (std::fabs(n.length() - 1.0) > 1e-12) n = n.normal();
  return n.crossProduct(m_majorAxis) * m_radiusRatio;
}

double OdDbEllipse::paramAtAngle(double angle) const {
  double ratio = m_radiusRatio;
  return mapWithinTurns(
      angle, [ratio](double a) { return positiveAtan2(std::sin(a), ratio * std::cos(a)); });
}

double OdDbEllipse::angleAtParam(double param) const {
  double ratio = m_radiusRatio;
  return mapWithinTurns(
      param, [ratio](double p) { return positiveAtan2(ratio * std::sin(p), std::cos(p)); });
}

double OdDbEllipse::startAngle() const { return angleAtParam(m_startParam); }

double OdDbEllipse::endAngle() const { return angleAtParam(m_endParam); }

OdResult OdDbEllipse::set(const OdGePoint3d& center, const OdGeVector3d& unitNormal,
                          const OdGeVector3d& majorAxis, double radiusRatio, double startAngle,
                          double endAngle) {
  if (radiusRatio <= 0.0 || radiusRatio > 1.0 || majorAxis.isZeroLength() ||
      unitNormal.isZeroLength()) {
    return eInvalidInput;
  }
  assertWriteEnabled();
  m_center = center;
  m_normal = unitNormal;
  m_majorAxis = majorAxis;
  m_radiusRatio = radiusRatio;
  m_startParam = paramAtAngle(startAngle);
  m_endParam = paramAtAngle(endAngle);
  return eOk;
}

void OdDbEllipse::setCenter(const OdGePoint3d& center) {
  assertWriteEnabled();
  m_center = center;
}

void OdDbEllipse::setNormal(const OdGeVector3d& normal) {
  assertWriteEnabled();
  m_normal = normal;
}

void OdDbEllipse::setMajorAxis(const OdGeVector3d& majorAxis) {
  assertWriteEnabled();
  m_majorAxis = majorAxis;
}

void OdDbEllipse::setRadiusRatio(double ratio) {
  assertWriteEnabled();
  m_radiusRatio = ratio;
}

void OdDbEllipse::setStartParam(double param) {
  assertWriteEnabled();
  m_startParam = param;
}

void OdDbEllipse::setEndParam(double param) {
  assertWriteEnabled();
  m_endParam = param;
}

void OdDbEllipse::setStartAngle(double angle) { setStartParam(paramAtAngle(angle)); }

void OdDbEllipse::setEndAngle(double angle) { setEndParam(paramAtAngle(angle)); }

bool OdDbEllipse::isClosed() const {
  double end = 0.0;
  getEndParam(end);
  return std::fabs(end - m_startParam - kTwoPi) <= 1e-10;
}

OdResult OdDbEllipse::getStartParam(double& param) const {
  param = m_startParam;
  return eOk;
}

OdResult OdDbEllipse::getEndParam(double& param) const {
  param = m_endParam < m_startParam ? m_endParam + kTwoPi : m_endParam;
  return eOk;
}

OdResult OdDbEllipse::getPointAtParam(double param, OdGePoint3d& point) const {
  double end = 0.0;
  getEndParam(end);
  if (!curve_geometry::paramInRange(param, m_startParam, end)) return eInvalidInput;
  point = m_center + m_majorAxis * std::cos(param) + minorAxis() * std::sin(param);
  return eOk;
}
