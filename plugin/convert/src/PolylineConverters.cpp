// Lightweight, 2D and 3D polylines, their dispatcher and the polyline extractor.
#include <utility>

#include "Ge/GeMatrix3d.h"
#include "HostErrorGuard.h"
#include "HostValues.h"
#include "convert/ConvertPolylines.h"

using convert_internal::ForEachSubObject;
using convert_internal::GuardHostErrors;
using convert_internal::HasClassName;
using convert_internal::OpenSubObject;
using convert_internal::ToOn;

namespace {

void RepeatFirstIfClosed(ON_3dPointArray& points, bool closed) {
  if (closed && points.Count() > 0) points.Append(points[0]);
}

bool IsWorldZ(const OdGeVector3d& normal) {
  return normal.x == 0.0 && normal.y == 0.0 && (normal.z == 1.0 || normal.z == 0.0);
}

// Object coordinates (x, y, elevation) of a 2D polyline vertex in the world. A +Z (or zero)
// normal keeps the doubles untouched rather than multiplying them by an identity matrix.
ON_3dPoint PlaceInWorld(double x, double y, double elevation, const OdGeVector3d& normal) {
  if (IsWorldZ(normal)) return ON_3dPoint(x, y, elevation);
  OdGePoint3d point(x, y, elevation);
  point.transformBy(OdGeMatrix3d::planeToWorld(normal));
  return ToOn(point);
}

}  // namespace

int ConvertPolyline(OdDbPolylinePtr polyline, ON_PolylineCurve& output) {
  return GuardHostErrors([&] {
    ON_3dPointArray points;
    for (unsigned int i = 0; i < polyline->numVerts(); ++i) {
      OdGePoint3d point(0.0, 0.0, 0.0);
      polyline->getPointAt(i, point);
      points.Append(ToOn(point));
    }
    RepeatFirstIfClosed(points, polyline->isClosed());
    output = ON_PolylineCurve(points);
    return 1;
  });
}

int Convert2dPolyline(OdDb2dPolylinePtr polyline, ON_PolylineCurve& output) {
  return GuardHostErrors([&] {
    const double elevation = polyline->elevation();
    const OdGeVector3d normal = polyline->normal();
    ON_3dPointArray points;
    ForEachSubObject(polyline->vertexIterator(), [&](const OdDbObjectId& id) {
      const OdGePoint3d position = OpenSubObject<OdDb2dVertex>(id)->position();
      points.Append(PlaceInWorld(position.x, position.y, elevation, normal));
      return true;
    });
    RepeatFirstIfClosed(points, polyline->isClosed());
    output = ON_PolylineCurve(points);
    return 1;
  });
}

int Convert3dPolyline(OdDb3dPolylinePtr polyline, ON_PolylineCurve& output) {
  return GuardHostErrors([&] {
    ON_3dPointArray points;
    ForEachSubObject(polyline->vertexIterator(), [&](const OdDbObjectId& id) {
      points.Append(ToOn(OpenSubObject<OdDb3dPolylineVertex>(id)->position()));
      return true;
    });
    RepeatFirstIfClosed(points, polyline->isClosed());
    output = ON_PolylineCurve(points);
    return 1;
  });
}

namespace {

struct PolylineClass {
  const wchar_t* className;
  int (*convert)(const OdDbEntityPtr& entity, ON_PolylineCurve& output);
};

// ConvertPolylineEntity's classes, in the order they are compared.
const PolylineClass kPolylineClasses[] = {
    {L"AcDbPolyline",
     [](const OdDbEntityPtr& e, ON_PolylineCurve& o) { return ConvertPolyline(e, o); }},
    {L"AcDb2dPolyline",
     [](const OdDbEntityPtr& e, ON_PolylineCurve& o) { return Convert2dPolyline(e, o); }},
    {L"AcDb3dPolyline",
     [](const OdDbEntityPtr& e, ON_PolylineCurve& o) { return Convert3dPolyline(e, o); }},
};

}  // namespace

int ConvertPolylineEntity(OdDbEntityPtr entity, ON_PolylineCurve& output) {
  return GuardHostErrors([&] {
    for (const PolylineClass& named : kPolylineClasses) {
      if (HasClassName(*entity, named.className)) return named.convert(entity, output);
    }
    return 0;
  });
}

bool IsPolylineEntityClass(const OdString& className) {
  for (const PolylineClass& named : kPolylineClasses) {
    if (className == named.className) return true;
  }
  return false;
}

int ExtractPolyline(OdDbEntityPtr entity, ON_Polyline& output) {
  return GuardHostErrors([&] {
    ON_PolylineCurve converted;
    if (!ConvertPolylineEntity(std::move(entity), converted)) return 0;
    output = converted.m_pline;
    return 1;
  });
}
