// OdDbPolyFaceMesh ("AcDbPolyFaceMesh", DXF POLYLINE flag 64): a mesh of OdDbPolyFaceMeshVertex
// objects followed by OdDbFaceRecord objects, walked in that stored order by vertexIterator().
// numVertices()/numFaces() count the live (not erased) sub-objects of each kind.
#pragma once

#include "DbEntity.h"
#include "DbFaceRecord.h"
#include "DbPolyFaceMeshVertex.h"
#include "DbVertexList.h"

class OdDbPolyFaceMesh : public OdDbEntity {
  ODRX_DECLARE_MEMBERS(OdDbPolyFaceMesh);
  ODRX_DECLARE_CREATE(OdDbPolyFaceMesh);

 public:
  OdInt16 numVertices() const;
  OdInt16 numFaces() const;
  // Vertices go after the last vertex (before the face records), face records at the end. The
  // mesh must be in a database and open for write.
  OdDbObjectId appendVertex(OdDbPolyFaceMeshVertex* vertex);
  OdDbObjectId appendFaceRecord(OdDbFaceRecord* face);
  OdDbObjectIteratorPtr vertexIterator() const;

  const std::vector<OdDbObjectId>* ownedObjectIds() const override { return &m_objects.ids(); }
  void appendOwnedId(OdDbObjectId id) override { m_objects.appendId(id); }

 private:
  OdDbVertexList m_objects;
};

typedef OdSmartPtr<OdDbPolyFaceMesh> OdDbPolyFaceMeshPtr;
