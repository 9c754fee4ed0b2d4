#include "export/PointCollector.h"

#include "DbArc.h"
#include "DbCircle.h"
#include "DbEllipse.h"
#include "DbLine.h"
#include "DbObject.h"
#include "DbPoint.h"
#include "DbSpline.h"
#include "DbText.h"
#include "convert/Converters.h"

// Names are compared exactly and case-sensitively: a class derived from one of these under
// another name is not recognised, as on the host.
const PointCollector::NamedCheck PointCollector::kCurveChecks[] = {
    {L"AcDbLine", &PointCollector::CollectLine},
    {L"AcDbCircle", &PointCollector::CollectCircle},
    {L"AcDbArc", &PointCollector::CollectArc},
    {L"AcDbEllipse", &PointCollector::CollectEllipse},
    {L"AcDbSpline", &PointCollector::CollectSpline},
};

PointCollector::PointCollector(const ExportOptions& options, ON_3dPointArray& points)
    : m_options(options), m_points(points) {}

void PointCollector::CollectObject(const OdDbObjectId& id) {
  OdDbObjectPtr object = id.safeOpenObject(OdDb::kForRead, false);
  OdDbEntityPtr entity(static_cast<OdDbEntity*>(object->queryX(OdDbEntity::desc())),
                       kOdRxObjAttach);
  if (entity.isNull()) return;
  CollectEntity(entity);
}

void PointCollector::CollectEntity(const OdDbEntityPtr& entity) {
  const ClassPlan& plan = PlanOf(entity->isA());
  if (plan.point) CollectPoint(entity);
  if (!m_options.extract) return;
  if (plan.curve != nullptr) (this->*plan.curve)(entity);
  if (m_options.vertex && plan.vertices) CollectVertices(entity);
  if (plan.text) CollectText(entity);
}

const PointCollector::ClassPlan& PointCollector::PlanOf(const OdRxClass* cls) {
  if (m_lastPlan < m_plans.size() && m_plans[m_lastPlan].first == cls) {
    return m_plans[m_lastPlan].second;
  }
  for (m_lastPlan = 0; m_lastPlan < m_plans.size(); ++m_lastPlan) {
    if (m_plans[m_lastPlan].first == cls) return m_plans[m_lastPlan].second;
  }
  m_plans.emplace_back(cls, DecidePlan(cls->name()));
  return m_plans.back().second;
}

PointCollector::ClassPlan PointCollector::DecidePlan(const OdString& className) {
  ClassPlan plan;
  plan.point = className == L"AcDbPoint";
  for (const NamedCheck& named : kCurveChecks) {
    if (className == named.className) plan.curve = named.check;
  }
  // For any other class both vertex converters give 0 without reading the entity, so they are
  // not called.
  plan.vertices = IsMeshEntityClass(className) || IsPolylineEntityClass(className);
  plan.text = className == L"AcDbText";
  return plan;
}

void PointCollector::CollectPoint(const OdDbEntityPtr& entity) {
  if (!m_options.points) return;
  if (ExtractPoint(OdDbPointPtr(entity), m_point)) Append(m_point);
}

void PointCollector::CollectLine(const OdDbEntityPtr& entity) {
  if (!ExtractLine(OdDbLinePtr(entity), m_line)) return;
  if (m_options.endPoint) {
    Append(m_line.from);
    Append(m_line.to);
  }
  if (m_options.midPoint) Append(m_line.PointAt(0.5));
}

void PointCollector::CollectCircle(const OdDbEntityPtr& entity) {
  if (!m_options.centerPoint) return;
  if (ExtractCircle(OdDbCirclePtr(entity), m_circle)) Append(m_circle.Center());
}

void PointCollector::CollectArc(const OdDbEntityPtr& entity) {
  if (!ConvertArc(OdDbArcPtr(entity), m_arc)) return;
  if (m_options.endPoint) {
    Append(m_arc.StartPoint());
    Append(m_arc.EndPoint());
  }
  if (m_options.midPoint) Append(m_arc.MidPoint());
  if (m_options.centerPoint) Append(m_arc.Center());
}

void PointCollector::CollectEllipse(const OdDbEntityPtr& entity) {
  if (!m_options.centerPoint) return;
  if (ConvertEllipse(OdDbEllipsePtr(entity), m_ellipse)) Append(m_ellipse.plane.origin);
}

void PointCollector::CollectSpline(const OdDbEntityPtr& entity) {
  if (!m_options.controlPoint) return;
  if (!ConvertSpline(OdDbSplinePtr(entity), m_spline)) return;
  ON_3dPoint cv;
  for (int i = 0; i < m_spline.CVCount(); ++i) {
    // A control point that cannot be evaluated (zero weight) is left out rather than exported
    // as whatever the previous one was.
    if (m_spline.GetCV(i, cv)) Append(cv);
  }
}

// Faces, solids and meshes give each distinct vertex location once, in the topology's order
// (ascending x, then y, then z), with the double coordinates the drawing holds; anything else
// that is a polyline gives its vertices in order.
void PointCollector::CollectVertices(const OdDbEntityPtr& entity) {
  if (!ConvertMeshEntity(entity, m_mesh)) {
    CollectPolylineVertices(entity);
    return;
  }
  const ON_MeshTopology& topology = m_mesh.Topology();
  for (int k = 0; k < topology.TopVertexCount(); ++k) Append(topology.TopVertexPoint(k));
}

// A closed polyline's point list repeats its first vertex at the end; that repeat is left out.
void PointCollector::CollectPolylineVertices(const OdDbEntityPtr& entity) {
  if (!ExtractPolyline(entity, m_polyline)) return;
  int count = m_polyline.PointCount();
  if (m_polyline.IsClosed(0.0)) --count;
  for (int i = 0; i < count; ++i) Append(m_polyline[i]);
}

void PointCollector::CollectText(const OdDbEntityPtr& entity) {
  if (!m_options.text) return;
  if (ConvertText(OdDbTextPtr(entity), m_text)) Append(m_text.Plane().origin);
}
