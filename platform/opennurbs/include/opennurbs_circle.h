// ON_Circle: a circle of radius `radius` in `plane`, centred at plane.origin. Angle 0 lies on
// the plane's x axis; angles run counter-clockwise about the plane's z axis.
#pragma once

#include "opennurbs_plane.h"

class ON_Circle {
 public:
  ON_Plane plane;       // default world XY
  double radius = 1.0;  // default 1

  ON_Circle() = default;
  ON_Circle(const ON_Plane& plane, double radius);
  ON_Circle(const ON_3dPoint& center, double radius);
  ON_Circle(const ON_Plane& plane, const ON_3dPoint& center, double radius);
  ON_Circle(const ON_3dPoint& P, const ON_3dPoint& Q, const ON_3dPoint& R);
  virtual ~ON_Circle() = default;
  ON_Circle(const ON_Circle&) = default;
  ON_Circle& operator=(const ON_Circle&) = default;

  // Each Create writes the circle whatever the arguments and returns whether it is usable.
  // Plane copy (its equation recomputed if the plane fails IsValid); returns r > 0.
  bool Create(const ON_Plane& plane, double r);
  // World XY moved to center; returns r > 0.
  bool Create(const ON_3dPoint& center, double r);
  // The plane's axes with its origin replaced by center; returns r > 0.
  bool Create(const ON_Plane& plane, const ON_3dPoint& center, double r);
  // Circle through three points; the x axis points from the centre to P, the normal follows
  // the turn P -> Q -> R. Collinear or coincident points return false and overwrite the circle
  // with: centre (0,0,0), radius |P|, x axis P/|P| (zero when P is the origin), y and z axes
  // zero, equation (0,0,0,-0). The previous circle never survives.
  bool Create(const ON_3dPoint& P, const ON_3dPoint& Q, const ON_3dPoint& R);

  const ON_3dPoint& Center() const;  // plane.origin
  double Radius() const;
  double Diameter() const;
  double Circumference() const;  // 2*pi*|radius|
  const ON_3dVector& Normal() const;
  const ON_Plane& Plane() const;

  // plane.PointAt(cos(t)*radius, sin(t)*radius). A negative radius is accepted.
  ON_3dPoint PointAt(double t) const;
  // Angle of Q's projection in [0, 2*pi) (exactly 0 when Q projects onto the centre; a -0 from
  // atan2 stays -0). Returns false only when t is null.
  bool ClosestPointTo(const ON_3dPoint& Q, double* t) const;
  // radius valid and > 0, plane valid.
  bool IsValid() const;
};
