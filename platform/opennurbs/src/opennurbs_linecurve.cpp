// Parametrised line segments.
#include "opennurbs_linecurve.h"

namespace {

ON_Interval DomainForLength(double length) {
  return length > ON_ZERO_TOLERANCE ? ON_Interval(0.0, length) : ON_Interval(0.0, 1.0);
}

}  // namespace

ON_LineCurve::ON_LineCurve() : m_t(0.0, 1.0) {}

ON_LineCurve::ON_LineCurve(const ON_3dPoint& a, const ON_3dPoint& b)
    : m_line(a, b), m_t(DomainForLength(m_line.Length())) {}

ON_LineCurve::ON_LineCurve(const ON_Line& line) : ON_LineCurve(line.from, line.to) {}

ON_LineCurve::ON_LineCurve(const ON_2dPoint& a, const ON_2dPoint& b)
    : ON_LineCurve(ON_3dPoint(a.x, a.y, 0.0), ON_3dPoint(b.x, b.y, 0.0)) {
  m_dim = 2;
}

ON_Interval ON_LineCurve::Domain() const { return m_t; }
int ON_LineCurve::Dimension() const { return m_dim; }

ON_3dPoint ON_LineCurve::PointAt(double t) const {
  const double s = (t == m_t[1]) ? 1.0 : (t - m_t[0]) / (m_t[1] - m_t[0]);
  return m_line.PointAt(s);
}
ON_3dPoint ON_LineCurve::PointAtStart() const { return PointAt(m_t[0]); }
ON_3dPoint ON_LineCurve::PointAtEnd() const { return PointAt(m_t[1]); }
bool ON_LineCurve::IsValid() const { return m_t.IsIncreasing() && m_line.IsValid(); }
