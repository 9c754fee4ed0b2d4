// Points, lines, circles, arcs and ellipses.
#include <utility>

#include "HostErrorGuard.h"
#include "HostValues.h"
#include "convert/ConvertCurves.h"

using convert_internal::GuardHostErrors;
using convert_internal::NormalOrWorldZ;
using convert_internal::ToOn;

namespace {

// The circle in the plane through center whose z axis is the unitised normal; the geometry
// library chooses the x axis.
ON_Circle CircleAbout(const OdGePoint3d& center, const OdGeVector3d& normal, double radius) {
  const ON_Plane plane(ToOn(center), ToOn(NormalOrWorldZ(normal)));
  return ON_Circle(plane, ToOn(center), radius);
}

}  // namespace

int ConvertPoint(OdDbPointPtr point, ON_Point& output) {
  return GuardHostErrors([&] {
    output = ON_Point(ToOn(point->position()));
    return 1;
  });
}

int ExtractPoint(OdDbPointPtr point, ON_3dPoint& output) {
  return GuardHostErrors([&] {
    ON_Point converted;
    if (!ConvertPoint(std::move(point), converted)) return 0;
    output = converted.point;
    return 1;
  });
}

int ConvertLine(OdDbLinePtr line, ON_LineCurve& output) {
  return GuardHostErrors([&] {
    const OdGePoint3d start = line->startPoint();
    const OdGePoint3d end = line->endPoint();
    output = ON_LineCurve(ToOn(start), ToOn(end));
    return 1;
  });
}

int ExtractLine(OdDbLinePtr line, ON_Line& output) {
  return GuardHostErrors([&] {
    ON_LineCurve converted;
    if (!ConvertLine(std::move(line), converted)) return 0;
    output = converted.m_line;
    return 1;
  });
}

int ConvertCircle(OdDbCirclePtr circle, ON_ArcCurve& output) {
  return GuardHostErrors([&] {
    const OdGeVector3d normal = circle->normal();
    const OdGePoint3d center = circle->center();
    const double radius = circle->radius();
    output = ON_ArcCurve(CircleAbout(center, normal, radius));
    return 1;
  });
}

int ExtractCircle(OdDbCirclePtr circle, ON_Circle& output) {
  return GuardHostErrors([&] {
    ON_ArcCurve converted;
    if (!ConvertCircle(std::move(circle), converted)) return 0;
    output.plane = converted.m_arc.plane;
    output.radius = converted.m_arc.radius;
    return 1;
  });
}

int ConvertArc(OdDbArcPtr arc, ON_Arc& output) {
  return GuardHostErrors([&] {
    // The curve queries' status results are not tested: an arc always has geometry, and a point
    // left at the origin would only feed the three-point test below.
    OdGePoint3d start(0.0, 0.0, 0.0);
    OdGePoint3d end(0.0, 0.0, 0.0);
    arc->getStartPoint(start);
    arc->getEndPoint(end);
    if (start.isEqualTo(end, OdGeContext::gTol)) {
      output = CircleAbout(arc->center(), arc->normal(), arc->radius());
      return 1;
    }
    double startParam = 0.0;
    double endParam = 0.0;
    arc->getStartParam(startParam);
    arc->getEndParam(endParam);
    OdGePoint3d mid(0.0, 0.0, 0.0);
    arc->getPointAtParam((endParam + startParam) * 0.5, mid);
    ON_Arc built;
    if (!built.Create(ToOn(start), ToOn(mid), ToOn(end))) return 0;
    output = built;
    return 1;
  });
}

int ConvertEllipse(OdDbEllipsePtr ellipse, ON_Ellipse& output) {
  return GuardHostErrors([&] {
    const OdGePoint3d center = ellipse->center();
    const OdGeVector3d major = ellipse->majorAxis();
    const OdGeVector3d minor = ellipse->minorAxis();
    const ON_Plane plane(ToOn(center), ToOn(major), ToOn(minor));
    output = ON_Ellipse(plane, major.length(), minor.length());
    return 1;
  });
}
