// OdDbPolygonMesh ("AcDbPolygonMesh", DXF POLYLINE flag 16): an M x N grid of
// OdDbPolygonMeshVertex objects, stored row by row (N varies fastest); closed in M joins the last
// row to the first, closed in N the last column to the first. The sizes are as stored (DXF codes
// 71, 72) and need not match the number of vertex objects.
#pragma once

#include "DbEntity.h"
#include "DbPolygonMeshVertex.h"
#include "DbVertexList.h"

class OdDbPolygonMesh : public OdDbEntity {
  ODRX_DECLARE_MEMBERS(OdDbPolygonMesh);
  ODRX_DECLARE_CREATE(OdDbPolygonMesh);

 public:
  OdInt16 mSize() const { return m_mSize; }
  OdInt16 nSize() const { return m_nSize; }
  bool isMClosed() const { return m_mClosed; }
  bool isNClosed() const { return m_nClosed; }
  void setMSize(OdInt16 size);
  void setNSize(OdInt16 size);
  void makeMClosed() { setMClosed(true); }
  void makeMOpen() { setMClosed(false); }
  void makeNClosed() { setNClosed(true); }
  void makeNOpen() { setNClosed(false); }
  void setMClosed(bool closed);
  void setNClosed(bool closed);

  OdDbObjectId appendVertex(OdDbPolygonMeshVertex* vertex);
  OdDbObjectIteratorPtr vertexIterator() const;

  const std::vector<OdDbObjectId>* ownedObjectIds() const override { return &m_vertices.ids(); }
  void appendOwnedId(OdDbObjectId id) override { m_vertices.appendId(id); }

 private:
  OdDbVertexList m_vertices;
  OdInt16 m_mSize = 0;
  OdInt16 m_nSize = 0;
  bool m_mClosed = false;
  bool m_nClosed = false;
};

typedef OdSmartPtr<OdDbPolygonMesh> OdDbPolygonMeshPtr;
