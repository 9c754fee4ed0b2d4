// Polylines.
#include "opennurbs_polyline.h"

ON_Polyline::ON_Polyline(const ON_3dPointArray& points) : ON_3dPointArray(points) {}

ON_Polyline& ON_Polyline::operator=(const ON_3dPointArray& points) {
  ON_3dPointArray::operator=(points);
  return *this;
}

int ON_Polyline::PointCount() const { return Count(); }
int ON_Polyline::SegmentCount() const { return Count() > 1 ? Count() - 1 : 0; }

namespace {

// A tolerance of zero or less means exact equality of the doubles (+0 equals -0, NaN equals
// nothing). The platform's relative comparison (about 1.5e-8 of the magnitudes) would call a
// survey polyline closed when its last vertex lies centimetres from its first, and the export
// would then drop that real vertex.
bool SamePoint(const ON_3dPoint& a, const ON_3dPoint& b, double tolerance) {
  if (tolerance > 0.0) return a.DistanceTo(b) <= tolerance;
  return a.x == b.x && a.y == b.y && a.z == b.z;
}

}  // namespace

bool ON_Polyline::IsClosed(double tolerance) const {
  const int last = Count() - 1;
  if (last < 3) return false;
  const ON_3dPoint& first = (*this)[0];
  const ON_3dPoint& end = (*this)[last];
  if (!SamePoint(first, end, tolerance)) return false;
  for (int i = 1; i < last; ++i) {
    const ON_3dPoint& p = (*this)[i];
    if (!SamePoint(p, first, tolerance) && !SamePoint(p, end, tolerance)) return true;
  }
  return false;
}

double ON_Polyline::Length() const {
  double length = 0.0;
  for (int i = 1; i < Count(); ++i) length += (*this)[i - 1].DistanceTo((*this)[i]);
  return length;
}
