// Circles from a plane, a centre, or three points.
#include "opennurbs_circle.h"

#include <cmath>

#include "opennurbs_intersect.h"

ON_Circle::ON_Circle(const ON_Plane& p, double r) { Create(p, r); }
ON_Circle::ON_Circle(const ON_3dPoint& center, double r) { Create(center, r); }
ON_Circle::ON_Circle(const ON_Plane& p, const ON_3dPoint& center, double r) {
  Create(p, center, r);
}
ON_Circle::ON_Circle(const ON_3dPoint& P, const ON_3dPoint& Q, const ON_3dPoint& R) {
  Create(P, Q, R);
}

bool ON_Circle::Create(const ON_Plane& p, double r) {
  plane = p;
  if (!plane.IsValid()) plane.UpdateEquation();
  radius = r;
  return r > 0.0;
}

bool ON_Circle::Create(const ON_3dPoint& center, double r) {
  ON_Plane p = ON_xy_plane;
  p.origin = center;
  p.UpdateEquation();
  return Create(p, r);
}

bool ON_Circle::Create(const ON_Plane& p, const ON_3dPoint& center, double r) {
  ON_Plane moved = p;
  moved.origin = center;
  moved.UpdateEquation();
  return Create(moved, r);
}

bool ON_Circle::Create(const ON_3dPoint& P, const ON_3dPoint& Q, const ON_3dPoint& R) {
  ON_3dVector Z;
  Z.PerpendicularTo(P, Q, R);  // zero when collinear or coincident
  const ON_Plane A(P, Z);
  const ON_Plane B(0.5 * (P + Q), P - Q);
  const ON_Plane C(0.5 * (R + Q), R - Q);
  ON_3dPoint C0;
  const bool solved = ON_Intersect(A, B, C, C0);  // C0 stays (0,0,0) on failure
  ON_3dVector X = P - C0;
  const double r = X.Length();
  X.Unitize();
  ON_3dVector Y = ON_CrossProduct(Z, X);
  Y.Unitize();
  plane.origin = C0;
  plane.xaxis = X;
  plane.yaxis = Y;
  plane.zaxis = Z;
  plane.UpdateEquation();
  radius = r;
  return solved && IsValid();
}

const ON_3dPoint& ON_Circle::Center() const { return plane.origin; }
double ON_Circle::Radius() const { return radius; }
double ON_Circle::Diameter() const { return 2.0 * radius; }
double ON_Circle::Circumference() const { return 2.0 * ON_PI * std::fabs(radius); }
const ON_3dVector& ON_Circle::Normal() const { return plane.zaxis; }
const ON_Plane& ON_Circle::Plane() const { return plane; }

ON_3dPoint ON_Circle::PointAt(double t) const {
  return plane.PointAt(std::cos(t) * radius, std::sin(t) * radius);
}

bool ON_Circle::ClosestPointTo(const ON_3dPoint& Q, double* t) const {
  if (t == nullptr) return false;
  const ON_3dVector v = Q - plane.origin;
  const double u = ON_DotProduct(v, plane.xaxis);
  const double w = ON_DotProduct(v, plane.yaxis);
  if (u == 0.0 && w == 0.0) {
    *t = 0.0;
    return true;
  }
  *t = std::atan2(w, u);
  if (*t < 0.0) *t += 2.0 * ON_PI;
  return true;
}

bool ON_Circle::IsValid() const { return ON_IsValid(radius) && radius > 0.0 && plane.IsValid(); }
