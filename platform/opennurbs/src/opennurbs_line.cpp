// Line segments.
#include "opennurbs_line.h"

ON_Line::ON_Line(const ON_3dPoint& a, const ON_3dPoint& b) : from(a), to(b) {}

ON_3dPoint& ON_Line::operator[](int i) { return i <= 0 ? from : to; }
const ON_3dPoint& ON_Line::operator[](int i) const { return i <= 0 ? from : to; }

namespace {

// An exactly equal pair keeps `a` itself, so equal ends give back the same double.
double Blend(double a, double b, double s, double t) { return a == b ? a : s * a + t * b; }

}  // namespace

ON_3dPoint ON_Line::PointAt(double t) const {
  const double s = 1.0 - t;
  return ON_3dPoint(Blend(from.x, to.x, s, t), Blend(from.y, to.y, s, t),
                    Blend(from.z, to.z, s, t));
}

ON_3dVector ON_Line::Direction() const { return to - from; }
double ON_Line::Length() const { return from.DistanceTo(to); }
bool ON_Line::IsValid() const { return from.IsValid() && to.IsValid() && from != to; }
