// ON_LineCurve: a parametrised line segment; the parameter runs over m_t.
#pragma once

#include "opennurbs_interval.h"
#include "opennurbs_line.h"

class ON_LineCurve {
 public:
  ON_Line m_line;
  ON_Interval m_t;  // domain
  int m_dim = 3;

  // Zero line, domain [0, 1].
  ON_LineCurve();
  // Line a-b, dimension 3, domain [0, |b - a|], or [0, 1] when that length is at most
  // ON_ZERO_TOLERANCE.
  ON_LineCurve(const ON_3dPoint& a, const ON_3dPoint& b);
  explicit ON_LineCurve(const ON_Line& line);
  // Same for a 2d line (z = 0); dimension 2.
  ON_LineCurve(const ON_2dPoint& a, const ON_2dPoint& b);

  ON_Interval Domain() const;
  int Dimension() const;
  // m_line.PointAt((t - t0)/(t1 - t0)), the ratio being exactly 1 when t == t1.
  ON_3dPoint PointAt(double t) const;
  ON_3dPoint PointAtStart() const;
  ON_3dPoint PointAtEnd() const;
  bool IsValid() const;
};
