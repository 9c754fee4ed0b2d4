// OdGePoint2d: a 2D point of doubles (drawing units), e.g. a lightweight polyline vertex in its
// object coordinate plane.
#pragma once

#include "Ge/GeContext.h"

class OdGePoint2d {
 public:
  OdGePoint2d() = default;
  OdGePoint2d(double xx, double yy) : x(xx), y(yy) {}

  bool isEqualTo(const OdGePoint2d& p, const OdGeTol& tol = OdGeContext::gTol) const;
  OdGePoint2d& set(double xx, double yy) {
    x = xx;
    y = yy;
    return *this;
  }
  bool operator==(const OdGePoint2d& p) const { return x == p.x && y == p.y; }

  double x = 0.0;
  double y = 0.0;
};
