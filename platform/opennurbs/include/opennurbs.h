// The geometry library: include this one header to get every ON_* class, the constants and
// the free functions.
//
// Failures are results, never exceptions: a creation that cannot succeed returns false and
// leaves its object in a documented state, so callers can test it.
#pragma once

#include "opennurbs_annotation.h"
#include "opennurbs_arc.h"
#include "opennurbs_arccurve.h"
#include "opennurbs_array.h"
#include "opennurbs_circle.h"
#include "opennurbs_defines.h"
#include "opennurbs_ellipse.h"
#include "opennurbs_intersect.h"
#include "opennurbs_interval.h"
#include "opennurbs_line.h"
#include "opennurbs_linecurve.h"
#include "opennurbs_mesh.h"
#include "opennurbs_nurbscurve.h"
#include "opennurbs_plane.h"
#include "opennurbs_point.h"
#include "opennurbs_pointgeometry.h"
#include "opennurbs_polyline.h"
#include "opennurbs_polylinecurve.h"
#include "opennurbs_wstring.h"
