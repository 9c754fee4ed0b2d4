// ON_Plane: an origin with a right-handed orthonormal frame (xaxis, yaxis, zaxis) and the plane
// equation of (origin, zaxis). Also the world XY plane constants.
#pragma once

#include "opennurbs_point.h"

class ON_Plane {
 public:
  ON_3dPoint origin;
  ON_3dVector xaxis;
  ON_3dVector yaxis;
  ON_3dVector zaxis;
  ON_PlaneEquation plane_equation;

  static const ON_Plane World_xy;

  // World XY: origin 0, axes (1,0,0), (0,1,0), (0,0,1), equation (0,0,1,0).
  ON_Plane();
  // CreateFromNormal; the result is available through IsValid(). When the equation update is
  // skipped for invalid input, the equation stays (0,0,0,0).
  ON_Plane(const ON_3dPoint& origin, const ON_3dVector& normal);
  // CreateFromFrame; same note as above.
  ON_Plane(const ON_3dPoint& origin, const ON_3dVector& x_dir, const ON_3dVector& y_dir);

  // origin = P; zaxis = N unitized (its result is the return value); xaxis = a perpendicular of
  // zaxis, unitized; yaxis = zaxis x xaxis, unitized; then the equation. A zero normal returns
  // false with all three axes zero and the equation (0,0,0,-0). For N = (0,0,1) the x axis is
  // (1, 0, -0) and the y axis (-0, 1, 0): the signs of zero are part of the result.
  bool CreateFromNormal(const ON_3dPoint& P, const ON_3dVector& N);
  // origin = P; xaxis = X unitized; yaxis = Y minus its xaxis part, unitized; zaxis = x x y,
  // unitized; true when that worked, the plane is valid and Y lies in it within
  // ON_SQRT_EPSILON*|Y|. Parallel X and Y give zero y and z axes and false. Safe when the
  // arguments alias this plane's own members.
  bool CreateFromFrame(const ON_3dPoint& P, const ON_3dVector& X, const ON_3dVector& Y);
  // Recomputes plane_equation from origin and zaxis (see ON_PlaneEquation::Create).
  bool UpdateEquation();

  // (origin + s*xaxis) + t*yaxis, component by component.
  ON_3dPoint PointAt(double s, double t) const;
  // ((origin + s*xaxis) + t*yaxis) + c*zaxis.
  ON_3dPoint PointAt(double s, double t, double c) const;

  const ON_3dPoint& Origin() const;
  const ON_3dVector& Xaxis() const;
  const ON_3dVector& Yaxis() const;
  const ON_3dVector& Zaxis() const;
  const ON_3dVector& Normal() const;    // zaxis
  void SetOrigin(const ON_3dPoint& P);  // moves the origin and updates the equation

  // Equation valid and through the origin, axes orthonormal and right-handed within
  // ON_SQRT_EPSILON, equation normal parallel to zaxis.
  bool IsValid() const;
};

extern const ON_Plane ON_xy_plane;
