// Lightweight polylines: 2D vertices in the object coordinate plane, with bulges and widths.
#include "DbPolyline.h"

#include "CurveGeometry.h"

ODRX_CONS_DEFINE_MEMBERS(OdDbPolyline, OdDbCurve, L"AcDbPolyline", L"LWPOLYLINE")

unsigned int OdDbPolyline::checkIndex(unsigned int index) const {
  if (index >= numVerts()) throw OdError_InvalidIndex(static_cast<long>(index), numVerts());
  return index;
}

void OdDbPolyline::checkInsertIndex(unsigned int index) const {
  if (index > numVerts()) throw OdError_InvalidIndex(static_cast<long>(index), numVerts());
}

void OdDbPolyline::getPointAt(unsigned int index, OdGePoint3d& point) const {
  const OdGePoint2d& p = m_points[checkIndex(index)];
  point = OdGeMatrix3d::planeToWorld(m_normal) * OdGePoint3d(p.x, p.y, m_elevation);
}

void OdDbPolyline::getPointAt(unsigned int index, OdGePoint2d& point) const {
  point = m_points[checkIndex(index)];
}

double OdDbPolyline::getBulgeAt(unsigned int index) const {
  checkIndex(index);
  return m_bulges.empty() ? 0.0 : m_bulges[index];
}

void OdDbPolyline::getWidthsAt(unsigned int index, double& startWidth, double& endWidth) const {
  checkIndex(index);
  Widths w = m_widths.empty() ? Widths{0.0, 0.0} : m_widths[index];
  startWidth = w.start < 0.0 ? 0.0 : w.start;
  endWidth = w.end < 0.0 ? 0.0 : w.end;
}

void OdDbPolyline::addVertexAt(unsigned int index, const OdGePoint2d& point, double bulge,
                               double startWidth, double endWidth) {
  checkInsertIndex(index);
  assertWriteEnabled();
  // Bulges and widths are kept only once some vertex has one; decide before inserting, since the
  // lists of a polyline without vertices are empty either way.
  const bool bulges = bulge != 0.0 || !m_bulges.empty();
  const bool widths = startWidth >= 0.0 || endWidth >= 0.0 || !m_widths.empty();
  if (bulges && m_bulges.empty()) m_bulges.assign(m_points.size(), 0.0);
  if (widths && m_widths.empty()) m_widths.assign(m_points.size(), Widths{-1.0, -1.0});
  m_points.insert(m_points.begin() + index, point);
  if (bulges) m_bulges.insert(m_bulges.begin() + index, bulge);
  if (widths) m_widths.insert(m_widths.begin() + index, Widths{startWidth, endWidth});
}

void OdDbPolyline::setPointAt(unsigned int index, const OdGePoint2d& point) {
  checkIndex(index);
  assertWriteEnabled();
  m_points[index] = point;
}

void OdDbPolyline::setBulgeAt(unsigned int index, double bulge) {
  checkIndex(index);
  assertWriteEnabled();
  if (m_bulges.empty()) {
    if (bulge == 0.0) return;
    m_bulges.assign(m_points.size(), 0.0);
  }
  m_bulges[index] = bulge;
}

void OdDbPolyline::setWidthsAt(unsigned int index, double startWidth, double endWidth) {
  checkIndex(index);
  assertWriteEnabled();
  if (m_widths.empty()) m_widths.assign(m_points.size(), Widths{-1.0, -1.0});
  m_widths[index] = Widths{startWidth, endWidth};
}

void OdDbPolyline::removeVertexAt(unsigned int index) {
  checkIndex(index);
  assertWriteEnabled();
  m_points.erase(m_points.begin() + index);
  if (!m_bulges.empty()) m_bulges.erase(m_bulges.begin() + index);
  if (!m_widths.empty()) m_widths.erase(m_widths.begin() + index);
}

void OdDbPolyline::setElevation(double elevation) {
  assertWriteEnabled();
  m_elevation = elevation;
}

void OdDbPolyline::setNormal(const OdGeVector3d& normal) {
  assertWriteEnabled();
  m_normal = normal;
}

void OdDbPolyline::setClosed(bool closed) {
  assertWriteEnabled();
  m_closed = closed;
}

OdResult OdDbPolyline::getStartParam(double& param) const {
  if (m_points.empty()) return eInvalidInput;
  param = 0.0;
  return eOk;
}

OdResult OdDbPolyline::getEndParam(double& param) const {
  if (m_points.empty()) return eInvalidInput;
  param = m_closed ? numVerts() : numVerts() - 1.0;
  return eOk;
}

OdResult OdDbPolyline::getPointAtParam(double param, OdGePoint3d& point) const {
  if (m_points.size() == 1 && param == 0.0) {
    getPointAt(0, point);
    return eOk;
  }
  unsigned segments = m_closed ? numVerts() : numVerts() - 1;
  unsigned index = 0;
  double fraction = 0.0;
  if (m_points.empty() || !curve_geometry::splitSegmentParam(param, segments, index, fraction)) {
    return eInvalidInput;
  }
  const OdGePoint2d& p0 = m_points[index];
  const OdGePoint2d& p1 = m_points[(index + 1) % numVerts()];
  OdGePoint2d p = curve_geometry::pointOnBulgeSegment(p0, p1, getBulgeAt(index), fraction);
  point = OdGeMatrix3d::planeToWorld(m_normal) * OdGePoint3d(p.x, p.y, m_elevation);
  return eOk;
}
