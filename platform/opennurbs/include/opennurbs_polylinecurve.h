// ON_PolylineCurve: a polyline parametrised by its vertex numbers: point i sits at m_t[i].
#pragma once

#include "opennurbs_interval.h"
#include "opennurbs_polyline.h"

class ON_PolylineCurve {
 public:
  ON_Polyline m_pline;
  ON_SimpleArray<double> m_t;  // one parameter per point: 0, 1, 2, ...
  int m_dim = 3;

  ON_PolylineCurve() = default;
  // m_pline = a copy of the points, parameters 0 .. n-1, dimension 3.
  explicit ON_PolylineCurve(const ON_3dPointArray& points);
  ON_PolylineCurve& operator=(const ON_3dPointArray& points);

  int PointCount() const;
  int SpanCount() const;  // PointCount() - 1 when there are at least 2 points, else 0
  int Dimension() const;
  // [m_t[0], m_t[last]]; an unset interval when there are no points.
  ON_Interval Domain() const;
  // Linear interpolation on the span that holds t (clamped to the domain); the first point
  // when there is only one, ON_3dPoint::UnsetPoint when there is none.
  ON_3dPoint PointAt(double t) const;
  // At least 2 points, parameters strictly increasing, consecutive points not all equal.
  bool IsValid() const;
};
