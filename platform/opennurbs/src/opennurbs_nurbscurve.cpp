// NURBS curves: creation, clamped uniform knots, knot and control-vertex access, validation.
#include "opennurbs_nurbscurve.h"

#include <cmath>

ON_NurbsCurve::ON_NurbsCurve(int dimension, bool is_rational, int order, int cv_count) {
  Create(dimension, is_rational, order, cv_count);
}

bool ON_NurbsCurve::Create(int dimension, bool is_rational, int order, int cv_count) {
  if (dimension < 1 || order < 2 || cv_count < order) return false;
  m_dim = dimension;
  m_is_rat = is_rational;
  m_order = order;
  m_cv_count = cv_count;
  m_cv.assign(static_cast<size_t>(cv_count * CVSize()), 0.0);
  if (m_is_rat) {
    for (int i = 0; i < cv_count; ++i) m_cv[static_cast<size_t>(i * CVSize() + m_dim)] = 1.0;
  }
  m_knot.resize(static_cast<size_t>(KnotCount()), 0.0);
  return true;
}

bool ON_NurbsCurve::CreateClampedUniformNurbs(int dimension, int order, int point_count,
                                              const ON_3dPoint* point, double knot_delta) {
  if (dimension < 1 || dimension > 3 || point == nullptr) return false;
  if (!Create(dimension, false, order, point_count)) return false;
  for (int i = 0; i < point_count; ++i) {
    for (int k = 0; k < dimension; ++k) m_cv[static_cast<size_t>(i * m_dim + k)] = point[i][k];
  }
  if (!(knot_delta > 0.0)) return false;
  const int n = point_count;
  double k = 0.0;
  for (int i = order - 2; i < n; ++i, k += knot_delta) m_knot[static_cast<size_t>(i)] = k;
  for (int i = 0; i < order - 2; ++i) m_knot[static_cast<size_t>(i)] = m_knot[order - 2];
  for (int i = n; i < KnotCount(); ++i) m_knot[static_cast<size_t>(i)] = m_knot[n - 1];
  return true;
}

void ON_NurbsCurve::Destroy() { *this = ON_NurbsCurve(); }

int ON_NurbsCurve::Dimension() const { return m_dim; }
int ON_NurbsCurve::Order() const { return m_order; }
int ON_NurbsCurve::Degree() const { return m_order >= 2 ? m_order - 1 : 0; }
int ON_NurbsCurve::CVCount() const { return m_cv_count; }
int ON_NurbsCurve::KnotCount() const { return m_order + m_cv_count - 2; }
bool ON_NurbsCurve::IsRational() const { return m_is_rat; }
int ON_NurbsCurve::CVSize() const { return m_is_rat ? m_dim + 1 : m_dim; }

double ON_NurbsCurve::Knot(int i) const {
  if (i < 0 || i >= static_cast<int>(m_knot.size())) return 0.0;
  return m_knot[static_cast<size_t>(i)];
}

bool ON_NurbsCurve::SetKnot(int i, double k) {
  if (i < 0 || i >= KnotCount()) return false;
  m_knot[static_cast<size_t>(i)] = k;
  return true;
}

ON_Interval ON_NurbsCurve::Domain() const {
  if (m_order < 2 || m_cv_count < m_order) return ON_Interval();
  return ON_Interval(Knot(m_order - 2), Knot(m_cv_count - 1));
}

bool ON_NurbsCurve::GetCV(int i, ON_3dPoint& point) const {
  if (i < 0 || i >= m_cv_count) return false;
  const double* cv = &m_cv[static_cast<size_t>(i * CVSize())];
  double r = 1.0;
  if (m_is_rat) {
    if (cv[m_dim] == 0.0) return false;
    r = 1.0 / cv[m_dim];
  }
  point.x = cv[0] * r;
  point.y = m_dim > 1 ? cv[1] * r : 0.0;
  point.z = m_dim > 2 ? cv[2] * r : 0.0;
  return true;
}

bool ON_NurbsCurve::GetCV(int i, ON_4dPoint& point) const {
  if (i < 0 || i >= m_cv_count) return false;
  const double* cv = &m_cv[static_cast<size_t>(i * CVSize())];
  point.x = cv[0];
  point.y = m_dim > 1 ? cv[1] : 0.0;
  point.z = m_dim > 2 ? cv[2] : 0.0;
  point.w = m_is_rat ? cv[m_dim] : 1.0;
  return true;
}

bool ON_NurbsCurve::SetCV(int i, const ON_3dPoint& point) {
  if (i < 0 || i >= m_cv_count) return false;
  double* cv = &m_cv[static_cast<size_t>(i * CVSize())];
  for (int k = 0; k < m_dim; ++k) cv[k] = k < 3 ? point[k] : 0.0;
  if (m_is_rat) cv[m_dim] = 1.0;
  return true;
}

bool ON_NurbsCurve::SetCV(int i, const ON_4dPoint& point) {
  if (!m_is_rat || i < 0 || i >= m_cv_count) return false;
  double* cv = &m_cv[static_cast<size_t>(i * CVSize())];
  const double h[3] = {point.x, point.y, point.z};
  for (int k = 0; k < m_dim; ++k) cv[k] = k < 3 ? h[k] : 0.0;
  cv[m_dim] = point.w;
  return true;
}

double ON_NurbsCurve::Weight(int i) const {
  if (!m_is_rat || i < 0 || i >= m_cv_count) return 1.0;
  return m_cv[static_cast<size_t>(i * CVSize() + m_dim)];
}

bool ON_NurbsCurve::IsValidKnotVector() const {
  const int count = KnotCount();
  for (int i = 0; i < count; ++i) {
    if (!ON_IsValid(m_knot[static_cast<size_t>(i)])) return false;
    if (i > 0 && m_knot[static_cast<size_t>(i)] < m_knot[static_cast<size_t>(i - 1)]) return false;
  }
  if (!(Knot(m_order - 2) < Knot(m_order - 1))) return false;
  if (!(Knot(m_cv_count - 2) < Knot(m_cv_count - 1))) return false;
  // No knot may occur order or more times (that would break the curve apart).
  for (int i = 0; i + m_order - 1 < count; ++i) {
    if (!(Knot(i) < Knot(i + m_order - 1))) return false;
  }
  return true;
}

bool ON_NurbsCurve::IsValid() const {
  if (m_dim < 1 || m_order < 2 || m_cv_count < m_order) return false;
  if (static_cast<int>(m_knot.size()) < KnotCount()) return false;
  if (!IsValidKnotVector()) return false;
  for (int i = 0; m_is_rat && i < m_cv_count; ++i) {
    if (Weight(i) == 0.0) return false;
  }
  return true;
}
