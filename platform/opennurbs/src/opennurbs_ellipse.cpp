// Ellipses.
#include "opennurbs_ellipse.h"

#include <cmath>

ON_Ellipse::ON_Ellipse(const ON_Plane& p, double r1, double r2) { Create(p, r1, r2); }
ON_Ellipse::ON_Ellipse(const ON_Circle& c) { Create(c); }

bool ON_Ellipse::Create(const ON_Plane& p, double r1, double r2) {
  plane = p;
  radius[0] = r1;
  radius[1] = r2;
  return IsValid();
}

bool ON_Ellipse::Create(const ON_Circle& c) { return Create(c.plane, c.radius, c.radius); }

const ON_3dPoint& ON_Ellipse::Center() const { return plane.origin; }
double ON_Ellipse::Radius(int i) const { return radius[i <= 0 ? 0 : 1]; }

ON_3dPoint ON_Ellipse::PointAt(double t) const {
  return plane.PointAt(std::cos(t) * radius[0], std::sin(t) * radius[1]);
}

bool ON_Ellipse::IsValid() const {
  return plane.IsValid() && radius[0] > ON_ZERO_TOLERANCE && radius[1] > ON_ZERO_TOLERANCE;
}
