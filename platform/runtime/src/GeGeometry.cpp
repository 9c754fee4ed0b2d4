// Points, vectors, tolerances and 4x4 transforms, with DXF's arbitrary-axis algorithm.
#include <cmath>

#include "Ge/GeContext.h"
#include "Ge/GeMatrix3d.h"
#include "Ge/GePoint2d.h"
#include "Ge/GePoint3d.h"
#include "Ge/GeVector3d.h"
#include "OdError.h"

// Constant-initialised, so other libraries may use them during their own static initialisation.
constinit OdGeTol OdGeContext::gTol(1e-10, 1e-10);

constinit const OdGeVector3d OdGeVector3d::kIdentity(0.0, 0.0, 0.0);
constinit const OdGeVector3d OdGeVector3d::kXAxis(1.0, 0.0, 0.0);
constinit const OdGeVector3d OdGeVector3d::kYAxis(0.0, 1.0, 0.0);
constinit const OdGeVector3d OdGeVector3d::kZAxis(0.0, 0.0, 1.0);
constinit const OdGePoint3d OdGePoint3d::kOrigin(0.0, 0.0, 0.0);
const OdGeMatrix3d OdGeMatrix3d::kIdentity;

double OdGeVector3d::length() const { return std::sqrt(lengthSqrd()); }

OdGeVector3d OdGeVector3d::normal(const OdGeTol& tol) const {
  double len = length();
  if (len <= tol.equalVector()) return {0.0, 0.0, 0.0};
  return {x / len, y / len, z / len};
}

OdGeVector3d& OdGeVector3d::normalize(const OdGeTol& tol) { return *this = normal(tol); }

OdGeVector3d OdGeVector3d::crossProduct(const OdGeVector3d& v) const {
  return {y * v.z - z * v.y, z * v.x - x * v.z, x * v.y - y * v.x};
}

bool OdGeVector3d::isZeroLength(const OdGeTol& tol) const { return length() <= tol.equalVector(); }

bool OdGeVector3d::isEqualTo(const OdGeVector3d& v, const OdGeTol& tol) const {
  double t = tol.equalVector();
  return std::fabs(x - v.x) <= t && std::fabs(y - v.y) <= t && std::fabs(z - v.z) <= t;
}

OdGeVector3d& OdGeVector3d::set(double xx, double yy, double zz) {
  x = xx;
  y = yy;
  z = zz;
  return *this;
}

OdGeVector3d& OdGeVector3d::transformBy(const OdGeMatrix3d& m) { return *this = m * *this; }

OdGeVector3d& OdGeVector3d::negate() { return *this = -*this; }

OdGeVector3d& OdGeVector3d::operator+=(const OdGeVector3d& v) { return *this = *this + v; }

OdGeVector3d& OdGeVector3d::operator-=(const OdGeVector3d& v) { return *this = *this - v; }

OdGeVector3d& OdGeVector3d::operator*=(double s) { return *this = *this * s; }

double OdGeVector2d::length() const { return std::hypot(x, y); }

bool OdGePoint3d::isEqualTo(const OdGePoint3d& p, const OdGeTol& tol) const {
  return distanceTo(p) <= tol.equalPoint();
}

OdGePoint3d& OdGePoint3d::set(double xx, double yy, double zz) {
  x = xx;
  y = yy;
  z = zz;
  return *this;
}

OdGePoint3d& OdGePoint3d::transformBy(const OdGeMatrix3d& m) { return *this = m * *this; }

OdGePoint3d& OdGePoint3d::operator+=(const OdGeVector3d& v) { return *this = *this + v; }

OdGePoint3d& OdGePoint3d::operator-=(const OdGeVector3d& v) { return *this = *this - v; }

bool OdGePoint2d::isEqualTo(const OdGePoint2d& p, const OdGeTol& tol) const {
  return std::hypot(x - p.x, y - p.y) <= tol.equalPoint();
}

OdGeMatrix3d::OdGeMatrix3d() { setToIdentity(); }

OdGeMatrix3d& OdGeMatrix3d::setToIdentity() {
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) entry[r][c] = r == c ? 1.0 : 0.0;
  }
  return *this;
}

bool OdGeMatrix3d::isIdentity(const OdGeTol& tol) const {
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) {
      if (std::fabs(entry[r][c] - (r == c ? 1.0 : 0.0)) > tol.equalVector()) return false;
    }
  }
  return true;
}

// Gauss-Jordan elimination with partial pivoting.
OdGeMatrix3d OdGeMatrix3d::inverse() const {
  double a[4][8];
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) {
      a[r][c] = entry[r][c];
      a[r][c + 4] = r == c ? 1.0 : 0.0;
    }
  }
  for (int col = 0; col < 4; ++col) {
    int pivot = col;
    for (int r = col + 1; r < 4; ++r) {
      if (std::fabs(a[r][col]) > std::fabs(a[pivot][col])) pivot = r;
    }
    if (std::fabs(a[pivot][col]) < 1e-300) {
      throw OdError(eInvalidInput, L"The matrix is singular and has no inverse");
    }
    for (int c = 0; c < 8; ++c) std::swap(a[col][c], a[pivot][c]);
    double scale = a[col][col];
    for (int c = 0; c < 8; ++c) a[col][c] /= scale;
    for (int r = 0; r < 4; ++r) {
      if (r == col) continue;
      double factor = a[r][col];
      for (int c = 0; c < 8; ++c) a[r][c] -= factor * a[col][c];
    }
  }
  OdGeMatrix3d result;
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) result.entry[r][c] = a[r][c + 4];
  }
  return result;
}

OdGeMatrix3d& OdGeMatrix3d::invert() { return *this = inverse(); }

OdGeMatrix3d& OdGeMatrix3d::setCoordSystem(const OdGePoint3d& origin, const OdGeVector3d& xAxis,
                                           const OdGeVector3d& yAxis, const OdGeVector3d& zAxis) {
  const OdGeVector3d* axes[3] = {&xAxis, &yAxis, &zAxis};
  const double o[3] = {origin.x, origin.y, origin.z};
  setToIdentity();
  for (int c = 0; c < 3; ++c) {
    entry[0][c] = axes[c]->x;
    entry[1][c] = axes[c]->y;
    entry[2][c] = axes[c]->z;
  }
  for (int r = 0; r < 3; ++r) entry[r][3] = o[r];
  return *this;
}

void OdGeMatrix3d::getCoordSystem(OdGePoint3d& origin, OdGeVector3d& xAxis, OdGeVector3d& yAxis,
                                  OdGeVector3d& zAxis) const {
  origin.set(entry[0][3], entry[1][3], entry[2][3]);
  xAxis.set(entry[0][0], entry[1][0], entry[2][0]);
  yAxis.set(entry[0][1], entry[1][1], entry[2][1]);
  zAxis.set(entry[0][2], entry[1][2], entry[2][2]);
}

OdGeVector3d OdGeMatrix3d::arbitraryXAxis(const OdGeVector3d& normal) {
  OdGeVector3d n = normal.normal();
  if (n.isZeroLength()) return OdGeVector3d::kXAxis;
  constexpr double kLimit = 1.0 / 64.0;
  if (std::fabs(n.x) < kLimit && std::fabs(n.y) < kLimit) {
    return OdGeVector3d::kYAxis.crossProduct(n).normal();
  }
  return OdGeVector3d::kZAxis.crossProduct(n).normal();
}

OdGeMatrix3d OdGeMatrix3d::planeToWorld(const OdGeVector3d& normal) {
  OdGeVector3d n = normal.normal();
  if (n.isZeroLength()) return OdGeMatrix3d();
  // The world z axis itself maps to the identity exactly, so plain drawings pass unchanged.
  if (n.x == 0.0 && n.y == 0.0 && n.z > 0.0) return OdGeMatrix3d();
  OdGeVector3d ax = arbitraryXAxis(n);
  OdGeVector3d ay = n.crossProduct(ax).normal();
  OdGeMatrix3d m;
  return m.setCoordSystem(OdGePoint3d::kOrigin, ax, ay, n);
}

OdGeMatrix3d OdGeMatrix3d::worldToPlane(const OdGeVector3d& normal) {
  // planeToWorld is a rotation: its inverse is its transpose.
  OdGeMatrix3d m = planeToWorld(normal);
  OdGeMatrix3d t;
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) t.entry[r][c] = m.entry[c][r];
  }
  return t;
}

OdGeMatrix3d OdGeMatrix3d::translation(const OdGeVector3d& v) {
  OdGeMatrix3d m;
  m.entry[0][3] = v.x;
  m.entry[1][3] = v.y;
  m.entry[2][3] = v.z;
  return m;
}

OdGeMatrix3d OdGeMatrix3d::operator*(const OdGeMatrix3d& m) const {
  OdGeMatrix3d result;
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) {
      double sum = 0.0;
      for (int k = 0; k < 4; ++k) sum += entry[r][k] * m.entry[k][c];
      result.entry[r][c] = sum;
    }
  }
  return result;
}

OdGePoint3d OdGeMatrix3d::operator*(const OdGePoint3d& p) const {
  const double in[4] = {p.x, p.y, p.z, 1.0};
  double out[4];
  for (int r = 0; r < 4; ++r) {
    out[r] = entry[r][0] * in[0] + entry[r][1] * in[1] + entry[r][2] * in[2] + entry[r][3];
  }
  if (out[3] != 1.0 && out[3] != 0.0) return {out[0] / out[3], out[1] / out[3], out[2] / out[3]};
  return {out[0], out[1], out[2]};
}

OdGeVector3d OdGeMatrix3d::operator*(const OdGeVector3d& v) const {
  return {entry[0][0] * v.x + entry[0][1] * v.y + entry[0][2] * v.z,
          entry[1][0] * v.x + entry[1][1] * v.y + entry[1][2] * v.z,
          entry[2][0] * v.x + entry[2][1] * v.y + entry[2][2] * v.z};
}

bool OdGeMatrix3d::operator==(const OdGeMatrix3d& m) const {
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) {
      if (std::fabs(entry[r][c] - m.entry[r][c]) > OdGeContext::gTol.equalVector()) return false;
    }
  }
  return true;
}
