// Converters of the entities that describe faces (3D face, 2D solid, polyface mesh, polygon
// mesh) into one ON_Mesh, their dispatcher, and the two face-appending helpers.
//
// Contract as in ConvertCurves.h. On success the output mesh is replaced as a whole; on 0 it is
// left as it was. Vertices keep the host's doubles (nothing is narrowed to float); the mesh's
// topology then lists each distinct location once, in ascending x, then y, then z, which is the
// order in which a converted entity's points are exported.
#pragma once

#include "DbFace.h"
#include "DbPolyFaceMesh.h"
#include "DbPolygonMesh.h"
#include "DbSolid.h"
#include "opennurbs.h"

// Any entity: "AcDbFace", "AcDbSolid", "AcDbPolyFaceMesh" and "AcDbPolygonMesh", compared in that
// order, exactly and case-sensitively, go to the converters below; any other class name returns
// 0 without an error.
int ConvertMeshEntity(OdDbEntityPtr entity, ON_Mesh& output);
// Whether ConvertMeshEntity takes entities of that exact class name; for any other class it
// returns 0 without reading the entity.
bool IsMeshEntityClass(const OdString& className);

// One triangle (p0, p1, p2) when the fourth corner equals the third within OdGeContext::gTol,
// else the quad (p0, p1, p2, p3). A face that cleaning leaves without a valid topology (all
// corners at one place, a zero-length side) is dropped: the result is then 1 with an empty mesh.
int ConvertFace(OdDbFacePtr face, ON_Mesh& output);

// As ConvertFace with the solid's corners; the quad is (p0, p1, p3, p2), the order in which a
// solid fills its corners.
int ConvertSolid(OdDbSolidPtr solid, ON_Mesh& output);

// The first numVertices() sub-objects are the vertices, all later ones face records (an object
// of the other class is a host error, so 0). A face record's vertex numbers are 1-based, their
// sign ignored; a fourth number 0 makes a triangle. Out-of-range numbers are left to cleaning,
// which repairs or removes the face. Returns 0 when no valid mesh is left after cleaning.
int ConvertPolyFaceMesh(OdDbPolyFaceMeshPtr mesh, ON_Mesh& output);

// An mSize() x nSize() grid filled row by row (N fastest) from the vertex iterator, one quad per
// grid cell plus the cells that close the mesh in M and N. Returns 0 when mSize or nSize is below
// 1, when the iterator yields fewer vertices than the grid has slots (vertices beyond the grid
// are not read), or when no valid mesh is left after cleaning (e.g. a single row).
int ConvertPolygonMesh(OdDbPolygonMeshPtr mesh, ON_Mesh& output);

// Append one face to target as a separate one-face mesh with its own copies of the corners,
// after culling it as degenerate where needed. Return 1 when the face was appended, 0 when
// nothing valid was left of it (then target is unchanged).
int AppendTriangleFace(ON_Mesh& target, const ON_3dPoint& a, const ON_3dPoint& b,
                       const ON_3dPoint& c);
int AppendQuadFace(ON_Mesh& target, const ON_3dPoint& a, const ON_3dPoint& b, const ON_3dPoint& c,
                   const ON_3dPoint& d);
