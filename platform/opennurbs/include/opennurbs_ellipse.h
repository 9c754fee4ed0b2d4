// ON_Ellipse: an ellipse centred at plane.origin with radius[0] along the x axis and radius[1]
// along the y axis.
#pragma once

#include "opennurbs_circle.h"

class ON_Ellipse {
 public:
  ON_Plane plane;
  double radius[2] = {0.0, 0.0};

  ON_Ellipse() = default;
  ON_Ellipse(const ON_Plane& plane, double r1, double r2);
  explicit ON_Ellipse(const ON_Circle& circle);

  // Copies the plane as given (no equation update) and both radii, whatever they are; returns
  // IsValid().
  bool Create(const ON_Plane& plane, double r1, double r2);
  bool Create(const ON_Circle& circle);

  const ON_3dPoint& Center() const;
  double Radius(int i) const;  // i = 0 or 1
  // plane.PointAt(cos(t)*radius[0], sin(t)*radius[1]).
  ON_3dPoint PointAt(double t) const;
  // Plane valid and both radii > ON_ZERO_TOLERANCE.
  bool IsValid() const;
};
