// Planes from a normal or a frame, evaluation and validation.
#include "opennurbs_plane.h"

#include <algorithm>
#include <cmath>

namespace {

// Built from literals, not from the point and vector constants of another translation unit,
// whose initialisation order across files is not fixed.
ON_Plane MakeWorldXy() {
  ON_Plane p;
  p.CreateFromFrame(ON_3dPoint(0, 0, 0), ON_3dVector(1, 0, 0), ON_3dVector(0, 1, 0));
  return p;
}

}  // namespace

const ON_Plane ON_xy_plane = MakeWorldXy();
const ON_Plane ON_Plane::World_xy = MakeWorldXy();

ON_Plane::ON_Plane()
    : origin(0.0, 0.0, 0.0),
      xaxis(1.0, 0.0, 0.0),
      yaxis(0.0, 1.0, 0.0),
      zaxis(0.0, 0.0, 1.0),
      plane_equation(0.0, 0.0, 1.0, 0.0) {}

ON_Plane::ON_Plane(const ON_3dPoint& P, const ON_3dVector& N) : plane_equation(0, 0, 0, 0) {
  CreateFromNormal(P, N);
}

ON_Plane::ON_Plane(const ON_3dPoint& P, const ON_3dVector& X, const ON_3dVector& Y)
    : plane_equation(0, 0, 0, 0) {
  CreateFromFrame(P, X, Y);
}

bool ON_Plane::CreateFromNormal(const ON_3dPoint& P, const ON_3dVector& N) {
  origin = P;
  zaxis = N;
  const bool rc = zaxis.Unitize();
  xaxis.PerpendicularTo(zaxis);
  xaxis.Unitize();
  yaxis = ON_CrossProduct(zaxis, xaxis);
  yaxis.Unitize();
  UpdateEquation();
  return rc;
}

bool ON_Plane::CreateFromFrame(const ON_3dPoint& P, const ON_3dVector& X, const ON_3dVector& Y) {
  const ON_3dPoint p = P;  // copies: the arguments may alias our own members
  const ON_3dVector x = X;
  const ON_3dVector y = Y;
  origin = p;
  xaxis = x;
  xaxis.Unitize();
  yaxis = y - ON_DotProduct(y, xaxis) * xaxis;
  yaxis.Unitize();
  zaxis = ON_CrossProduct(xaxis, yaxis);
  bool rc = zaxis.Unitize();
  UpdateEquation();
  if (rc) rc = IsValid() && std::fabs(ON_DotProduct(y, zaxis)) <= ON_SQRT_EPSILON * y.Length();
  return rc;
}

bool ON_Plane::UpdateEquation() { return plane_equation.Create(origin, zaxis); }

ON_3dPoint ON_Plane::PointAt(double s, double t) const {
  return ON_3dPoint(origin.x + s * xaxis.x + t * yaxis.x, origin.y + s * xaxis.y + t * yaxis.y,
                    origin.z + s * xaxis.z + t * yaxis.z);
}

ON_3dPoint ON_Plane::PointAt(double s, double t, double c) const {
  const ON_3dPoint p = PointAt(s, t);
  return ON_3dPoint(p.x + c * zaxis.x, p.y + c * zaxis.y, p.z + c * zaxis.z);
}

const ON_3dPoint& ON_Plane::Origin() const { return origin; }
const ON_3dVector& ON_Plane::Xaxis() const { return xaxis; }
const ON_3dVector& ON_Plane::Yaxis() const { return yaxis; }
const ON_3dVector& ON_Plane::Zaxis() const { return zaxis; }
const ON_3dVector& ON_Plane::Normal() const { return zaxis; }

void ON_Plane::SetOrigin(const ON_3dPoint& P) {
  origin = P;
  UpdateEquation();
}

namespace {

bool EquationPassesThrough(const ON_PlaneEquation& e, const ON_3dPoint& P) {
  const double dist = std::fabs(e.ValueAt(P));
  const double scale = std::max({std::fabs(P.x), std::fabs(P.y), std::fabs(P.z)}) + std::fabs(e.d);
  const double tol = scale > 1000.0 ? scale * 10.0 * ON_EPSILON : ON_ZERO_TOLERANCE;
  return !(dist > tol);  // a NaN distance passes, as on the platform
}

bool IsUnit(const ON_3dVector& v) { return std::fabs(v.Length() - 1.0) <= ON_SQRT_EPSILON; }

bool IsOrthonormalFrame(const ON_3dVector& x, const ON_3dVector& y, const ON_3dVector& z) {
  if (!IsUnit(x) || !IsUnit(y) || !IsUnit(z)) return false;
  if (std::fabs(ON_DotProduct(x, y)) > ON_SQRT_EPSILON) return false;
  if (std::fabs(ON_DotProduct(y, z)) > ON_SQRT_EPSILON) return false;
  if (std::fabs(ON_DotProduct(z, x)) > ON_SQRT_EPSILON) return false;
  return ON_DotProduct(ON_CrossProduct(x, y), z) > ON_SQRT_EPSILON;
}

}  // namespace

bool ON_Plane::IsValid() const {
  if (!plane_equation.IsValid()) return false;
  if (!EquationPassesThrough(plane_equation, origin)) return false;
  if (!IsOrthonormalFrame(xaxis, yaxis, zaxis)) return false;
  const ON_3dVector n =
      ON_3dVector(plane_equation.x, plane_equation.y, plane_equation.z).UnitVector();
  return std::fabs(ON_DotProduct(n, zaxis) - 1.0) <= ON_SQRT_EPSILON;
}
