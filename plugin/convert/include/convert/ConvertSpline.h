// The spline converter: a host spline becomes a non-rational NURBS curve with the spline's
// degree, its control points (weights dropped) and its inner knots.
//
// Contract as in ConvertCurves.h. The curve is built aside and assigned to the output only on
// success, so a 0 leaves the output as it was.
#pragma once

#include "DbSpline.h"
#include "opennurbs.h"

// On success: dimension 3, not rational, order degree + 1, control vertex i = control point i,
// and knot k = host knot k + 1 as far as both knot vectors reach (the host's first and last knot
// are the two end knots the library does not store; a longer host vector is cut, a shorter one
// leaves the trailing knots at their clamped uniform values 0, 1, 2, ...). The spline's closed and
// periodic flags are not consulted.
//
// Returns 0 when the data is no curve: a degree below 1, fewer control points than degree + 1,
// or no knots at all.
int ConvertSpline(OdDbSplinePtr spline, ON_NurbsCurve& output);
