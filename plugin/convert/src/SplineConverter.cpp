// Splines.
#include <vector>

#include "HostErrorGuard.h"
#include "HostValues.h"
#include "convert/ConvertSpline.h"

using convert_internal::GuardHostErrors;
using convert_internal::ToOn;

namespace {

// The geometry library does not store the two end knots: its knot i is host knot i + 1. Host
// knots past the curve's knot vector are refused by SetKnot; the element access is bound-tested.
void CopyInnerKnots(const OdGeDoubleArray& knots, ON_NurbsCurve& curve) {
  for (OdGeDoubleArray::size_type i = 1; i + 1 < knots.size(); ++i) {
    curve.SetKnot(static_cast<int>(i - 1), knots.at(i));
  }
}

// Checked before order = degree + 1 is formed, so that no degree can overflow it.
bool FormsCurve(int degree, int controlPointCount, bool hasKnots) {
  return degree >= 1 && degree < controlPointCount && hasKnots;
}

}  // namespace

int ConvertSpline(OdDbSplinePtr spline, ON_NurbsCurve& output) {
  return GuardHostErrors([&] {
    int degree = 0;
    bool rational = false, closed = false, periodic = false;
    OdGePoint3dArray controlPoints;
    OdGeDoubleArray knots, weights;
    double controlPointTol = 0.0, knotTol = 0.0;
    spline->getNurbsData(degree, rational, closed, periodic, controlPoints, knots, weights,
                         controlPointTol, knotTol);
    const int count = static_cast<int>(controlPoints.size());
    if (!FormsCurve(degree, count, !knots.isEmpty())) return 0;
    std::vector<ON_3dPoint> points;
    points.reserve(controlPoints.size());
    for (const OdGePoint3d& point : controlPoints) points.push_back(ToOn(point));
    ON_NurbsCurve curve;
    if (!curve.CreateClampedUniformNurbs(3, degree + 1, count, points.data(), 1.0)) return 0;
    CopyInnerKnots(knots, curve);
    output = curve;
    return 1;
  });
}
