// 2D and 3D polylines with their vertex objects.
#include "CurveGeometry.h"
#include "Db2dPolyline.h"
#include "Db3dPolyline.h"
#include "DbDatabaseImpl.h"

ODRX_NO_CONS_DEFINE_MEMBERS(OdDbVertex, OdDbEntity, L"AcDbVertex")
ODRX_CONS_DEFINE_MEMBERS(OdDb2dVertex, OdDbVertex, L"AcDb2dVertex", L"VERTEX")
ODRX_CONS_DEFINE_MEMBERS(OdDb3dPolylineVertex, OdDbVertex, L"AcDb3dPolylineVertex", L"VERTEX")
ODRX_CONS_DEFINE_MEMBERS(OdDb2dPolyline, OdDbCurve, L"AcDb2dPolyline", L"POLYLINE")
ODRX_CONS_DEFINE_MEMBERS(OdDb3dPolyline, OdDbCurve, L"AcDb3dPolyline", L"POLYLINE")

namespace {

// The live vertices of a polyline, read without opening them.
template <class Vertex>
std::vector<const Vertex*> liveVertices(const std::vector<OdDbObjectId>& ids) {
  std::vector<const Vertex*> vertices;
  for (OdDbObjectId id : ids) {
    OdDbObject* object = residentObject(id);
    if (object && !id.isErased() && object->isKindOf(Vertex::desc())) {
      vertices.push_back(static_cast<const Vertex*>(object));
    }
  }
  return vertices;
}

OdResult endParam(size_t count, bool closed, double& param) {
  if (count == 0) return eInvalidInput;
  param = closed ? static_cast<double>(count) : count - 1.0;
  return eOk;
}

// The segment that `param` falls on: it runs from vertex `index` to the next (the first again
// after the last of a closed polyline), `fraction` of the way along. False when `param` lies
// outside the polyline or it has no vertices; a single vertex has only the parameter 0.
bool locateSegment(size_t vertexCount, bool closed, double param, unsigned& index,
                   double& fraction) {
  const auto count = static_cast<unsigned>(vertexCount);
  index = 0;
  fraction = 0.0;
  if (count == 0) return false;
  if (count == 1 && param == 0.0) return true;
  return curve_geometry::splitSegmentParam(param, closed ? count : count - 1, index, fraction);
}

}  // namespace

void OdDb2dVertex::setPosition(const OdGePoint3d& position) {
  assertWriteEnabled();
  m_position = position;
}

void OdDb2dVertex::setBulge(double bulge) {
  assertWriteEnabled();
  m_bulge = bulge;
}

void OdDb3dPolylineVertex::setPosition(const OdGePoint3d& position) {
  assertWriteEnabled();
  m_position = position;
}

OdDbObjectId OdDb2dPolyline::appendVertex(OdDb2dVertex* vertex) {
  return m_vertices.append(*this, vertex);
}

OdDbObjectIteratorPtr OdDb2dPolyline::vertexIterator() const { return m_vertices.iterator(*this); }

void OdDb2dPolyline::setElevation(double elevation) {
  assertWriteEnabled();
  m_elevation = elevation;
}

void OdDb2dPolyline::setNormal(const OdGeVector3d& normal) {
  assertWriteEnabled();
  m_normal = normal;
}

void OdDb2dPolyline::setClosed(bool closed) {
  assertWriteEnabled();
  m_closed = closed;
}

OdResult OdDb2dPolyline::getStartParam(double& param) const {
  if (liveVertices<OdDb2dVertex>(m_vertices.ids()).empty()) return eInvalidInput;
  param = 0.0;
  return eOk;
}

OdResult OdDb2dPolyline::getEndParam(double& param) const {
  return endParam(liveVertices<OdDb2dVertex>(m_vertices.ids()).size(), m_closed, param);
}

OdResult OdDb2dPolyline::getPointAtParam(double param, OdGePoint3d& point) const {
  auto vertices = liveVertices<OdDb2dVertex>(m_vertices.ids());
  unsigned index = 0;
  double fraction = 0.0;
  if (!locateSegment(vertices.size(), m_closed, param, index, fraction)) return eInvalidInput;
  const auto count = static_cast<unsigned>(vertices.size());
  OdGePoint3d a = vertices[index]->position();
  OdGePoint3d b = vertices[(index + 1) % count]->position();
  OdGePoint2d p = curve_geometry::pointOnBulgeSegment({a.x, a.y}, {b.x, b.y},
                                                      vertices[index]->bulge(), fraction);
  point = OdGeMatrix3d::planeToWorld(m_normal) * OdGePoint3d(p.x, p.y, m_elevation);
  return eOk;
}

OdDbObjectId OdDb3dPolyline::appendVertex(OdDb3dPolylineVertex* vertex) {
  return m_vertices.append(*this, vertex);
}

OdDbObjectIteratorPtr OdDb3dPolyline::vertexIterator() const { return m_vertices.iterator(*this); }

void OdDb3dPolyline::setClosed(bool closed) {
  assertWriteEnabled();
  m_closed = closed;
}

OdResult OdDb3dPolyline::getStartParam(double& param) const {
  if (liveVertices<OdDb3dPolylineVertex>(m_vertices.ids()).empty()) return eInvalidInput;
  param = 0.0;
  return eOk;
}

OdResult OdDb3dPolyline::getEndParam(double& param) const {
  return endParam(liveVertices<OdDb3dPolylineVertex>(m_vertices.ids()).size(), m_closed, param);
}

OdResult OdDb3dPolyline::getPointAtParam(double param, OdGePoint3d& point) const {
  auto vertices = liveVertices<OdDb3dPolylineVertex>(m_vertices.ids());
  unsigned index = 0;
  double fraction = 0.0;
  if (!locateSegment(vertices.size(), m_closed, param, index, fraction)) return eInvalidInput;
  const auto count = static_cast<unsigned>(vertices.size());
  OdGePoint3d a = vertices[index]->position();
  OdGePoint3d b = vertices[(index + 1) % count]->position();
  point = a + (b - a) * fraction;
  return eOk;
}
