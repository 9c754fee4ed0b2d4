// ON_ArcCurve: a parametrised arc or circle. The curve parameter runs over m_t and maps
// linearly onto m_arc's angle interval.
#pragma once

#include "opennurbs_arc.h"

class ON_ArcCurve {
 public:
  ON_Arc m_arc;
  ON_Interval m_t;  // domain
  int m_dim = 3;

  // Unit circle in world XY, domain [0, 2*pi].
  ON_ArcCurve();
  // m_arc = the full circle (angle [0, 2*pi]); domain [0, 2*pi*|r|], or [0, 1] when that
  // length is not positive.
  explicit ON_ArcCurve(const ON_Circle& circle);
  // m_arc = arc; domain [0, arc length], or [0, 1] when that is not positive.
  explicit ON_ArcCurve(const ON_Arc& arc);
  ON_ArcCurve& operator=(const ON_Circle& circle);
  ON_ArcCurve& operator=(const ON_Arc& arc);

  ON_Interval Domain() const;
  int Dimension() const;
  // Maps t from the domain onto the angle interval and evaluates the arc there.
  ON_3dPoint PointAt(double t) const;
  ON_3dPoint PointAtStart() const;
  ON_3dPoint PointAtEnd() const;

  // Copies m_arc into *arc when arc is not null; returns m_arc.IsValid().
  bool IsArc(const ON_Plane* plane = nullptr, ON_Arc* arc = nullptr,
             double tolerance = ON_ZERO_TOLERANCE) const;
  bool IsCircle() const;
  double Radius() const;
  double AngleRadians() const;
  bool IsValid() const;
};
