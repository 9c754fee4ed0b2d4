#include "app/EntityExtents.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "DbCurve.h"
#include "DbFace.h"
#include "DbObjectIterator.h"
#include "DbPoint.h"
#include "DbPolyFaceMesh.h"
#include "DbPolyFaceMeshVertex.h"
#include "DbPolygonMesh.h"
#include "DbPolygonMeshVertex.h"
#include "DbSolid.h"
#include "DbText.h"

namespace app {
namespace {

constexpr double kStepsPerTurn = 256.0;
constexpr double kStepsPerUnit = 64.0;
constexpr double kMostSteps = 1 << 20;

// Parameters of circles, arcs and ellipses are angles; of polylines vertex numbers; of splines
// the knot values. The finer of the two spacings serves them all.
std::optional<Extents> CurveExtents(const OdDbCurve& curve) {
  double start = 0.0;
  double end = 0.0;
  if (curve.getStartParam(start) != eOk || curve.getEndParam(end) != eOk) return std::nullopt;
  if (!std::isfinite(start) || !std::isfinite(end) || end < start) return std::nullopt;
  const double span = end - start;
  const double perUnit = std::max(kStepsPerUnit, kStepsPerTurn / (2.0 * std::numbers::pi));
  const double steps = std::clamp(std::ceil(span * perUnit), 1.0, kMostSteps);
  std::optional<Extents> extents;
  for (double i = 0.0; i <= steps; i += 1.0) {
    OdGePoint3d point;
    const double param = i == steps ? end : start + span * (i / steps);
    if (curve.getPointAtParam(param, point) != eOk) continue;
    if (!extents) extents = Extents{point, point};
    extents->Add(point);
  }
  return extents;
}

template <typename Vertex, typename Owner>
std::optional<Extents> VertexExtents(const Owner& owner) {
  std::optional<Extents> extents;
  for (OdDbObjectIteratorPtr it = owner.vertexIterator(); !it->done(); it->step()) {
    OdSmartPtr<Vertex> vertex = Vertex::cast(it->entity().get());
    if (vertex.isNull()) continue;  // a polyface mesh's face records
    const OdGePoint3d point = vertex->position();
    if (!extents) extents = Extents{point, point};
    extents->Add(point);
  }
  return extents;
}

template <typename Corners>
Extents CornerExtents(const Corners& corners) {
  Extents extents{corners[0], corners[0]};
  for (const OdGePoint3d& corner : corners) extents.Add(corner);
  return extents;
}

std::optional<Extents> FaceExtents(OdDbEntity& entity) {
  OdGePoint3d corners[4];
  if (OdDbFacePtr face = OdDbFace::cast(&entity); !face.isNull()) {
    for (OdUInt16 i = 0; i < 4; ++i) {
      if (face->getVertexAt(i, corners[i]) != eOk) return std::nullopt;
    }
    return CornerExtents(corners);
  }
  if (OdDbSolidPtr solid = OdDbSolid::cast(&entity); !solid.isNull()) {
    for (int i = 0; i < 4; ++i) {
      if (solid->getPointAt(i, corners[i]) != eOk) return std::nullopt;
    }
    return CornerExtents(corners);
  }
  return std::nullopt;
}

}  // namespace

void Extents::Add(const OdGePoint3d& point) {
  min.set(std::min(min.x, point.x), std::min(min.y, point.y), std::min(min.z, point.z));
  max.set(std::max(max.x, point.x), std::max(max.y, point.y), std::max(max.z, point.z));
}

std::optional<Extents> EntityExtents(OdDbEntity& entity) {
  if (OdDbPointPtr point = OdDbPoint::cast(&entity); !point.isNull()) {
    return Extents{point->position(), point->position()};
  }
  if (OdDbTextPtr text = OdDbText::cast(&entity); !text.isNull()) {
    return Extents{text->position(), text->position()};
  }
  if (OdDbCurvePtr curve = OdDbCurve::cast(&entity); !curve.isNull()) return CurveExtents(*curve);
  if (OdDbPolygonMeshPtr mesh = OdDbPolygonMesh::cast(&entity); !mesh.isNull()) {
    return VertexExtents<OdDbPolygonMeshVertex>(*mesh);
  }
  if (OdDbPolyFaceMeshPtr mesh = OdDbPolyFaceMesh::cast(&entity); !mesh.isNull()) {
    return VertexExtents<OdDbPolyFaceMeshVertex>(*mesh);
  }
  return FaceExtents(entity);
}

PlanWindow PlanWindow::FromCorners(const OdGePoint3d& a, const OdGePoint3d& b) {
  return PlanWindow{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

bool PlanWindow::Encloses(const Extents& extents) const {
  return extents.min.x >= minX && extents.max.x <= maxX && extents.min.y >= minY &&
         extents.max.y <= maxY;
}

bool PlanWindow::Meets(const Extents& extents) const {
  return extents.max.x >= minX && extents.min.x <= maxX && extents.max.y >= minY &&
         extents.min.y <= maxY;
}

}  // namespace app
