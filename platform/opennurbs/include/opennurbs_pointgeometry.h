// ON_Point: a point as a geometry object.
#pragma once

#include "opennurbs_point.h"

class ON_Point {
 public:
  ON_3dPoint point;  // default (0,0,0)

  ON_Point() = default;
  explicit ON_Point(const ON_3dPoint& point);
  ON_Point(double x, double y, double z);
  ON_Point& operator=(const ON_3dPoint& p);
  operator ON_3dPoint() const;  // NOLINT(google-explicit-constructor)
  bool IsValid() const;
};
