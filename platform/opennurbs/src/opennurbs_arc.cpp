// Arcs: a circle plus an increasing angle interval.
#include "opennurbs_arc.h"

#include <cmath>

namespace {
constexpr double kTwoPi = 2.0 * ON_PI;
}

ON_Arc::ON_Arc() : m_angle(0.0, kTwoPi) {}
ON_Arc::ON_Arc(const ON_Circle& c, double angle) { Create(c, angle); }
ON_Arc::ON_Arc(const ON_Circle& c, ON_Interval angle) { Create(c, angle); }
ON_Arc::ON_Arc(const ON_3dPoint& P, const ON_3dPoint& Q, const ON_3dPoint& R) { Create(P, Q, R); }

ON_Arc& ON_Arc::operator=(const ON_Circle& c) {
  if (static_cast<const ON_Circle*>(this) == &c) return *this;
  plane = c.plane;
  radius = c.radius;
  m_angle.Set(0.0, kTwoPi);
  return *this;
}

bool ON_Arc::Create(const ON_Circle& c, double angle) { return Create(c, ON_Interval(0.0, angle)); }

bool ON_Arc::Create(const ON_Circle& c, ON_Interval angle) {
  plane = c.plane;
  plane.UpdateEquation();
  radius = c.radius;
  m_angle = angle;
  bool failed = false;
  if (m_angle.IsDecreasing()) {
    failed = true;
    m_angle.Swap();
    Reverse();
  }
  if (m_angle.Length() > kTwoPi) {
    failed = true;
    m_angle[1] = m_angle[0] + kTwoPi;
  }
  return failed ? false : IsValid();
}

bool ON_Arc::Create(const ON_3dPoint& P, const ON_3dPoint& Q, const ON_3dPoint& R) {
  ON_Circle c;
  const bool circle_ok = c.Create(P, Q, R);
  double a = 0.0;
  c.ClosestPointTo(R, &a);
  const bool arc_ok = Create(c, ON_Interval(0.0, a));
  return circle_ok && arc_ok;
}

ON_Interval ON_Arc::Domain() const { return m_angle; }
ON_Interval ON_Arc::DomainRadians() const { return m_angle; }
double ON_Arc::AngleRadians() const { return m_angle.Length(); }
double ON_Arc::AngleDegrees() const { return AngleRadians() * (180.0 / ON_PI); }

bool ON_Arc::SetAngleRadians(double angle) {
  if (!(angle > 0.0)) return false;
  m_angle.Set(0.0, angle);
  return true;
}

bool ON_Arc::SetAngleIntervalRadians(ON_Interval angle) {
  if (!angle.IsIncreasing()) return false;
  m_angle = angle;
  return true;
}

ON_3dPoint ON_Arc::PointAt(double t) const { return ON_Circle::PointAt(t); }
ON_3dPoint ON_Arc::StartPoint() const { return PointAt(m_angle[0]); }
ON_3dPoint ON_Arc::MidPoint() const { return PointAt(m_angle.ParameterAt(0.5)); }
ON_3dPoint ON_Arc::EndPoint() const { return PointAt(m_angle[1]); }
double ON_Arc::Length() const { return std::fabs(m_angle.Length() * radius); }

bool ON_Arc::IsValid() const {
  if (!ON_Circle::IsValid() || !m_angle.IsValid()) return false;
  const double length = m_angle.Length();
  return length > ON_ZERO_TOLERANCE && length <= kTwoPi + ON_ZERO_TOLERANCE;
}

bool ON_Arc::IsCircle() const { return std::fabs(m_angle.Length() - kTwoPi) <= ON_ZERO_TOLERANCE; }

bool ON_Arc::Reverse() {
  if (!m_angle.IsValid()) return false;
  m_angle.Reverse();
  plane.yaxis = -plane.yaxis;
  plane.zaxis = -plane.zaxis;
  plane.UpdateEquation();
  return true;
}
