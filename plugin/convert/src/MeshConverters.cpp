// 3D faces, 2D solids, polyface and polygon meshes, their dispatcher and the face helpers.
#include <cstdlib>
#include <initializer_list>
#include <vector>

#include "HostErrorGuard.h"
#include "HostValues.h"
#include "convert/ConvertMeshes.h"

using convert_internal::ForEachSubObject;
using convert_internal::GuardHostErrors;
using convert_internal::HasClassName;
using convert_internal::OpenSubObject;
using convert_internal::ToOn;

namespace {

// A one-face mesh of the corners in the given order (three: triangle, four: quad), cleaned; it
// goes into target only when its topology is valid afterwards.
int AppendFace(ON_Mesh& target, std::initializer_list<ON_3dPoint> corners) {
  const int count = static_cast<int>(corners.size());
  ON_Mesh face(1, count, false, false);
  int index = 0;
  for (const ON_3dPoint& corner : corners) face.SetVertex(index++, corner);
  if (count == 3) {
    face.SetTriangle(0, 0, 1, 2);
  } else {
    face.SetQuad(0, 0, 1, 2, 3);
  }
  face.Compact();
  if (!face.Topology().IsValid()) return 0;
  target.Append(face);
  return 1;
}

// The four corners of a 3D face or 2D solid, read by readCorner(i, point) for i = 0 .. 3. It is a
// triangle when the fourth corner repeats the third within the host's tolerance; other
// coinciding corners are left to the face cleaning.
struct Corners {
  ON_3dPoint p[4];
  bool triangle = false;
};

template <class ReadCorner>
Corners ReadCorners(ReadCorner&& readCorner) {
  OdGePoint3d read[4];
  for (int i = 0; i < 4; ++i) readCorner(i, read[i]);
  Corners corners;
  for (int i = 0; i < 4; ++i) corners.p[i] = ToOn(read[i]);
  corners.triangle = read[2].isEqualTo(read[3], OdGeContext::gTol);
  return corners;
}

// Culls what the builders left unusable; the output gets the mesh only when it is valid then.
int CleanAndAssign(ON_Mesh& mesh, ON_Mesh& output) {
  mesh.CullUnusedVertices();
  mesh.CullDegenerateFaces();
  mesh.Compact();
  if (!mesh.IsValid()) return 0;
  output = mesh;
  return 1;
}

// A face record's vertex number as a mesh index: 1-based, the sign (an invisible edge) ignored.
// 0 gives -1, which cleaning repairs or removes like any other index out of range.
int MeshIndex(OdInt16 vertexNumber) { return std::abs(static_cast<int>(vertexNumber)) - 1; }

void SetFace(ON_Mesh& mesh, int f, const OdDbFaceRecord& record) {
  const int a = MeshIndex(record.getVertexAt(0));
  const int b = MeshIndex(record.getVertexAt(1));
  const int c = MeshIndex(record.getVertexAt(2));
  const OdInt16 d = record.getVertexAt(3);
  if (d == 0) {
    mesh.SetTriangle(f, a, b, c);
  } else {
    mesh.SetQuad(f, a, b, c, MeshIndex(d));
  }
}

struct Grid {
  int m = 0;
  int n = 0;
  bool mClosed = false;
  bool nClosed = false;
  std::vector<ON_3dPoint> points;  // row r, column j at r * n + j

  int Size() const { return m * n; }
};

// The quad of grid cell i, if it has one: the open cells, then the cells that close the mesh in
// N (last column to the first) and in M (last row to the first). Corner orders as the host draws
// them.
void AppendGridCell(ON_Mesh& mesh, const Grid& grid, int i) {
  const int r = i / grid.n;
  const int j = i % grid.n;
  const int firstRow = (grid.m - 1) * grid.n;  // offset from row m-1 back to row 0
  const auto& p = grid.points;
  if (j < grid.n - 1 && r < grid.m - 1) {
    AppendQuadFace(mesh, p[i], p[i + 1], p[i + grid.n + 1], p[i + grid.n]);
  } else if (j == grid.n - 1 && grid.nClosed && r < grid.m - 1) {
    AppendQuadFace(mesh, p[i], p[i - grid.n + 1], p[i + 1], p[i + grid.n]);
  } else if (r == grid.m - 1 && grid.mClosed && i != grid.Size() - 1) {
    AppendQuadFace(mesh, p[i], p[i + 1], p[i - firstRow + 1], p[i - firstRow]);
  }
}

ON_Mesh MeshOfGrid(const Grid& grid) {
  ON_Mesh mesh;
  for (int i = 0; i < grid.Size(); ++i) AppendGridCell(mesh, grid, i);
  if (grid.mClosed && grid.nClosed) {
    const auto& p = grid.points;
    AppendQuadFace(mesh, p[grid.n - 1], p[grid.Size() - 1], p[(grid.m - 1) * grid.n], p[0]);
  }
  return mesh;
}

// Fills the grid from the iterator; never reads more vertices than the grid has slots. The grid
// grows with the vertices actually there, so a stored size far beyond them allocates nothing.
bool FillGrid(const OdDbPolygonMesh& mesh, Grid& grid) {
  const size_t slots = static_cast<size_t>(grid.Size());
  ForEachSubObject(mesh.vertexIterator(), [&](const OdDbObjectId& id) {
    grid.points.push_back(ToOn(OpenSubObject<OdDbPolygonMeshVertex>(id)->position()));
    return grid.points.size() < slots;
  });
  return grid.points.size() == slots;
}

}  // namespace

int AppendTriangleFace(ON_Mesh& target, const ON_3dPoint& a, const ON_3dPoint& b,
                       const ON_3dPoint& c) {
  return AppendFace(target, {a, b, c});
}

int AppendQuadFace(ON_Mesh& target, const ON_3dPoint& a, const ON_3dPoint& b, const ON_3dPoint& c,
                   const ON_3dPoint& d) {
  return AppendFace(target, {a, b, c, d});
}

namespace {

struct MeshClass {
  const wchar_t* className;
  int (*convert)(const OdDbEntityPtr& entity, ON_Mesh& output);
};

// ConvertMeshEntity's classes, in the order they are compared.
const MeshClass kMeshClasses[] = {
    {L"AcDbFace", [](const OdDbEntityPtr& e, ON_Mesh& o) { return ConvertFace(e, o); }},
    {L"AcDbSolid", [](const OdDbEntityPtr& e, ON_Mesh& o) { return ConvertSolid(e, o); }},
    {L"AcDbPolyFaceMesh",
     [](const OdDbEntityPtr& e, ON_Mesh& o) { return ConvertPolyFaceMesh(e, o); }},
    {L"AcDbPolygonMesh",
     [](const OdDbEntityPtr& e, ON_Mesh& o) { return ConvertPolygonMesh(e, o); }},
};

}  // namespace

int ConvertMeshEntity(OdDbEntityPtr entity, ON_Mesh& output) {
  return GuardHostErrors([&] {
    for (const MeshClass& named : kMeshClasses) {
      if (HasClassName(*entity, named.className)) return named.convert(entity, output);
    }
    return 0;
  });
}

bool IsMeshEntityClass(const OdString& className) {
  for (const MeshClass& named : kMeshClasses) {
    if (className == named.className) return true;
  }
  return false;
}

int ConvertFace(OdDbFacePtr face, ON_Mesh& output) {
  return GuardHostErrors([&] {
    const Corners c = ReadCorners(
        [&](int i, OdGePoint3d& point) { face->getVertexAt(static_cast<OdUInt16>(i), point); });
    const ON_3dPoint* p = c.p;
    ON_Mesh mesh;
    if (c.triangle) {
      AppendTriangleFace(mesh, p[0], p[1], p[2]);
    } else {
      AppendQuadFace(mesh, p[0], p[1], p[2], p[3]);
    }
    output = mesh;
    return 1;
  });
}

int ConvertSolid(OdDbSolidPtr solid, ON_Mesh& output) {
  return GuardHostErrors([&] {
    const Corners c = ReadCorners([&](int i, OdGePoint3d& point) { solid->getPointAt(i, point); });
    const ON_3dPoint* p = c.p;
    ON_Mesh mesh;
    if (c.triangle) {
      AppendTriangleFace(mesh, p[0], p[1], p[2]);
    } else {
      AppendQuadFace(mesh, p[0], p[1], p[3], p[2]);
    }
    output = mesh;
    return 1;
  });
}

int ConvertPolyFaceMesh(OdDbPolyFaceMeshPtr mesh, ON_Mesh& output) {
  return GuardHostErrors([&] {
    const int vertexCount = mesh->numVertices();
    const int faceCount = mesh->numFaces();
    ON_Mesh built(faceCount > 0 ? faceCount : 0, vertexCount > 0 ? vertexCount : 0, false, false);
    int k = 0;
    int f = 0;
    ForEachSubObject(mesh->vertexIterator(), [&](const OdDbObjectId& id) {
      if (k < vertexCount) {
        built.SetVertex(k, ToOn(OpenSubObject<OdDbPolyFaceMeshVertex>(id)->position()));
      } else {
        SetFace(built, f++, *OpenSubObject<OdDbFaceRecord>(id));
      }
      ++k;
      return true;
    });
    return CleanAndAssign(built, output);
  });
}

int ConvertPolygonMesh(OdDbPolygonMeshPtr mesh, ON_Mesh& output) {
  return GuardHostErrors([&] {
    Grid grid;
    grid.m = mesh->mSize();
    grid.n = mesh->nSize();
    if (grid.m < 1 || grid.n < 1) return 0;
    grid.mClosed = mesh->isMClosed();
    grid.nClosed = mesh->isNClosed();
    if (!FillGrid(*mesh, grid)) return 0;
    ON_Mesh built = MeshOfGrid(grid);
    return CleanAndAssign(built, output);
  });
}
