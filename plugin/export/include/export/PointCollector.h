// PointCollector: the walk of the export over one entity at a time. Runs the fixed sequence of
// class checks on each entity and appends the points the options ask for to one point list.
// The export command runs it; the fuzz target and the stage benchmark run it without the dialogs.
#pragma once

#include <utility>
#include <vector>

#include "DbEntity.h"
#include "DbObjectId.h"
#include "opennurbs.h"
#include "options/export_options.h"

class PointCollector {
 public:
  // Appends to `points`; both references must outlive the collector.
  PointCollector(const ExportOptions& options, ON_3dPointArray& points);

  // Opens the object for read (an erased object or one that cannot be opened raises the host's
  // error, which is not caught) and collects from it; an object that is not an entity adds
  // nothing.
  void CollectObject(const OdDbObjectId& id);

  // The checks, in this order: point entities (only when the options export them); nothing more
  // unless extraction is on; lines, circles, arcs, ellipses, splines by exact class name; the
  // vertices of meshes, faces, solids and polylines, whatever the class; text. A converter that
  // fails contributes nothing for its check.
  void CollectEntity(const OdDbEntityPtr& entity);

 private:
  using Check = void (PointCollector::*)(const OdDbEntityPtr&);
  // What the class-name checks decide for one runtime class. The names differ, so a class
  // matches at most one named check; `vertices` marks the classes whose vertices the mesh or
  // polyline converters take (any other class gives them nothing).
  struct ClassPlan {
    bool point = false;
    Check curve = nullptr;
    bool vertices = false;
    bool text = false;
  };
  struct NamedCheck {
    const wchar_t* className;
    Check check;
  };
  static const NamedCheck kCurveChecks[];

  // The plan depends only on the class, so it is decided once per class and run; the classes of
  // the entities walked outlive the walk.
  const ClassPlan& PlanOf(const OdRxClass* cls);
  static ClassPlan DecidePlan(const OdString& className);

  void CollectPoint(const OdDbEntityPtr& entity);
  void CollectLine(const OdDbEntityPtr& entity);
  void CollectCircle(const OdDbEntityPtr& entity);
  void CollectArc(const OdDbEntityPtr& entity);
  void CollectEllipse(const OdDbEntityPtr& entity);
  void CollectSpline(const OdDbEntityPtr& entity);
  void CollectVertices(const OdDbEntityPtr& entity);
  void CollectPolylineVertices(const OdDbEntityPtr& entity);
  void CollectText(const OdDbEntityPtr& entity);
  void Append(const ON_3dPoint& point) { m_points.Append(point); }

  const ExportOptions& m_options;
  ON_3dPointArray& m_points;
  // Few classes occur in one drawing: a short list, the last one found first.
  std::vector<std::pair<const OdRxClass*, ClassPlan>> m_plans;
  size_t m_lastPlan = 0;

  // Working geometry, built once per run and reused for every entity; each converter assigns a
  // complete value on success, and only then is its object read.
  ON_3dPoint m_point;
  ON_Line m_line;
  ON_Circle m_circle;
  ON_Arc m_arc;
  ON_Ellipse m_ellipse;
  ON_NurbsCurve m_spline;
  ON_Polyline m_polyline;
  ON_Mesh m_mesh;
  ON_TextEntity m_text;
};
