// Polyface and polygon meshes with their vertices and face records.
#include <algorithm>

#include "DbDatabaseImpl.h"
#include "DbPolyFaceMesh.h"
#include "DbPolygonMesh.h"

ODRX_CONS_DEFINE_MEMBERS(OdDbPolyFaceMeshVertex, OdDbVertex, L"AcDbPolyFaceMeshVertex", L"VERTEX")
ODRX_CONS_DEFINE_MEMBERS(OdDbPolygonMeshVertex, OdDbVertex, L"AcDbPolygonMeshVertex", L"VERTEX")
ODRX_CONS_DEFINE_MEMBERS(OdDbFaceRecord, OdDbVertex, L"AcDbFaceRecord", L"VERTEX")
ODRX_CONS_DEFINE_MEMBERS(OdDbPolyFaceMesh, OdDbEntity, L"AcDbPolyFaceMesh", L"POLYLINE")
ODRX_CONS_DEFINE_MEMBERS(OdDbPolygonMesh, OdDbEntity, L"AcDbPolygonMesh", L"POLYLINE")

namespace {

// Counts above the 16-bit range are reported as its maximum, never as a wrapped negative value.
OdInt16 clampCount(size_t count) { return static_cast<OdInt16>(std::min<size_t>(count, 32767)); }

}  // namespace

void OdDbPolyFaceMeshVertex::setPosition(const OdGePoint3d& position) {
  assertWriteEnabled();
  m_position = position;
}

void OdDbPolygonMeshVertex::setPosition(const OdGePoint3d& position) {
  assertWriteEnabled();
  m_position = position;
}

OdInt16 OdDbFaceRecord::getVertexAt(OdUInt16 index) const {
  if (index > 3) throw OdError_InvalidIndex(index, 4);
  return m_vertices[index];
}

void OdDbFaceRecord::setVertexAt(OdUInt16 index, OdInt16 vertexNumber) {
  if (index > 3) throw OdError_InvalidIndex(index, 4);
  assertWriteEnabled();
  m_vertices[index] = vertexNumber;
}

OdInt16 OdDbPolyFaceMesh::numVertices() const {
  return clampCount(m_objects.countLive(OdDbPolyFaceMeshVertex::desc()));
}

OdInt16 OdDbPolyFaceMesh::numFaces() const {
  return clampCount(m_objects.countLive(OdDbFaceRecord::desc()));
}

OdDbObjectId OdDbPolyFaceMesh::appendVertex(OdDbPolyFaceMeshVertex* vertex) {
  // After the last vertex object, so that vertices stay ahead of the face records.
  const std::vector<OdDbObjectId>& ids = m_objects.ids();
  size_t position = 0;
  for (size_t i = 0; i < ids.size(); ++i) {
    OdDbObject* object = residentObject(ids[i]);
    if (object && object->isKindOf(OdDbPolyFaceMeshVertex::desc())) position = i + 1;
  }
  return m_objects.append(*this, vertex, position);
}

OdDbObjectId OdDbPolyFaceMesh::appendFaceRecord(OdDbFaceRecord* face) {
  return m_objects.append(*this, face);
}

OdDbObjectIteratorPtr OdDbPolyFaceMesh::vertexIterator() const { return m_objects.iterator(*this); }

void OdDbPolygonMesh::setMSize(OdInt16 size) {
  assertWriteEnabled();
  m_mSize = size;
}

void OdDbPolygonMesh::setNSize(OdInt16 size) {
  assertWriteEnabled();
  m_nSize = size;
}

void OdDbPolygonMesh::setMClosed(bool closed) {
  assertWriteEnabled();
  m_mClosed = closed;
}

void OdDbPolygonMesh::setNClosed(bool closed) {
  assertWriteEnabled();
  m_nClosed = closed;
}

OdDbObjectId OdDbPolygonMesh::appendVertex(OdDbPolygonMeshVertex* vertex) {
  return m_vertices.append(*this, vertex);
}

OdDbObjectIteratorPtr OdDbPolygonMesh::vertexIterator() const { return m_vertices.iterator(*this); }
