#include "EntityKinds.h"

#include <array>
#include <cmath>
#include <numbers>

#include "Db2dPolyline.h"
#include "Db3dPolyline.h"
#include "DbArc.h"
#include "DbCircle.h"
#include "DbEllipse.h"
#include "DbFace.h"
#include "DbLine.h"
#include "DbPoint.h"
#include "DbPolyFaceMesh.h"
#include "DbPolygonMesh.h"
#include "DbPolyline.h"
#include "DbSolid.h"
#include "DbSpline.h"
#include "DbText.h"
#include "Ge/GeMatrix3d.h"

namespace dxf {
namespace {

using K = FieldKind;
constexpr double kDegree = std::numbers::pi / 180.0;

// Tables: group code, member, kind of value, default. Codes shared by all entities (handle,
// owner, layer, space, subclass markers, extended data) are the loader's, not listed here.
constexpr FieldSpec kPoint[] = {{10, "position", K::kPoint}};
constexpr FieldSpec kLine[] = {{10, "startPoint", K::kPoint}, {11, "endPoint", K::kPoint}};
constexpr FieldSpec kCircle[] = {
    {10, "center (object coordinates)", K::kPoint},
    {40, "radius", K::kReal},
    {210, "normal", K::kPoint, 1.0},
};
// ARC adds its two angles (degrees in the file) to CIRCLE.
constexpr FieldSpec kArc[] = {
    {10, "center (object coordinates)", K::kPoint},
    {40, "radius", K::kReal},
    {210, "normal", K::kPoint, 1.0},
    {50, "startAngle", K::kReal},
    {51, "endAngle", K::kReal},
};
constexpr FieldSpec kEllipse[] = {
    {10, "center", K::kPoint},
    {11, "majorAxis", K::kPoint},
    {40, "radiusRatio", K::kReal, 1.0},
    {41, "startParam", K::kReal, 0.0},
    {42, "endParam", K::kReal, 2.0 * std::numbers::pi},
    {210, "normal", K::kPoint, 1.0},
};
constexpr FieldSpec kText[] = {
    {1, "textString", K::kText},
    {10, "position (object coordinates)", K::kPoint},
    {11, "alignmentPoint (object coordinates)", K::kPoint},
    {40, "height", K::kReal},
    {50, "rotation (degrees)", K::kReal},
    {210, "normal", K::kPoint, 1.0},
};
constexpr FieldSpec kSolid[] = {
    {10, "corner 0 (object coordinates)", K::kPoint},
    {11, "corner 1", K::kPoint},
    {12, "corner 2", K::kPoint},
    {13, "corner 3", K::kPoint},
    {210, "normal", K::kPoint, 1.0},
};
constexpr FieldSpec kFace[] = {
    {10, "vertex 0", K::kPoint}, {11, "vertex 1", K::kPoint},      {12, "vertex 2", K::kPoint},
    {13, "vertex 3", K::kPoint}, {70, "invisible edges", K::kInt},
};
constexpr FieldSpec kLwPolyline[] = {
    {90, "vertex count", K::kInt},
    {70, "flags (1 closed)", K::kInt},
    {38, "elevation", K::kReal},
    {10, "vertices (object coordinates)", K::kPoints},
    {42, "bulges", K::kPerPoint, 0.0, 10},
    {40, "start widths", K::kPerPoint, -1.0, 10},
    {41, "end widths", K::kPerPoint, -1.0, 10},
    {210, "normal", K::kPoint, 1.0},
};
constexpr FieldSpec kSpline[] = {
    {70, "flags (1 closed, 2 periodic, 4 rational)", K::kInt},
    {71, "degree", K::kInt},
    {72, "knot count", K::kInt},
    {73, "control point count", K::kInt},
    {74, "fit point count", K::kInt},
    {42, "knot tolerance", K::kReal, 1e-10},
    {43, "control point tolerance", K::kReal, 1e-10},
    {40, "knots", K::kReals},
    {41, "weights", K::kReals},
    {10, "control points", K::kPoints},
    {11, "fit points", K::kPoints},
};
// POLYLINE: the elevation is the z of its point; 71/72 are mesh sizes or polyface counts.
constexpr FieldSpec kPolyline[] = {
    {10, "elevation point", K::kPoint},     {70, "flags", K::kInt},
    {71, "M size / vertex count", K::kInt}, {72, "N size / face count", K::kInt},
    {210, "normal", K::kPoint, 1.0},
};
constexpr FieldSpec kVertex[] = {
    {10, "position", K::kPoint},    {42, "bulge", K::kReal},        {70, "flags", K::kInt},
    {71, "face vertex 1", K::kInt}, {72, "face vertex 2", K::kInt}, {73, "face vertex 3", K::kInt},
    {74, "face vertex 4", K::kInt},
};

constexpr KindSpec kKinds[] = {
    {"POINT", kPoint},           {"LINE", kLine},     {"CIRCLE", kCircle},     {"ARC", kArc},
    {"ELLIPSE", kEllipse},       {"TEXT", kText},     {"SOLID", kSolid},       {"3DFACE", kFace},
    {"LWPOLYLINE", kLwPolyline}, {"SPLINE", kSpline}, {"POLYLINE", kPolyline}, {"VERTEX", kVertex},
};

OdGeVector3d normalOf(const EntityRecord& r) { return r.point(210).asVector(); }

OdGePoint3d toWorld(const OdGeVector3d& normal, const OdGePoint3d& p) {
  if (normal == OdGeVector3d::kZAxis) return p;
  return OdGeMatrix3d::planeToWorld(normal) * p;
}

OdDbEntityPtr buildPoint(const EntityRecord& r, const TextDecoder&, const DxfTagReader&) {
  OdDbPointPtr p = OdDbPoint::createObject();
  p->setPosition(r.point(10));
  return p;
}

OdDbEntityPtr buildLine(const EntityRecord& r, const TextDecoder&, const DxfTagReader&) {
  OdDbLinePtr l = OdDbLine::createObject();
  l->setStartPoint(r.point(10));
  l->setEndPoint(r.point(11));
  return l;
}

OdDbEntityPtr buildCircle(const EntityRecord& r, const TextDecoder&, const DxfTagReader&) {
  OdDbCirclePtr c = OdDbCircle::createObject();
  c->setNormal(normalOf(r));
  c->setCenter(toWorld(normalOf(r), r.point(10)));
  c->setRadius(r.real(40));
  return c;
}

OdDbEntityPtr buildArc(const EntityRecord& r, const TextDecoder&, const DxfTagReader&) {
  OdDbArcPtr a = OdDbArc::createObject();
  a->setNormal(normalOf(r));
  a->setCenter(toWorld(normalOf(r), r.point(10)));
  a->setRadius(r.real(40));
  a->setStartAngle(r.real(50) * kDegree);
  a->setEndAngle(r.real(51) * kDegree);
  return a;
}

OdDbEntityPtr buildEllipse(const EntityRecord& r, const TextDecoder&, const DxfTagReader&) {
  OdDbEllipsePtr e = OdDbEllipse::createObject();
  e->setCenter(r.point(10));
  e->setNormal(normalOf(r));
  e->setMajorAxis(r.point(11).asVector());
  e->setRadiusRatio(r.real(40));
  e->setStartParam(r.real(41));
  e->setEndParam(r.real(42));
  return e;
}

OdDbEntityPtr buildText(const EntityRecord& r, const TextDecoder& decoder, const DxfTagReader&) {
  OdDbTextPtr t = OdDbText::createObject();
  OdGeVector3d n = normalOf(r);
  t->setTextString(OdString(decoder.decode(r.text(1))));
  t->setHeight(r.real(40));
  t->setRotation(r.real(50) * kDegree);
  t->setNormal(n);
  t->setPosition(toWorld(n, r.point(10)));
  // Left-aligned text has no alignment point in the file; it then coincides with the position.
  t->setAlignmentPoint(toWorld(n, r.has(11) ? r.point(11) : r.point(10)));
  return t;
}

OdDbEntityPtr buildSolid(const EntityRecord& r, const TextDecoder&, const DxfTagReader&) {
  OdDbSolidPtr s = OdDbSolid::createObject();
  OdGeVector3d n = normalOf(r);
  s->setNormal(n);
  // A triangle may leave out the fourth corner; it then repeats the third.
  for (int i = 0; i < 4; ++i) {
    int code = (i == 3 && !r.has(13)) ? 12 : 10 + i;
    s->setPointAt(i, toWorld(n, r.point(code)));
  }
  return s;
}

OdDbEntityPtr buildFace(const EntityRecord& r, const TextDecoder&, const DxfTagReader&) {
  OdDbFacePtr f = OdDbFace::createObject();
  for (OdUInt16 i = 0; i < 4; ++i) {
    int code = (i == 3 && !r.has(13)) ? 12 : 10 + i;
    f->setVertexAt(i, r.point(code));
  }
  auto invisible = r.integer(70);
  for (OdUInt16 i = 0; i < 4; ++i) {
    if (invisible & (1 << i)) f->makeEdgeInvisibleAt(i);
  }
  return f;
}

void checkCount(const EntityRecord& r, int code, std::size_t found, const char* what,
                const DxfTagReader& reader) {
  if (!r.has(code) || r.integer(code) == static_cast<std::int64_t>(found)) return;
  reader.failAt(r.where(code), "expected " + std::to_string(r.integer(code)) + " " + what +
                                   " as group code " + std::to_string(code) + " says, found " +
                                   std::to_string(found));
}

OdDbEntityPtr buildLwPolyline(const EntityRecord& r, const TextDecoder&,
                              const DxfTagReader& reader) {
  const auto& pts = r.points(10);
  checkCount(r, 90, pts.size(), "vertices", reader);
  OdDbPolylinePtr p = OdDbPolyline::createObject();
  const auto& bulges = r.reals(42);
  const auto& starts = r.reals(40);
  const auto& ends = r.reals(41);
  for (unsigned i = 0; i < pts.size(); ++i) {
    p->addVertexAt(i, OdGePoint2d(pts[i].x, pts[i].y));
    // Set one by one: addVertexAt drops the bulge and widths of a first vertex.
    if (bulges[i] != 0.0) p->setBulgeAt(i, bulges[i]);
    if (starts[i] >= 0.0 || ends[i] >= 0.0) p->setWidthsAt(i, starts[i], ends[i]);
  }
  p->setElevation(r.real(38));
  p->setNormal(normalOf(r));
  p->setClosed((r.integer(70) & 1) != 0);
  return p;
}

OdDbEntityPtr buildSpline(const EntityRecord& r, const TextDecoder&, const DxfTagReader& reader) {
  const auto& ctrl = r.points(10);
  const auto& knots = r.reals(40);
  const auto& weights = r.reals(41);
  checkCount(r, 72, knots.size(), "knots", reader);
  checkCount(r, 73, ctrl.size(), "control points", reader);
  checkCount(r, 74, r.points(11).size(), "fit points", reader);
  if (!weights.empty() && weights.size() != ctrl.size()) {
    reader.failAt(r.where(41), "expected one weight per control point (" +
                                   std::to_string(ctrl.size()) + "), found " +
                                   std::to_string(weights.size()));
  }
  OdGePoint3dArray cp;
  for (const auto& p : ctrl) cp.append(p);
  OdGeDoubleArray kn;
  for (double k : knots) kn.append(k);
  OdGeDoubleArray w;
  for (double x : weights) w.append(x);
  auto flags = r.integer(70);
  OdDbSplinePtr s = OdDbSpline::createObject();
  s->setNurbsData(static_cast<int>(r.integer(71)), (flags & 4) != 0, (flags & 1) != 0,
                  (flags & 2) != 0, cp, kn, w, r.real(43), r.real(42));
  return s;
}

OdDbEntityPtr buildPolyline(const EntityRecord& r, const TextDecoder&, const DxfTagReader&) {
  auto flags = r.integer(70);
  switch (polylineKindOf(flags)) {
    case PolylineKind::k2d: {
      OdDb2dPolylinePtr p = OdDb2dPolyline::createObject();
      p->setElevation(r.point(10).z);
      p->setNormal(normalOf(r));
      p->setClosed((flags & 1) != 0);
      return p;
    }
    case PolylineKind::k3d: {
      OdDb3dPolylinePtr p = OdDb3dPolyline::createObject();
      p->setClosed((flags & 1) != 0);
      return p;
    }
    case PolylineKind::kPolygonMesh: {
      OdDbPolygonMeshPtr m = OdDbPolygonMesh::createObject();
      m->setMSize(static_cast<OdInt16>(r.integer(71)));
      m->setNSize(static_cast<OdInt16>(r.integer(72)));
      m->setMClosed((flags & 1) != 0);
      m->setNClosed((flags & 32) != 0);
      return m;
    }
    case PolylineKind::kPolyFaceMesh:
      return OdDbPolyFaceMesh::createObject();
  }
  return nullptr;
}

using Builder = OdDbEntityPtr (*)(const EntityRecord&, const TextDecoder&, const DxfTagReader&);

struct Factory {
  std::string_view dxfName;
  Builder build;
};

constexpr Factory kFactory[] = {
    {"POINT", buildPoint},   {"LINE", buildLine},         {"CIRCLE", buildCircle},
    {"ARC", buildArc},       {"ELLIPSE", buildEllipse},   {"TEXT", buildText},
    {"SOLID", buildSolid},   {"3DFACE", buildFace},       {"LWPOLYLINE", buildLwPolyline},
    {"SPLINE", buildSpline}, {"POLYLINE", buildPolyline},
};

}  // namespace

PolylineKind polylineKindOf(std::int64_t flags) {
  if (flags & 64) return PolylineKind::kPolyFaceMesh;
  if (flags & 16) return PolylineKind::kPolygonMesh;
  if (flags & 8) return PolylineKind::k3d;
  return PolylineKind::k2d;
}

const KindSpec* findKind(std::string_view dxfName) {
  for (const KindSpec& k : kKinds) {
    if (k.dxfName == dxfName) return &k;
  }
  return nullptr;
}

OdDbEntityPtr buildEntity(std::string_view dxfName, const EntityRecord& record,
                          const TextDecoder& decoder, const DxfTagReader& reader) {
  for (const Factory& f : kFactory) {
    if (f.dxfName == dxfName) return f.build(record, decoder, reader);
  }
  return nullptr;
}

OdDbEntityPtr buildVertex(PolylineKind kind, const EntityRecord& r) {
  switch (kind) {
    case PolylineKind::k2d: {
      OdDb2dVertexPtr v = OdDb2dVertex::createObject();
      v->setPosition(r.point(10));
      v->setBulge(r.real(42));
      return v;
    }
    case PolylineKind::k3d: {
      OdDb3dPolylineVertexPtr v = OdDb3dPolylineVertex::createObject();
      v->setPosition(r.point(10));
      return v;
    }
    case PolylineKind::kPolygonMesh: {
      OdDbPolygonMeshVertexPtr v = OdDbPolygonMeshVertex::createObject();
      v->setPosition(r.point(10));
      return v;
    }
    case PolylineKind::kPolyFaceMesh:
      break;
  }
  if (r.integer(70) & 64) {
    OdDbPolyFaceMeshVertexPtr v = OdDbPolyFaceMeshVertex::createObject();
    v->setPosition(r.point(10));
    return v;
  }
  OdDbFaceRecordPtr f = OdDbFaceRecord::createObject();
  for (OdUInt16 i = 0; i < 4; ++i) f->setVertexAt(i, static_cast<OdInt16>(r.integer(71 + i)));
  return f;
}

}  // namespace dxf
