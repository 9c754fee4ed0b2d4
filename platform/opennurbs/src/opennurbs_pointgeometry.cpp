// The point geometry object.
#include "opennurbs_pointgeometry.h"

ON_Point::ON_Point(const ON_3dPoint& p) : point(p) {}
ON_Point::ON_Point(double x, double y, double z) : point(x, y, z) {}
ON_Point& ON_Point::operator=(const ON_3dPoint& p) {
  point = p;
  return *this;
}
ON_Point::operator ON_3dPoint() const { return point; }
bool ON_Point::IsValid() const { return point.IsValid(); }
