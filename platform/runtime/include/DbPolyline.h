// OdDbPolyline ("AcDbPolyline", DXF LWPOLYLINE): a lightweight polyline whose vertices are 2D
// points in its object coordinate plane (normal, elevation), each with a bulge (tan of a quarter of
// the segment's included angle; 0 for a straight segment) and start/end widths.
// getPointAt(i, OdGePoint3d&) gives the vertex in world coordinates: (x, y, elevation) through the
// normal's arbitrary axis frame. Index arguments outside 0..numVerts()-1 throw
// OdError_InvalidIndex. Parameter i is vertex i; a closed polyline runs to numVerts().
#pragma once

#include <vector>

#include "DbCurve.h"
#include "Ge/GePoint2d.h"

class OdDbPolyline : public OdDbCurve {
  ODRX_DECLARE_MEMBERS(OdDbPolyline);
  ODRX_DECLARE_CREATE(OdDbPolyline);

 public:
  unsigned int numVerts() const { return static_cast<unsigned int>(m_points.size()); }
  void getPointAt(unsigned int index, OdGePoint3d& point) const;
  void getPointAt(unsigned int index, OdGePoint2d& point) const;
  double getBulgeAt(unsigned int index) const;
  void getWidthsAt(unsigned int index, double& startWidth, double& endWidth) const;
  double elevation() const { return m_elevation; }
  OdGeVector3d normal() const { return m_normal; }

  // Inserts before index (index == numVerts() appends). A negative width means "none given" and
  // reads back as 0.
  void addVertexAt(unsigned int index, const OdGePoint2d& point, double bulge = 0.0,
                   double startWidth = -1.0, double endWidth = -1.0);
  void setPointAt(unsigned int index, const OdGePoint2d& point);
  void setBulgeAt(unsigned int index, double bulge);
  void setWidthsAt(unsigned int index, double startWidth, double endWidth);
  void removeVertexAt(unsigned int index);
  void setElevation(double elevation);
  void setNormal(const OdGeVector3d& normal);
  void setClosed(bool closed);

  bool isClosed() const override { return m_closed; }
  OdResult getStartParam(double& param) const override;
  OdResult getEndParam(double& param) const override;
  OdResult getPointAtParam(double param, OdGePoint3d& point) const override;

 private:
  struct Widths {
    double start;
    double end;
  };
  unsigned int checkIndex(unsigned int index) const;
  void checkInsertIndex(unsigned int index) const;

  std::vector<OdGePoint2d> m_points;
  std::vector<double> m_bulges;  // empty while every bulge is 0
  std::vector<Widths> m_widths;  // empty while no width was given
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
  double m_elevation = 0.0;
  bool m_closed = false;
};

typedef OdSmartPtr<OdDbPolyline> OdDbPolylinePtr;
