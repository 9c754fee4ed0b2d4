// Parametrised arcs and circles.
#include "opennurbs_arccurve.h"

#include <cmath>

namespace {

// [0, length], or [0, 1] when the length is not positive (or not a number).
ON_Interval DomainForLength(double length) {
  return length > 0.0 ? ON_Interval(0.0, length) : ON_Interval(0.0, 1.0);
}

}  // namespace

ON_ArcCurve::ON_ArcCurve() : m_t(0.0, 2.0 * ON_PI) {}
ON_ArcCurve::ON_ArcCurve(const ON_Circle& circle) { *this = circle; }
ON_ArcCurve::ON_ArcCurve(const ON_Arc& arc) { *this = arc; }

ON_ArcCurve& ON_ArcCurve::operator=(const ON_Circle& circle) {
  m_arc = circle;
  m_t = DomainForLength(m_arc.Length());
  m_dim = 3;
  return *this;
}

ON_ArcCurve& ON_ArcCurve::operator=(const ON_Arc& arc) {
  m_arc = arc;
  m_t = DomainForLength(m_arc.Length());
  m_dim = 3;
  return *this;
}

ON_Interval ON_ArcCurve::Domain() const { return m_t; }
int ON_ArcCurve::Dimension() const { return m_dim; }

ON_3dPoint ON_ArcCurve::PointAt(double t) const {
  const double x = (t - m_t[0]) / (m_t[1] - m_t[0]);
  return m_arc.PointAt(m_arc.Domain().ParameterAt(x));
}
ON_3dPoint ON_ArcCurve::PointAtStart() const { return PointAt(m_t[0]); }
ON_3dPoint ON_ArcCurve::PointAtEnd() const { return PointAt(m_t[1]); }

bool ON_ArcCurve::IsArc(const ON_Plane*, ON_Arc* arc, double) const {
  if (arc != nullptr) *arc = m_arc;
  return m_arc.IsValid();
}
bool ON_ArcCurve::IsCircle() const { return m_arc.IsCircle(); }
double ON_ArcCurve::Radius() const { return m_arc.Radius(); }
double ON_ArcCurve::AngleRadians() const { return m_arc.AngleRadians(); }
bool ON_ArcCurve::IsValid() const { return m_t.IsIncreasing() && m_arc.IsValid(); }
