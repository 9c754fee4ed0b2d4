// Splines: NURBS data kept as stored, evaluated with de Boor's algorithm.
#include "DbSpline.h"

#include <algorithm>
#include <array>
#include <vector>

#include "CurveGeometry.h"

ODRX_CONS_DEFINE_MEMBERS(OdDbSpline, OdDbCurve, L"AcDbSpline", L"SPLINE")

void OdDbSpline::getNurbsData(int& degree, bool& rational, bool& closed, bool& periodic,
                              OdGePoint3dArray& controlPoints, OdGeDoubleArray& knots,
                              OdGeDoubleArray& weights, double& controlPtTol,
                              double& knotTol) const {
  degree = m_degree;
  rational = m_rational;
  closed = m_closed;
  periodic = m_periodic;
  controlPoints = m_controlPoints;
  knots = m_knots;
  weights = m_weights;
  controlPtTol = m_controlPtTol;
  knotTol = m_knotTol;
}

void OdDbSpline::setNurbsData(int degree, bool rational, bool closed, bool periodic,
                              const OdGePoint3dArray& controlPoints, const OdGeDoubleArray& knots,
                              const OdGeDoubleArray& weights, double controlPtTol, double knotTol) {
  assertWriteEnabled();
  m_degree = degree;
  m_rational = rational;
  m_closed = closed;
  m_periodic = periodic;
  m_controlPoints = controlPoints;
  m_knots = knots;
  m_weights = weights;
  m_controlPtTol = controlPtTol;
  m_knotTol = knotTol;
}

bool OdDbSpline::hasValidData() const {
  size_t n = m_controlPoints.size();
  if (m_degree < 1 || n < static_cast<size_t>(m_degree) + 1) return false;
  if (m_knots.size() != n + static_cast<size_t>(m_degree) + 1) return false;
  if (m_rational && !m_weights.isEmpty() && m_weights.size() != n) return false;
  for (size_t i = 1; i < m_knots.size(); ++i) {
    if (m_knots[static_cast<unsigned>(i)] < m_knots[static_cast<unsigned>(i - 1)]) return false;
  }
  return m_knots[static_cast<unsigned>(n)] > m_knots[static_cast<unsigned>(m_degree)];
}

OdResult OdDbSpline::getStartParam(double& param) const {
  if (!hasValidData()) return eInvalidInput;
  param = m_knots[static_cast<unsigned>(m_degree)];
  return eOk;
}

OdResult OdDbSpline::getEndParam(double& param) const {
  if (!hasValidData()) return eInvalidInput;
  param = m_knots[m_controlPoints.size()];
  return eOk;
}

OdResult OdDbSpline::getPointAtParam(double param, OdGePoint3d& point) const {
  double start = 0.0;
  double end = 0.0;
  if (getStartParam(start) != eOk || getEndParam(end) != eOk) return eInvalidInput;
  if (!curve_geometry::paramInRange(param, start, end)) return eInvalidInput;
  param = std::clamp(param, start, end);
  const unsigned p = static_cast<unsigned>(m_degree);
  const unsigned n = m_controlPoints.size();
  // The knot span k with knot[k] <= param < knot[k+1], p <= k < n (the last span takes the end).
  unsigned k = p;
  while (k + 1 < n && m_knots[k + 1] <= param) ++k;
  bool weighted = m_rational && !m_weights.isEmpty();
  // Homogeneous de Boor: d[j] holds (w*x, w*y, w*z, w) of control point k - p + j.
  std::vector<std::array<double, 4>> d(p + 1);
  for (unsigned j = 0; j <= p; ++j) {
    const OdGePoint3d& c = m_controlPoints[k - p + j];
    double w = weighted ? m_weights[k - p + j] : 1.0;
    d[j] = {c.x * w, c.y * w, c.z * w, w};
  }
  for (unsigned r = 1; r <= p; ++r) {
    for (unsigned j = p; j >= r; --j) {
      double left = m_knots[j + k - p];
      double right = m_knots[j + 1 + k - r];
      double alpha = right == left ? 0.0 : (param - left) / (right - left);
      for (int c = 0; c < 4; ++c) d[j][c] = (1.0 - alpha) * d[j - 1][c] + alpha * d[j][c];
    }
  }
  double w = d[p][3];
  if (w == 0.0) return eInvalidInput;
  point.set(d[p][0] / w, d[p][1] / w, d[p][2] / w);
  return eOk;
}
