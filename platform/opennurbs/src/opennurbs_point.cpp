// Points, vectors, products, the plane equation and the relative point comparison.
#include "opennurbs_point.h"

#include <cmath>

bool ON_IsValid(double x) { return std::isfinite(x) && x != ON_UNSET_VALUE; }

ON_2dPoint::ON_2dPoint(double x_, double y_) : x(x_), y(y_) {}
bool ON_2dPoint::operator==(const ON_2dPoint& p) const { return x == p.x && y == p.y; }
bool ON_2dPoint::operator!=(const ON_2dPoint& p) const { return !(*this == p); }

const ON_3dPoint ON_3dPoint::Origin(0.0, 0.0, 0.0);
const ON_3dPoint ON_3dPoint::UnsetPoint(ON_UNSET_VALUE, ON_UNSET_VALUE, ON_UNSET_VALUE);

ON_3dPoint::ON_3dPoint(double x_, double y_, double z_) : x(x_), y(y_), z(z_) {}
ON_3dPoint::ON_3dPoint(const double* xyz) : x(xyz[0]), y(xyz[1]), z(xyz[2]) {}
ON_3dPoint::ON_3dPoint(const ON_3fPoint& p) : x(p.x), y(p.y), z(p.z) {}
ON_3dPoint::ON_3dPoint(const ON_3dVector& v) : x(v.x), y(v.y), z(v.z) {}

double ON_3dPoint::operator[](int i) const { return i <= 0 ? x : (i == 1 ? y : z); }
double& ON_3dPoint::operator[](int i) { return i <= 0 ? x : (i == 1 ? y : z); }

ON_3dPoint ON_3dPoint::operator+(const ON_3dVector& v) const {
  return ON_3dPoint(x + v.x, y + v.y, z + v.z);
}
ON_3dPoint ON_3dPoint::operator-(const ON_3dVector& v) const {
  return ON_3dPoint(x - v.x, y - v.y, z - v.z);
}
ON_3dPoint ON_3dPoint::operator+(const ON_3dPoint& p) const {
  return ON_3dPoint(x + p.x, y + p.y, z + p.z);
}
ON_3dVector ON_3dPoint::operator-(const ON_3dPoint& p) const {
  return ON_3dVector(x - p.x, y - p.y, z - p.z);
}
ON_3dPoint ON_3dPoint::operator*(double s) const { return ON_3dPoint(x * s, y * s, z * s); }
ON_3dPoint ON_3dPoint::operator/(double s) const { return ON_3dPoint(x / s, y / s, z / s); }
ON_3dPoint& ON_3dPoint::operator+=(const ON_3dVector& v) { return *this = *this + v; }
ON_3dPoint& ON_3dPoint::operator-=(const ON_3dVector& v) { return *this = *this - v; }
ON_3dPoint& ON_3dPoint::operator*=(double s) { return *this = *this * s; }
bool ON_3dPoint::operator==(const ON_3dPoint& p) const { return x == p.x && y == p.y && z == p.z; }
bool ON_3dPoint::operator!=(const ON_3dPoint& p) const { return !(*this == p); }
double ON_3dPoint::DistanceTo(const ON_3dPoint& q) const { return (q - *this).Length(); }
bool ON_3dPoint::IsValid() const { return ON_IsValid(x) && ON_IsValid(y) && ON_IsValid(z); }
void ON_3dPoint::Set(double x_, double y_, double z_) { *this = ON_3dPoint(x_, y_, z_); }
ON_3dPoint operator*(double s, const ON_3dPoint& p) { return p * s; }

const ON_3dVector ON_3dVector::ZeroVector(0.0, 0.0, 0.0);
const ON_3dVector ON_3dVector::XAxis(1.0, 0.0, 0.0);
const ON_3dVector ON_3dVector::YAxis(0.0, 1.0, 0.0);
const ON_3dVector ON_3dVector::ZAxis(0.0, 0.0, 1.0);

ON_3dVector::ON_3dVector(double x_, double y_, double z_) : x(x_), y(y_), z(z_) {}
ON_3dVector::ON_3dVector(const ON_3dPoint& p) : x(p.x), y(p.y), z(p.z) {}

double ON_3dVector::operator[](int i) const { return i <= 0 ? x : (i == 1 ? y : z); }
double& ON_3dVector::operator[](int i) { return i <= 0 ? x : (i == 1 ? y : z); }
ON_3dVector ON_3dVector::operator-() const { return ON_3dVector(-x, -y, -z); }
ON_3dVector ON_3dVector::operator+(const ON_3dVector& v) const {
  return ON_3dVector(x + v.x, y + v.y, z + v.z);
}
ON_3dVector ON_3dVector::operator-(const ON_3dVector& v) const {
  return ON_3dVector(x - v.x, y - v.y, z - v.z);
}
ON_3dVector ON_3dVector::operator*(double s) const { return ON_3dVector(x * s, y * s, z * s); }
ON_3dVector ON_3dVector::operator/(double s) const { return ON_3dVector(x / s, y / s, z / s); }
double ON_3dVector::operator*(const ON_3dVector& v) const { return ON_DotProduct(*this, v); }
ON_3dVector& ON_3dVector::operator*=(double s) { return *this = *this * s; }
bool ON_3dVector::operator==(const ON_3dVector& v) const {
  return x == v.x && y == v.y && z == v.z;
}
bool ON_3dVector::operator!=(const ON_3dVector& v) const { return !(*this == v); }
ON_3dVector operator*(double s, const ON_3dVector& v) { return v * s; }

double ON_3dVector::Length() const {
  double a = std::fabs(x);
  double b = std::fabs(y);
  double c = std::fabs(z);
  if (b >= a && b >= c) {
    std::swap(a, b);
  } else if (c >= a && c >= b) {
    std::swap(a, c);
  }
  if (a > ON_DBL_MIN) {
    const double r = 1.0 / a;
    b *= r;
    c *= r;
    return a * std::sqrt((1.0 + b * b) + c * c);
  }
  if (a > 0.0 && std::isfinite(a)) return a;
  return 0.0;
}

double ON_3dVector::LengthSquared() const { return x * x + y * y + z * z; }

bool ON_3dVector::Unitize() {
  const double d = Length();
  if (d > ON_DBL_MIN) {
    const double r = 1.0 / d;
    *this = *this * r;
    return true;
  }
  if (d > 0.0 && std::isfinite(d)) {
    const ON_3dVector big = *this * 8.98846567431158e307;  // 2^1023
    const double d2 = big.Length();
    if (d2 > ON_DBL_MIN) {
      *this = big * (1.0 / d2);
      return true;
    }
  }
  Zero();
  return false;
}

ON_3dVector ON_3dVector::UnitVector() const {
  ON_3dVector u = *this;
  u.Unitize();
  return u;
}

namespace {

struct AxisOrder {
  int i, j, k;
};

// Indices of the largest, second-largest and smallest magnitude, ties broken as the platform.
AxisOrder OrderByMagnitude(const ON_3dVector& v) {
  const double ax = std::fabs(v.x), ay = std::fabs(v.y), az = std::fabs(v.z);
  if (ay > ax) {
    if (az > ay) return {2, 1, 0};
    if (az >= ax) return {1, 2, 0};
    return {1, 0, 2};
  }
  if (az > ax) return {2, 0, 1};
  if (az > ay) return {0, 2, 1};
  return {0, 1, 2};
}

}  // namespace

bool ON_3dVector::PerpendicularTo(const ON_3dVector& v) {
  const AxisOrder o = OrderByMagnitude(v);
  ON_3dVector r;
  r[o.i] = -v[o.j];
  r[o.j] = v[o.i];
  r[o.k] = 0.0;
  *this = r;
  return v[o.i] != 0.0;
}

bool ON_3dVector::PerpendicularTo(const ON_3dPoint& P0, const ON_3dPoint& P1,
                                  const ON_3dPoint& P2) {
  Zero();
  const ON_3dVector V[3] = {P2 - P1, P0 - P2, P1 - P0};
  ON_3dVector N[3] = {ON_CrossProduct(V[1], V[2]), ON_CrossProduct(V[2], V[0]),
                      ON_CrossProduct(V[0], V[1])};
  for (ON_3dVector& n : N) {
    if (!n.Unitize()) return false;
  }
  const double s[3] = {1.0 / V[0].Length(), 1.0 / V[1].Length(), 1.0 / V[2].Length()};
  double e[3];
  for (int k = 0; k < 3; ++k) {
    e[k] = s[0] * std::fabs(ON_DotProduct(N[k], V[0])) +
           s[1] * std::fabs(ON_DotProduct(N[k], V[1])) +
           s[2] * std::fabs(ON_DotProduct(N[k], V[2]));
  }
  if (e[0] <= e[1]) {
    *this = (e[0] <= e[2]) ? N[0] : N[2];
  } else {
    *this = (e[1] <= e[2]) ? N[1] : N[2];
  }
  return true;
}

bool ON_3dVector::IsZero() const { return x == 0.0 && y == 0.0 && z == 0.0; }
bool ON_3dVector::IsValid() const { return ON_IsValid(x) && ON_IsValid(y) && ON_IsValid(z); }
void ON_3dVector::Set(double x_, double y_, double z_) { *this = ON_3dVector(x_, y_, z_); }
void ON_3dVector::Zero() { x = y = z = 0.0; }

double ON_DotProduct(const ON_3dVector& a, const ON_3dVector& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}

ON_3dVector ON_CrossProduct(const ON_3dVector& a, const ON_3dVector& b) {
  return ON_3dVector(a.y * b.z - b.y * a.z, a.z * b.x - b.z * a.x, a.x * b.y - b.x * a.y);
}

ON_4dPoint::ON_4dPoint(double x_, double y_, double z_, double w_) : x(x_), y(y_), z(z_), w(w_) {}

ON_3fPoint::ON_3fPoint(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}
ON_3fPoint::ON_3fPoint(const ON_3dPoint& p)
    : x(static_cast<float>(p.x)), y(static_cast<float>(p.y)), z(static_cast<float>(p.z)) {}
bool ON_3fPoint::operator==(const ON_3fPoint& p) const { return x == p.x && y == p.y && z == p.z; }
bool ON_3fPoint::operator!=(const ON_3fPoint& p) const { return !(*this == p); }

ON_3fVector::ON_3fVector(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}
ON_3fVector::ON_3fVector(const ON_3dVector& v)
    : x(static_cast<float>(v.x)), y(static_cast<float>(v.y)), z(static_cast<float>(v.z)) {}
float ON_3fVector::LengthSquared() const { return x * x + y * y + z * z; }

ON_2fPoint::ON_2fPoint(float x_, float y_) : x(x_), y(y_) {}

ON_PlaneEquation::ON_PlaneEquation(double x_, double y_, double z_, double d_)
    : x(x_), y(y_), z(z_), d(d_) {}

bool ON_PlaneEquation::Create(const ON_3dPoint& P, const ON_3dVector& N) {
  if (!P.IsValid() || !N.IsValid()) return false;
  ON_3dVector n = N;
  bool rc = true;
  if (std::fabs(1.0 - n.Length()) > ON_ZERO_TOLERANCE) rc = n.Unitize();
  x = n.x;
  y = n.y;
  z = n.z;
  d = -((x * P.x + y * P.y) + z * P.z);
  return rc;
}

double ON_PlaneEquation::ValueAt(const ON_3dPoint& P) const {
  return x * P.x + y * P.y + z * P.z + d;
}

bool ON_PlaneEquation::IsValid() const {
  return ON_IsValid(x) && ON_IsValid(y) && ON_IsValid(z) && ON_IsValid(d);
}

namespace {

// -1, 0, +1 with the relative tolerance of ON_ComparePoint.
int CompareCoordinate(double a, double b) {
  const double tol = std::max((std::fabs(a) + std::fabs(b)) * ON_SQRT_EPSILON, ON_ZERO_TOLERANCE);
  if (a < b - tol) return -1;
  if (b < a - tol) return 1;
  return 0;
}

}  // namespace

int ON_ComparePoint(int dim, bool is_rat, const double* a, const double* b) {
  const double wa = (is_rat && a[dim] != 0.0) ? 1.0 / a[dim] : 1.0;
  const double wb = (is_rat && b[dim] != 0.0) ? 1.0 / b[dim] : 1.0;
  for (int i = 0; i < dim; ++i) {
    const int c = CompareCoordinate(wa * a[i], wb * b[i]);
    if (c != 0) return c;
  }
  if (is_rat) return CompareCoordinate(a[dim], b[dim]);
  return 0;
}
