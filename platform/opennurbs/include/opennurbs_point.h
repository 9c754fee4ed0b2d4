// Points and vectors: ON_2dPoint, ON_3dPoint, ON_4dPoint (homogeneous), ON_3fPoint and
// ON_3fVector (single precision), ON_2fPoint, ON_3dVector, the dot and cross products, the
// plane equation ON_PlaneEquation, and ON_ComparePoint.
//
// Default constructors set every coordinate to zero (the platform leaves them uninitialised;
// zero is the safe choice and no caller may rely on either). Arithmetic is evaluated component
// by component, left to right, so results are reproducible to the last bit.
#pragma once

#include "opennurbs_defines.h"

class ON_3dVector;
class ON_3fPoint;

class ON_2dPoint {
 public:
  double x = 0.0, y = 0.0;
  ON_2dPoint() = default;
  ON_2dPoint(double x, double y);
  bool operator==(const ON_2dPoint& p) const;
  bool operator!=(const ON_2dPoint& p) const;
};

class ON_3dPoint {
 public:
  double x = 0.0, y = 0.0, z = 0.0;

  static const ON_3dPoint Origin;      // (0,0,0)
  static const ON_3dPoint UnsetPoint;  // (ON_UNSET_VALUE, ON_UNSET_VALUE, ON_UNSET_VALUE)

  ON_3dPoint() = default;
  ON_3dPoint(double x, double y, double z);
  explicit ON_3dPoint(const double* xyz);
  // Widening from single precision is exact.
  ON_3dPoint(const ON_3fPoint& p);  // NOLINT(google-explicit-constructor)
  explicit ON_3dPoint(const ON_3dVector& v);

  double operator[](int i) const;
  double& operator[](int i);

  ON_3dPoint operator+(const ON_3dVector& v) const;
  ON_3dPoint operator-(const ON_3dVector& v) const;
  ON_3dPoint operator+(const ON_3dPoint& p) const;
  ON_3dVector operator-(const ON_3dPoint& p) const;
  ON_3dPoint operator*(double s) const;
  ON_3dPoint operator/(double s) const;
  ON_3dPoint& operator+=(const ON_3dVector& v);
  ON_3dPoint& operator-=(const ON_3dVector& v);
  ON_3dPoint& operator*=(double s);

  // Exact comparison of the doubles (+0 equals -0, NaN equals nothing).
  bool operator==(const ON_3dPoint& p) const;
  bool operator!=(const ON_3dPoint& p) const;

  // (q - *this).Length(), with the scaled length formula of ON_3dVector::Length.
  double DistanceTo(const ON_3dPoint& q) const;
  // All three coordinates pass ON_IsValid.
  bool IsValid() const;
  void Set(double x, double y, double z);
};

ON_3dPoint operator*(double s, const ON_3dPoint& p);

class ON_3dVector {
 public:
  double x = 0.0, y = 0.0, z = 0.0;

  static const ON_3dVector ZeroVector;
  static const ON_3dVector XAxis;
  static const ON_3dVector YAxis;
  static const ON_3dVector ZAxis;

  ON_3dVector() = default;
  ON_3dVector(double x, double y, double z);
  explicit ON_3dVector(const ON_3dPoint& p);

  double operator[](int i) const;
  double& operator[](int i);

  ON_3dVector operator-() const;
  ON_3dVector operator+(const ON_3dVector& v) const;
  ON_3dVector operator-(const ON_3dVector& v) const;
  ON_3dVector operator*(double s) const;
  ON_3dVector operator/(double s) const;
  double operator*(const ON_3dVector& v) const;  // dot product
  ON_3dVector& operator*=(double s);
  bool operator==(const ON_3dVector& v) const;
  bool operator!=(const ON_3dVector& v) const;

  // Euclidean length without overflow: the largest magnitude a is factored out, the other two
  // are multiplied by 1/a, and a*sqrt((1 + b*b) + c*c) is returned. Returns 0 when the largest
  // magnitude is NaN or zero, and +inf for an infinite component.
  double Length() const;
  double LengthSquared() const;

  // Scales to unit length by multiplying with the reciprocal of Length() (not by dividing; the
  // last bit differs). Tiny vectors are first scaled up by 2^1023. Returns false and sets
  // (+0,+0,+0) when the length is zero or NaN. An infinite length returns true with NaN
  // components, as the platform does.
  bool Unitize();
  ON_3dVector UnitVector() const;

  // Sets *this to a vector perpendicular to v, not unitized: with i the index of v's largest
  // magnitude and j the second (ties broken as the platform does), result[i] = -v[j],
  // result[j] = v[i], result[k] = +0. Returns v[i] != 0. For v = (0,0,1) this is (1, 0, -0).
  bool PerpendicularTo(const ON_3dVector& v);
  // Sets *this to the unit normal of triangle (P0, P1, P2), choosing among the three edge cross
  // products the one with the smallest error. False (and the zero vector) only for collinear or
  // coincident input.
  bool PerpendicularTo(const ON_3dPoint& P0, const ON_3dPoint& P1, const ON_3dPoint& P2);

  bool IsZero() const;  // all three components exactly zero
  bool IsValid() const;
  void Set(double x, double y, double z);
  void Zero();
};

ON_3dVector operator*(double s, const ON_3dVector& v);
// a.x*b.x + a.y*b.y + a.z*b.z, left to right.
double ON_DotProduct(const ON_3dVector& a, const ON_3dVector& b);
// (a.y*b.z - b.y*a.z, a.z*b.x - b.z*a.x, a.x*b.y - b.x*a.y).
ON_3dVector ON_CrossProduct(const ON_3dVector& a, const ON_3dVector& b);

// Homogeneous point; w is the weight (x, y, z are already multiplied by it).
class ON_4dPoint {
 public:
  double x = 0.0, y = 0.0, z = 0.0, w = 1.0;
  ON_4dPoint() = default;
  ON_4dPoint(double x, double y, double z, double w);
};

// Single-precision point. Converting from ON_3dPoint narrows each coordinate with a plain cast
// (round to nearest even; overflow gives +-inf, NaN stays NaN, -0 stays -0). Use it only where
// float data is explicitly wanted: the mesh stores doubles.
class ON_3fPoint {
 public:
  float x = 0.0f, y = 0.0f, z = 0.0f;
  ON_3fPoint() = default;
  ON_3fPoint(float x, float y, float z);
  explicit ON_3fPoint(const ON_3dPoint& p);
  bool operator==(const ON_3fPoint& p) const;
  bool operator!=(const ON_3fPoint& p) const;
};

class ON_3fVector {
 public:
  float x = 0.0f, y = 0.0f, z = 0.0f;
  ON_3fVector() = default;
  ON_3fVector(float x, float y, float z);
  explicit ON_3fVector(const ON_3dVector& v);
  // Squared length computed in float.
  float LengthSquared() const;
};

class ON_2fPoint {
 public:
  float x = 0.0f, y = 0.0f;
  ON_2fPoint() = default;
  ON_2fPoint(float x, float y);
};

// The plane x*X + y*Y + z*Z + d = 0 with a unit normal (x, y, z).
class ON_PlaneEquation {
 public:
  double x = 0.0, y = 0.0, z = 0.0, d = 0.0;
  ON_PlaneEquation() = default;
  ON_PlaneEquation(double x, double y, double z, double d);

  // Sets the equation through P with normal N; N is unitized when its length differs from 1
  // by more than ON_ZERO_TOLERANCE. Returns false when that fails (the equation is then
  // (0,0,0,-0)). When P or N is not valid (NaN, inf, unset) nothing is written at all and the
  // previous equation stays.
  bool Create(const ON_3dPoint& P, const ON_3dVector& N);
  // x*P.x + y*P.y + z*P.z + d.
  double ValueAt(const ON_3dPoint& P) const;
  bool IsValid() const;
};

// Compares two points of dimension dim (rational points are divided by their weight first).
// Coordinates a and b count as equal when neither is below the other by more than
// max((|a|+|b|)*ON_SQRT_EPSILON, ON_ZERO_TOLERANCE), so the test is relative and NaN compares
// equal. Returns -1, 0 or +1 at the first differing coordinate.
int ON_ComparePoint(int dim, bool is_rat, const double* a, const double* b);
