// OdGeMatrix3d: a 4x4 affine transform of points and vectors (row-major, points as columns:
// p' = M * p). planeToWorld(normal) is DXF's arbitrary-axis algorithm: the transform from an
// entity's object coordinate system (extrusion direction `normal`) to world coordinates.
#pragma once

#include "Ge/GePoint3d.h"
#include "Ge/GeVector3d.h"

class OdGeMatrix3d {
 public:
  static const OdGeMatrix3d kIdentity;

  OdGeMatrix3d();  // identity

  OdGeMatrix3d& setToIdentity();
  bool isIdentity(const OdGeTol& tol = OdGeContext::gTol) const;
  // The inverse; a singular matrix throws OdError(eInvalidInput).
  OdGeMatrix3d inverse() const;
  OdGeMatrix3d& invert();
  OdGeMatrix3d& setCoordSystem(const OdGePoint3d& origin, const OdGeVector3d& xAxis,
                               const OdGeVector3d& yAxis, const OdGeVector3d& zAxis);
  void getCoordSystem(OdGePoint3d& origin, OdGeVector3d& xAxis, OdGeVector3d& yAxis,
                      OdGeVector3d& zAxis) const;

  // Arbitrary axis algorithm: for the unit normal N, the object x axis is Wy x N when |Nx| and
  // |Ny| are both below 1/64, else Wz x N; the y axis is N x (x axis). A zero normal is taken as
  // the world z axis. The result maps object coordinates to world coordinates (no translation).
  static OdGeMatrix3d planeToWorld(const OdGeVector3d& normal);
  static OdGeMatrix3d worldToPlane(const OdGeVector3d& normal);
  static OdGeMatrix3d translation(const OdGeVector3d& v);
  // The object x axis of the arbitrary axis algorithm for normal (unit length).
  static OdGeVector3d arbitraryXAxis(const OdGeVector3d& normal);

  OdGeMatrix3d operator*(const OdGeMatrix3d& m) const;
  OdGePoint3d operator*(const OdGePoint3d& p) const;
  OdGeVector3d operator*(const OdGeVector3d& v) const;  // the linear part only
  bool operator==(const OdGeMatrix3d& m) const;

  double operator()(int row, int column) const { return entry[row][column]; }
  double& operator()(int row, int column) { return entry[row][column]; }

  double entry[4][4];
};
