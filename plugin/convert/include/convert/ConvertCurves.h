// Converters and geometry extractors for the entities whose geometry is one point, one segment,
// one circle, one circular arc or one ellipse.
//
// Every function here follows the converter contract: the entity handle is taken by value (the
// function holds its own reference for the call, so the caller's handle, the entity's reference
// count and its open state are the same afterwards), the output is owned by the caller and is
// assigned a complete value, the result is 1 for success and 0 for failure, a host error
// (OdError and its subclasses) is caught and turned into 0, and nothing is shown or printed.
// Every host value is read before the output is written, so after a 0 the output is as it was.
// Coordinates pass unchanged: the same doubles the host returned, in world coordinates.
#pragma once

#include "DbArc.h"
#include "DbCircle.h"
#include "DbEllipse.h"
#include "DbLine.h"
#include "DbPoint.h"
#include "opennurbs.h"

// The point entity's position.
int ConvertPoint(OdDbPointPtr point, ON_Point& output);
int ExtractPoint(OdDbPointPtr point, ON_3dPoint& output);

// The segment from the start point to the end point (a zero-length line is kept as it is).
int ConvertLine(OdDbLinePtr line, ON_LineCurve& output);
int ExtractLine(OdDbLinePtr line, ON_Line& output);

// The full circle on the plane through the centre with the entity's normal as z axis (the x axis
// is the one the geometry library chooses for that normal). A zero normal, which the host reads
// as the world z axis, gives the world z axis here too. ExtractCircle gives that plane and the
// radius, without the angle interval.
int ConvertCircle(OdDbCirclePtr circle, ON_ArcCurve& output);
int ExtractCircle(OdDbCirclePtr circle, ON_Circle& output);

// The arc from the start point through the point at the middle parameter to the end point. When
// start and end coincide within OdGeContext::gTol the arc is the full circle, built as for
// circles, so its start and end lie at centre + radius * the plane's x axis. Returns 0 when no
// arc passes through the three points (they are collinear or two of them coincide): the library
// would otherwise hand back a made-up circle about the world origin.
int ConvertArc(OdDbArcPtr arc, ON_Arc& output);

// The whole ellipse (an elliptical arc's parameters are not read) on the plane through the
// centre spanned by the major and minor axes, with the two axis lengths as radii.
int ConvertEllipse(OdDbEllipsePtr ellipse, ON_Ellipse& output);
