// Converters for the three polyline classes, their dispatcher and the polyline extractor.
//
// Contract as in ConvertCurves.h. Only vertex positions are read: bulges, widths, thickness and
// vertex types are not, so an arc segment contributes its two end vertices and a fitted 2D
// polyline every vertex object its iterator yields. A closed polyline of n vertices gives n + 1
// points, the first repeated at the end; an open one n points; one without vertices none (and 1).
// The output is assigned in the last step only: a host error while iterating, opening, narrowing
// or reading a vertex returns 0 with the output as it was.
#pragma once

#include "Db2dPolyline.h"
#include "Db3dPolyline.h"
#include "DbPolyline.h"
#include "opennurbs.h"

// Lightweight polyline: the vertices in world coordinates as the host's 3D vertex accessor gives
// them (it places (x, y, elevation) through the polyline's normal).
int ConvertPolyline(OdDbPolylinePtr polyline, ON_PolylineCurve& output);

// 2D polyline: each vertex (x, y of its stored position, the polyline's elevation) is placed in
// the world through the polyline's normal with DXF's arbitrary-axis algorithm, exactly as a
// lightweight polyline of the same shape. With the normal +Z (or zero, which means +Z) the point
// is (x, y, elevation) with those very doubles; the vertex's own z is never used.
int Convert2dPolyline(OdDb2dPolylinePtr polyline, ON_PolylineCurve& output);

// 3D polyline: the vertex positions with their own x, y and z.
int Convert3dPolyline(OdDb3dPolylinePtr polyline, ON_PolylineCurve& output);

// Any entity: "AcDbPolyline", "AcDb2dPolyline" and "AcDb3dPolyline", compared in that order,
// exactly and case-sensitively, go to the converter above; any other class name (also of a class
// derived from one of these) returns 0 without an error and leaves the output as it was.
int ConvertPolylineEntity(OdDbEntityPtr entity, ON_PolylineCurve& output);
// Whether ConvertPolylineEntity (and so ExtractPolyline) takes entities of that exact class
// name; for any other class both return 0 without reading the entity.
bool IsPolylineEntityClass(const OdString& className);

// ConvertPolylineEntity's point list; on 0 the output keeps what it held.
int ExtractPolyline(OdDbEntityPtr entity, ON_Polyline& output);
