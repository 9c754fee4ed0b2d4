// Points, lines, circles, arcs and the curve base's default start/end point queries.
#include <cmath>

#include "CurveGeometry.h"
#include "DbArc.h"
#include "DbCircle.h"
#include "DbLine.h"
#include "DbPoint.h"

using curve_geometry::kTwoPi;
using curve_geometry::paramInRange;
using curve_geometry::pointOnCircle;

ODRX_NO_CONS_DEFINE_MEMBERS(OdDbCurve, OdDbEntity, L"AcDbCurve")
ODRX_CONS_DEFINE_MEMBERS(OdDbPoint, OdDbEntity, L"AcDbPoint", L"POINT")
ODRX_CONS_DEFINE_MEMBERS(OdDbLine, OdDbCurve, L"AcDbLine", L"LINE")
ODRX_CONS_DEFINE_MEMBERS(OdDbCircle, OdDbCurve, L"AcDbCircle", L"CIRCLE")
ODRX_CONS_DEFINE_MEMBERS(OdDbArc, OdDbCurve, L"AcDbArc", L"ARC")

OdResult OdDbCurve::getStartPoint(OdGePoint3d& point) const {
  double param = 0.0;
  OdResult status = getStartParam(param);
  return status == eOk ? getPointAtParam(param, point) : status;
}

OdResult OdDbCurve::getEndPoint(OdGePoint3d& point) const {
  double param = 0.0;
  OdResult status = getEndParam(param);
  return status == eOk ? getPointAtParam(param, point) : status;
}

void OdDbPoint::setPosition(const OdGePoint3d& position) {
  assertWriteEnabled();
  m_position = position;
}

void OdDbLine::setStartPoint(const OdGePoint3d& point) {
  assertWriteEnabled();
  m_start = point;
}

void OdDbLine::setEndPoint(const OdGePoint3d& point) {
  assertWriteEnabled();
  m_end = point;
}

OdResult OdDbLine::getStartParam(double& param) const {
  param = 0.0;
  return eOk;
}

OdResult OdDbLine::getEndParam(double& param) const {
  param = m_start.distanceTo(m_end);
  return eOk;
}

OdResult OdDbLine::getStartPoint(OdGePoint3d& point) const {
  point = m_start;
  return eOk;
}

OdResult OdDbLine::getEndPoint(OdGePoint3d& point) const {
  point = m_end;
  return eOk;
}

OdResult OdDbLine::getPointAtParam(double param, OdGePoint3d& point) const {
  double length = m_start.distanceTo(m_end);
  if (!paramInRange(param, 0.0, length)) return eInvalidInput;
  if (length == 0.0) {
    point = m_start;
    return eOk;
  }
  point = m_start + (m_end - m_start) * (param / length);
  return eOk;
}

void OdDbCircle::setCenter(const OdGePoint3d& center) {
  assertWriteEnabled();
  m_center = center;
}

void OdDbCircle::setRadius(double radius) {
  assertWriteEnabled();
  m_radius = radius;
}

void OdDbCircle::setNormal(const OdGeVector3d& normal) {
  assertWriteEnabled();
  m_normal = normal;
}

OdResult OdDbCircle::getStartParam(double& param) const {
  param = 0.0;
  return eOk;
}

OdResult OdDbCircle::getEndParam(double& param) const {
  param = kTwoPi;
  return eOk;
}

OdResult OdDbCircle::getPointAtParam(double param, OdGePoint3d& point) const {
  if (!paramInRange(param, 0.0, kTwoPi)) return eInvalidInput;
  point = pointOnCircle(m_center, m_normal, m_radius, param);
  return eOk;
}

void OdDbArc::setCenter(const OdGePoint3d& center) {
  assertWriteEnabled();
  m_center = center;
}

void OdDbArc::setRadius(double radius) {
  assertWriteEnabled();
  m_radius = radius;
}

void OdDbArc::setNormal(const OdGeVector3d& normal) {
  assertWriteEnabled();
  m_normal = normal;
}

void OdDbArc::setStartAngle(double angle) {
  assertWriteEnabled();
  m_startAngle = angle;
}

void OdDbArc::setEndAngle(double angle) {
  assertWriteEnabled();
  m_endAngle = angle;
}

bool OdDbArc::isClosed() const {
  double end = 0.0;
  getEndParam(end);
  return std::fabs(end - m_startAngle - kTwoPi) <= 1e-10;
}

OdResult OdDbArc::getStartParam(double& param) const {
  param = m_startAngle;
  return eOk;
}

OdResult OdDbArc::getEndParam(double& param) const {
  param = m_endAngle < m_startAngle ? m_endAngle + kTwoPi : m_endAngle;
  return eOk;
}

OdResult OdDbArc::getPointAtParam(double param, OdGePoint3d& point) const {
  double end = 0.0;
  getEndParam(end);
  if (!paramInRange(param, m_startAngle, end)) return eInvalidInput;
  point = pointOnCircle(m_center, m_normal, m_radius, param);
  return eOk;
}
