// OdDb2dPolyline ("AcDb2dPolyline", DXF POLYLINE without the 3D/mesh flags): a polyline whose
// vertices are separate OdDb2dVertex objects in its object coordinate system; elevation() and
// normal() place them in the world (see OdGeMatrix3d::planeToWorld). Curve queries give world
// points; parameter i is vertex i (erased vertices left out).
#pragma once

#include "Db2dVertex.h"
#include "DbCurve.h"
#include "DbVertexList.h"

class OdDb2dPolyline : public OdDbCurve {
  ODRX_DECLARE_MEMBERS(OdDb2dPolyline);
  ODRX_DECLARE_CREATE(OdDb2dPolyline);

 public:
  // Appends a vertex; the polyline must be in a database and open for write (see OdDbVertexList).
  OdDbObjectId appendVertex(OdDb2dVertex* vertex);
  // Walks the vertices in order, skipping erased ones.
  OdDbObjectIteratorPtr vertexIterator() const;
  double elevation() const { return m_elevation; }
  OdGeVector3d normal() const { return m_normal; }
  void setElevation(double elevation);
  void setNormal(const OdGeVector3d& normal);
  void makeClosed() { setClosed(true); }
  void makeOpen() { setClosed(false); }
  void setClosed(bool closed);

  bool isClosed() const override { return m_closed; }
  OdResult getStartParam(double& param) const override;
  OdResult getEndParam(double& param) const override;
  OdResult getPointAtParam(double param, OdGePoint3d& point) const override;

  const std::vector<OdDbObjectId>* ownedObjectIds() const override { return &m_vertices.ids(); }
  void appendOwnedId(OdDbObjectId id) override { m_vertices.appendId(id); }

 private:
  OdDbVertexList m_vertices;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
  double m_elevation = 0.0;
  bool m_closed = false;
};

typedef OdSmartPtr<OdDb2dPolyline> OdDb2dPolylinePtr;
