// OdGeVector3d: a 3D vector of doubles (drawing units), and OdGeVector2d.
#pragma once

#include "Ge/GeContext.h"

class OdGeMatrix3d;

class OdGeVector3d {
 public:
  static const OdGeVector3d kIdentity;  // (0, 0, 0)
  static const OdGeVector3d kXAxis;
  static const OdGeVector3d kYAxis;
  static const OdGeVector3d kZAxis;

  constexpr OdGeVector3d() = default;
  constexpr OdGeVector3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}

  double length() const;
  double lengthSqrd() const { return x * x + y * y + z * z; }
  // The unit vector in this direction; the zero vector (within tol) stays zero.
  OdGeVector3d normal(const OdGeTol& tol = OdGeContext::gTol) const;
  OdGeVector3d& normalize(const OdGeTol& tol = OdGeContext::gTol);
  double dotProduct(const OdGeVector3d& v) const { return x * v.x + y * v.y + z * v.z; }
  OdGeVector3d crossProduct(const OdGeVector3d& v) const;
  bool isZeroLength(const OdGeTol& tol = OdGeContext::gTol) const;
  // Component-wise within tol.equalVector().
  bool isEqualTo(const OdGeVector3d& v, const OdGeTol& tol = OdGeContext::gTol) const;
  OdGeVector3d& set(double xx, double yy, double zz);
  OdGeVector3d& transformBy(const OdGeMatrix3d& m);
  OdGeVector3d& negate();

  OdGeVector3d operator-() const { return {-x, -y, -z}; }
  OdGeVector3d operator+(const OdGeVector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
  OdGeVector3d operator-(const OdGeVector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
  OdGeVector3d operator*(double s) const { return {x * s, y * s, z * s}; }
  OdGeVector3d operator/(double s) const { return {x / s, y / s, z / s}; }
  OdGeVector3d& operator+=(const OdGeVector3d& v);
  OdGeVector3d& operator-=(const OdGeVector3d& v);
  OdGeVector3d& operator*=(double s);
  bool operator==(const OdGeVector3d& v) const { return isEqualTo(v); }

  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

inline OdGeVector3d operator*(double s, const OdGeVector3d& v) { return v * s; }

class OdGeVector2d {
 public:
  OdGeVector2d() = default;
  OdGeVector2d(double xx, double yy) : x(xx), y(yy) {}
  double length() const;

  double x = 0.0;
  double y = 0.0;
};
