// OdDb3dPolyline ("AcDb3dPolyline", DXF POLYLINE flag 8): a polyline whose vertices are separate
// OdDb3dPolylineVertex objects in world coordinates. Parameter i is vertex i (erased vertices
// left out).
#pragma once

#include "Db3dPolylineVertex.h"
#include "DbCurve.h"
#include "DbVertexList.h"

class OdDb3dPolyline : public OdDbCurve {
  ODRX_DECLARE_MEMBERS(OdDb3dPolyline);
  ODRX_DECLARE_CREATE(OdDb3dPolyline);

 public:
  OdDbObjectId appendVertex(OdDb3dPolylineVertex* vertex);
  OdDbObjectIteratorPtr vertexIterator() const;
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
  bool m_closed = false;
};

typedef OdSmartPtr<OdDb3dPolyline> OdDb3dPolylinePtr;
