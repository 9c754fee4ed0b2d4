// Polylines parametrised by vertex number.
#include "opennurbs_polylinecurve.h"

ON_PolylineCurve::ON_PolylineCurve(const ON_3dPointArray& points) { *this = points; }

ON_PolylineCurve& ON_PolylineCurve::operator=(const ON_3dPointArray& points) {
  m_pline = points;
  m_t.Destroy();
  m_t.Reserve(points.Count());
  for (int i = 0; i < points.Count(); ++i) m_t.Append(static_cast<double>(i));
  m_dim = 3;
  return *this;
}

int ON_PolylineCurve::PointCount() const { return m_pline.PointCount(); }
int ON_PolylineCurve::SpanCount() const { return m_pline.SegmentCount(); }
int ON_PolylineCurve::Dimension() const { return m_dim; }

ON_Interval ON_PolylineCurve::Domain() const {
  if (m_t.Count() == 0) return ON_Interval();
  return ON_Interval(m_t[0], m_t[m_t.Count() - 1]);
}

ON_3dPoint ON_PolylineCurve::PointAt(double t) const {
  const int n = m_pline.Count();
  if (n == 0 || m_t.Count() != n) return ON_3dPoint::UnsetPoint;
  if (n == 1 || !(t > m_t[0])) return m_pline[0];
  if (!(t < m_t[n - 1])) return m_pline[n - 1];
  int i = 1;
  while (i < n - 1 && t >= m_t[i]) ++i;
  const double s = (t - m_t[i - 1]) / (m_t[i] - m_t[i - 1]);
  const ON_3dPoint& a = m_pline[i - 1];
  const ON_3dPoint& b = m_pline[i];
  return ON_3dPoint(a.x + s * (b.x - a.x), a.y + s * (b.y - a.y), a.z + s * (b.z - a.z));
}

bool ON_PolylineCurve::IsValid() const {
  const int n = m_pline.Count();
  if (n < 2 || m_t.Count() != n) return false;
  bool distinct = false;
  for (int i = 1; i < n; ++i) {
    if (!(m_t[i - 1] < m_t[i])) return false;
    if (m_pline[i] != m_pline[i - 1]) distinct = true;
  }
  return distinct;
}
