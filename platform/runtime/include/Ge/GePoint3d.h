// OdGePoint3d: a 3D point of doubles (drawing units).
#pragma once

#include "Ge/GeContext.h"
#include "Ge/GeVector3d.h"

class OdGeMatrix3d;

class OdGePoint3d {
 public:
  static const OdGePoint3d kOrigin;

  constexpr OdGePoint3d() = default;
  constexpr OdGePoint3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}

  // True when the distance to p is at most tol.equalPoint().
  bool isEqualTo(const OdGePoint3d& p, const OdGeTol& tol = OdGeContext::gTol) const;
  double distanceTo(const OdGePoint3d& p) const { return (*this - p).length(); }
  OdGePoint3d& set(double xx, double yy, double zz);
  OdGePoint3d& transformBy(const OdGeMatrix3d& m);
  OdGeVector3d asVector() const { return {x, y, z}; }

  OdGePoint3d operator+(const OdGeVector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
  OdGePoint3d operator-(const OdGeVector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
  OdGeVector3d operator-(const OdGePoint3d& p) const { return {x - p.x, y - p.y, z - p.z}; }
  OdGePoint3d& operator+=(const OdGeVector3d& v);
  OdGePoint3d& operator-=(const OdGeVector3d& v);
  // Exact comparison of the three doubles (use isEqualTo for a tolerance).
  bool operator==(const OdGePoint3d& p) const { return x == p.x && y == p.y && z == p.z; }

  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};
