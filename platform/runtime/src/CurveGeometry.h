// Private: geometry shared by the curve classes.
#pragma once

#include "Ge/GeMatrix3d.h"
#include "Ge/GePoint2d.h"

namespace curve_geometry {

constexpr double kTwoPi = 6.283185307179586;

// True when param lies in [start, end], allowing a relative 1e-10 of slack for rounding.
bool paramInRange(double param, double start, double end);

// The point at angle (radians) on the circle about center with the given radius in the plane of
// normal, measured from the arbitrary-axis x direction.
OdGePoint3d pointOnCircle(const OdGePoint3d& center, const OdGeVector3d& normal, double radius,
                          double angle);

// The point at fraction f (0..1) of the segment p0-p1 with the given bulge: a straight segment
// for bulge 0, else an arc of included angle 4 atan(bulge), counter-clockwise for positive bulges,
// with f taken along the angle.
OdGePoint2d pointOnBulgeSegment(const OdGePoint2d& p0, const OdGePoint2d& p1, double bulge,
                                double f);

// Splits a vertex-list parameter into a segment index (0..segments-1) and a fraction; false when
// param is outside [0, segments].
bool splitSegmentParam(double param, unsigned segments, unsigned& index, double& fraction);

}  // namespace curve_geometry
