// Geometry shared by the curve classes.
#include "CurveGeometry.h"

#include <algorithm>
#include <cmath>

namespace curve_geometry {

bool paramInRange(double param, double start, double end) {
  double slack = 1e-10 * std::max(1.0, std::fabs(end - start));
  return param >= start - slack && param <= end + slack;
}

OdGePoint3d pointOnCircle(const OdGePoint3d& center, const OdGeVector3d& normal, double radius,
                          double angle) {
  OdGeVector3d local(radius * std::cos(angle), radius * std::sin(angle), 0.0);
  return center + OdGeMatrix3d::planeToWorld(normal) * local;
}

OdGePoint2d pointOnBulgeSegment(const OdGePoint2d& p0, const OdGePoint2d& p1, double bulge,
                                double f) {
  double cx = p1.x - p0.x;
  double cy = p1.y - p0.y;
  double chord = std::hypot(cx, cy);
  if (bulge == 0.0 || chord == 0.0) return {p0.x + f * cx, p0.y + f * cy};
  double angle = 4.0 * std::atan(bulge);
  // The centre lies on the chord's perpendicular bisector, left of the chord for a positive bulge.
  double offset = (chord / 2.0) / std::tan(angle / 2.0);
  double mx = (p0.x + p1.x) / 2.0 - cy / chord * offset;
  double my = (p0.y + p1.y) / 2.0 + cx / chord * offset;
  double rx = p0.x - mx;
  double ry = p0.y - my;
  double c = std::cos(f * angle);
  double s = std::sin(f * angle);
  return {mx + rx * c - ry * s, my + rx * s + ry * c};
}

bool splitSegmentParam(double param, unsigned segments, unsigned& index, double& fraction) {
  if (segments == 0 || !paramInRange(param, 0.0, segments)) return false;
  double clamped = std::clamp(param, 0.0, static_cast<double>(segments));
  index = std::min(static_cast<unsigned>(clamped), segments - 1);
  fraction = clamped - index;
  return true;
}

}  // namespace curve_geometry
