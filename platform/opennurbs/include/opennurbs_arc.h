// ON_Arc: an ON_Circle plus an increasing angle interval in radians (at most 2*pi long).
#pragma once

#include "opennurbs_circle.h"
#include "opennurbs_interval.h"

class ON_Arc : public ON_Circle {
 public:
  // Unit circle in world XY, angle [0, 2*pi].
  ON_Arc();
  ON_Arc(const ON_Circle& circle, double angle_radians);
  ON_Arc(const ON_Circle& circle, ON_Interval angle_interval_radians);
  ON_Arc(const ON_3dPoint& P, const ON_3dPoint& Q, const ON_3dPoint& R);

  // Copies plane and radius, angle [0, 2*pi]; no validation, no equation update.
  ON_Arc& operator=(const ON_Circle& circle);

  // = Create(circle, [0, angle_radians]).
  bool Create(const ON_Circle& circle, double angle_radians);
  // Always writes the members. A decreasing interval is swapped and the arc reversed; one
  // longer than 2*pi is cut to 2*pi; either returns false. Otherwise returns IsValid().
  bool Create(const ON_Circle& circle, ON_Interval angle_interval_radians);
  // Arc from P (angle 0) through Q to R, counter-clockwise about the normal of P -> Q -> R.
  // On collinear or coincident points returns false and leaves the degenerate circle of
  // ON_Circle::Create(P, Q, R) (centre at the world origin, radius |P|, zero y axis) with an
  // angle interval [0, a] where a = 0 when R . P >= 0 and pi otherwise; start, mid and end
  // points are then computed on that degenerate circle (for collinear input all equal P).
  bool Create(const ON_3dPoint& P, const ON_3dPoint& Q, const ON_3dPoint& R);

  ON_Interval Domain() const;         // the angle interval
  ON_Interval DomainRadians() const;  // same
  double AngleRadians() const;        // interval length
  double AngleDegrees() const;
  bool SetAngleRadians(double angle);  // [0, angle]; false (nothing set) when angle <= 0
  bool SetAngleIntervalRadians(ON_Interval angle);  // false (nothing set) unless increasing

  // Points at angle t (radians), as ON_Circle::PointAt.
  ON_3dPoint PointAt(double t) const;
  ON_3dPoint StartPoint() const;  // PointAt(angle[0])
  ON_3dPoint MidPoint() const;    // PointAt(angle.ParameterAt(0.5))
  ON_3dPoint EndPoint() const;    // PointAt(angle[1])
  double Length() const;          // |angle length * radius|

  // Circle valid, angle interval increasing and at most 2*pi long.
  bool IsValid() const;
  bool IsCircle() const;  // angle length is 2*pi within ON_ZERO_TOLERANCE
  // Angle interval negated and swapped, y and z axes negated, equation updated.
  bool Reverse();

 private:
  ON_Interval m_angle;
};
