// 3D faces, 2D solids, polyface and polygon meshes through the mesh dispatcher, on entities in a
// real drawing: the faces built, the distinct locations exported, and the data that is refused.
#include <gtest/gtest.h>

#include <vector>

#include "DbLine.h"
#include "DbPolyline.h"
#include "TestDrawing.h"
#include "convert/ConvertMeshes.h"
#include "convert/ConvertPolylines.h"

namespace {

// The points the export takes from a converted mesh, in the topology's order.
std::vector<ON_3dPoint> ExportedPoints(const ON_Mesh& mesh) {
  std::vector<ON_3dPoint> points;
  const ON_MeshTopology& topology = mesh.Topology();
  for (int i = 0; i < topology.TopVertexCount(); ++i) points.push_back(topology.TopVertexPoint(i));
  return points;
}

// The corner locations of face f, in the face's own order (three for a triangle).
std::vector<ON_3dPoint> FaceCorners(const ON_Mesh& mesh, int f) {
  const ON_MeshFace& face = mesh.m_F[f];
  std::vector<ON_3dPoint> corners;
  for (int k = 0; k < (face.IsTriangle() ? 3 : 4); ++k) corners.push_back(mesh.Vertex(face.vi[k]));
  return corners;
}

void ExpectPoints(const std::vector<ON_3dPoint>& expected, const std::vector<ON_3dPoint>& actual) {
  ASSERT_EQ(expected.size(), actual.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_POINT_EQ(expected[i], actual[i]);
  }
}

// A mesh that a failed conversion must leave exactly as it was.
ON_Mesh MarkerMesh() {
  ON_Mesh marker;
  AppendTriangleFace(marker, On(-7, 0, 0), On(-6, 0, 0), On(-6, 1, 0));
  return marker;
}

void ExpectMarker(const ON_Mesh& mesh) {
  ASSERT_EQ(3, mesh.VertexCount());
  ASSERT_EQ(1, mesh.FaceCount());
  EXPECT_POINT_EQ(On(-7, 0, 0), mesh.Vertex(0));
}

class convert_Meshes : public ::testing::Test {
 protected:
  OdDbEntityPtr AddFace(const std::vector<OdGePoint3d>& corners) {
    OdDbFacePtr face = OdDbFace::createObject();
    for (OdUInt16 i = 0; i < 4; ++i) face->setVertexAt(i, corners[i]);
    return drawing.AddAndOpen(face);
  }

  OdDbEntityPtr AddSolid(const std::vector<OdGePoint3d>& corners) {
    OdDbSolidPtr solid = OdDbSolid::createObject();
    for (int i = 0; i < 4; ++i) solid->setPointAt(i, corners[i]);
    return drawing.AddAndOpen(solid);
  }

  using FaceNumbers = std::vector<OdInt16>;

  OdDbObjectId AddPolyFace(const std::vector<OdGePoint3d>& vertices,
                           const std::vector<FaceNumbers>& faces) {
    OdDbPolyFaceMeshPtr mesh = OdDbPolyFaceMesh::createObject();
    const OdDbObjectId id = drawing.Add(mesh);
    for (const OdGePoint3d& p : vertices) {
      OdDbPolyFaceMeshVertexPtr vertex = OdDbPolyFaceMeshVertex::createObject();
      vertex->setPosition(p);
      mesh->appendVertex(vertex);
    }
    for (const FaceNumbers& numbers : faces) mesh->appendFaceRecord(FaceRecord(numbers));
    return id;
  }

  static OdDbFaceRecordPtr FaceRecord(const FaceNumbers& numbers) {
    OdDbFaceRecordPtr record = OdDbFaceRecord::createObject();
    for (size_t k = 0; k < numbers.size(); ++k) {
      record->setVertexAt(static_cast<OdUInt16>(k), numbers[k]);
    }
    return record;
  }

  OdDbObjectId AddPolygonMesh(int m, int n, bool mClosed, bool nClosed,
                              const std::vector<OdGePoint3d>& vertices) {
    OdDbPolygonMeshPtr mesh = OdDbPolygonMesh::createObject();
    mesh->setMSize(static_cast<OdInt16>(m));
    mesh->setNSize(static_cast<OdInt16>(n));
    mesh->setMClosed(mClosed);
    mesh->setNClosed(nClosed);
    const OdDbObjectId id = drawing.Add(mesh);
    for (const OdGePoint3d& p : vertices) {
      OdDbPolygonMeshVertexPtr vertex = OdDbPolygonMeshVertex::createObject();
      vertex->setPosition(p);
      mesh->appendVertex(vertex);
    }
    return id;
  }

  // Row r, column j at (j, r, r * j): every location distinct, row by row.
  static std::vector<OdGePoint3d> GridVertices(int m, int n) {
    std::vector<OdGePoint3d> vertices;
    for (int r = 0; r < m; ++r) {
      for (int j = 0; j < n; ++j) vertices.emplace_back(j, r, r * j);
    }
    return vertices;
  }

  TestDrawing drawing;
};

TEST_F(convert_Meshes, FaceBecomesATriangleOrAQuadAndExportsItsDistinctCorners) {
  struct Case {
    const char* name;
    std::vector<OdGePoint3d> corners;
    int triangles, quads;
    std::vector<ON_3dPoint> exported;
  } cases[] = {
      {"quad, sorted by x then y",
       {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}},
       0,
       1,
       {On(0, 0, 0), On(0, 1, 0), On(1, 0, 0), On(1, 1, 0)}},
      {"triangle: fourth corner repeats the third",
       {{2, 0, 0}, {0, 0, 5}, {1, 3, 0}, {1, 3, 0}},
       1,
       0,
       {On(0, 0, 5), On(1, 3, 0), On(2, 0, 0)}},
      {"triangle: fourth corner within the host tolerance of the third",
       {{2, 0, 0}, {0, 0, 5}, {1, 3, 0}, {1, 3, 1e-11}},
       1,
       0,
       {On(0, 0, 5), On(1, 3, 0), On(2, 0, 0)}},
      {"first and last corner equal: the triangle of the other three",
       {{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {0, 0, 0}},
       1,
       0,
       {On(0, 0, 0), On(4, 0, 0), On(4, 4, 0)}},
      {"all corners at one place: no face", {{3, 3, 3}, {3, 3, 3}, {3, 3, 3}, {3, 3, 3}}, 0, 0, {}},
      {"diagonal corners equal: no face", {{0, 0, 0}, {1, 0, 0}, {0, 0, 0}, {0, 1, 0}}, 0, 0, {}},
      // Single precision would move these by decimetres and merge the first two corners.
      {"survey coordinates keep every digit",
       {{1000000.9, 5000000.3, 100.1},
        {1000000.91, 5000000.3, 100.1},
        {1000000.9, 5000001.45, 100.7},
        {1000000.9, 5000001.45, 100.7}},
       1,
       0,
       {On(1000000.9, 5000000.3, 100.1), On(1000000.9, 5000001.45, 100.7),
        On(1000000.91, 5000000.3, 100.1)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    OdDbEntityPtr face = AddFace(c.corners);
    const HandleState before = HandleState::Of(*face);
    ON_Mesh mesh = MarkerMesh();
    ASSERT_EQ(1, ConvertMeshEntity(face, mesh));
    EXPECT_EQ(c.triangles, mesh.TriangleCount());
    EXPECT_EQ(c.quads, mesh.QuadCount());
    ExpectPoints(c.exported, ExportedPoints(mesh));
    EXPECT_EQ(before, HandleState::Of(*face));
  }
}

TEST_F(convert_Meshes, SolidFillsItsCornersInCrossedOrder) {
  OdDbEntityPtr quad = AddSolid({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}});
  ON_Mesh mesh;
  ASSERT_EQ(1, ConvertMeshEntity(quad, mesh));
  ASSERT_EQ(1, mesh.QuadCount());
  ExpectPoints({On(0, 0, 0), On(1, 0, 0), On(1, 1, 0), On(0, 1, 0)}, FaceCorners(mesh, 0));

  OdDbEntityPtr triangle = AddSolid({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 1, 0}});
  ASSERT_EQ(1, ConvertMeshEntity(triangle, mesh));
  ASSERT_EQ(1, mesh.TriangleCount());
  ExpectPoints({On(0, 0, 0), On(1, 0, 0), On(0, 1, 0)}, FaceCorners(mesh, 0));
}

TEST_F(convert_Meshes, PolyFaceNumbersAreOneBasedWithTheSignIgnored) {
  const std::vector<OdGePoint3d> square = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {9, 9, 9}};
  OdDbEntityPtr mesh = TestDrawing::Open<OdDbEntity>(AddPolyFace(
      square, {{1, 2, 3, 0}, {-1, 3, -4, 0}, {0, 2, 3, 4}}));  // the fifth vertex is unused
  const HandleState before = HandleState::Of(*mesh);
  ON_Mesh converted;
  ASSERT_EQ(1, ConvertMeshEntity(mesh, converted));
  ASSERT_EQ(3, converted.TriangleCount());
  ExpectPoints({On(0, 0, 0), On(1, 0, 0), On(1, 1, 0)}, FaceCorners(converted, 0));
  ExpectPoints({On(0, 0, 0), On(1, 1, 0), On(0, 1, 0)}, FaceCorners(converted, 1));
  // A leading 0 names no vertex: the face keeps the other three.
  ExpectPoints({On(1, 0, 0), On(1, 1, 0), On(0, 1, 0)}, FaceCorners(converted, 2));
  ExpectPoints({On(0, 0, 0), On(0, 1, 0), On(1, 0, 0), On(1, 1, 0)}, ExportedPoints(converted));
  EXPECT_EQ(before, HandleState::Of(*mesh));
}

TEST_F(convert_Meshes, PolyFaceWithoutAUsableFaceIsRefused) {
  struct Case {
    const char* name;
    std::vector<FaceNumbers> faces;
  } cases[] = {
      {"all faces degenerate", {{1, 1, 2, 0}, {3, 3, 3, 3}}},
      {"numbers beyond the vertex list", {{5, 6, 7, 0}}},
      {"no face records", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    OdDbEntityPtr mesh =
        TestDrawing::Open<OdDbEntity>(AddPolyFace({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}, c.faces));
    ON_Mesh output = MarkerMesh();
    EXPECT_EQ(0, ConvertMeshEntity(mesh, output));
    ExpectMarker(output);
  }
}

TEST_F(convert_Meshes, PolygonMeshGetsOneQuadPerCellAndExportsEveryGridPoint) {
  struct Case {
    const char* name;
    bool mClosed, nClosed;
    int quads;
  } cases[] = {
      {"open", false, false, 6},
      {"closed in N", false, true, 8},
      {"closed in M", true, false, 9},
      {"closed in both", true, true, 12},
  };
  std::vector<ON_3dPoint> sorted;
  for (int j = 0; j < 4; ++j) {
    for (int r = 0; r < 3; ++r) sorted.push_back(On(j, r, r * j));
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    OdDbEntityPtr mesh = TestDrawing::Open<OdDbEntity>(
        AddPolygonMesh(3, 4, c.mClosed, c.nClosed, GridVertices(3, 4)));
    const HandleState before = HandleState::Of(*mesh);
    ON_Mesh converted;
    ASSERT_EQ(1, ConvertMeshEntity(mesh, converted));
    EXPECT_EQ(c.quads, converted.QuadCount());
    EXPECT_EQ(0, converted.TriangleCount());
    ExpectPoints(sorted, ExportedPoints(converted));
    EXPECT_EQ(before, HandleState::Of(*mesh));
  }
}

TEST_F(convert_Meshes, PolygonMeshCellsFollowTheGridRows) {
  OdDbEntityPtr mesh =
      TestDrawing::Open<OdDbEntity>(AddPolygonMesh(2, 3, false, true, GridVertices(2, 3)));
  ON_Mesh converted;
  ASSERT_EQ(1, ConvertMeshEntity(mesh, converted));
  ASSERT_EQ(3, converted.QuadCount());
  ExpectPoints({On(0, 0, 0), On(1, 0, 0), On(1, 1, 1), On(0, 1, 0)}, FaceCorners(converted, 0));
  // The closing cell joins the last column back to the first.
  ExpectPoints({On(2, 0, 0), On(0, 0, 0), On(0, 1, 0), On(2, 1, 2)}, FaceCorners(converted, 2));
}

TEST_F(convert_Meshes, PolygonMeshVerticesBeyondTheGridAreNotRead) {
  std::vector<OdGePoint3d> vertices = GridVertices(3, 4);
  vertices.emplace_back(99, 99, 99);
  const OdDbObjectId id = AddPolygonMesh(3, 4, false, false, vertices);
  OdDbEntityPtr mesh = TestDrawing::Open<OdDbEntity>(id);
  // Held open for write, the extra vertex would fail the conversion if it were opened.
  OdDbObjectPtr extra = mesh->ownedObjectIds()->back().safeOpenObject(OdDb::kForWrite);
  ON_Mesh converted;
  ASSERT_EQ(1, ConvertMeshEntity(mesh, converted));
  EXPECT_EQ(12u, ExportedPoints(converted).size());
}

TEST_F(convert_Meshes, PolygonMeshWhoseGridCannotBeFilledOrMeshedIsRefused) {
  struct Case {
    const char* name;
    int m, n;
    int vertexCount;
  } cases[] = {
      {"fewer vertices than the grid", 3, 4, 11},
      {"no vertices", 3, 4, 0},
      {"single row", 1, 4, 4},
      {"single column", 4, 1, 4},
      {"zero M", 0, 4, 4},
      {"both sizes negative", -3, -4, 12},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<OdGePoint3d> vertices = GridVertices(3, 4);
    vertices.resize(static_cast<size_t>(c.vertexCount));
    OdDbEntityPtr mesh =
        TestDrawing::Open<OdDbEntity>(AddPolygonMesh(c.m, c.n, false, false, vertices));
    ON_Mesh output = MarkerMesh();
    EXPECT_EQ(0, ConvertMeshEntity(mesh, output));
    ExpectMarker(output);
  }
}

TEST_F(convert_Meshes, DispatcherRefusesOtherClassesAndKeepsItsOutput) {
  OdDbEntityPtr line = OdDbLine::createObject();
  OdDbEntityPtr polyline = OdDbPolyline::createObject();
  for (OdDbEntityPtr entity : {drawing.AddAndOpen(line), drawing.AddAndOpen(polyline)}) {
    SCOPED_TRACE(entity->isA()->name().toUtf8());
    const HandleState before = HandleState::Of(*entity);
    ON_Mesh output = MarkerMesh();
    EXPECT_EQ(0, ConvertMeshEntity(entity, output));
    ExpectMarker(output);
    EXPECT_EQ(before, HandleState::Of(*entity));
  }
}

// Host errors inside a mesh walk: a sub-object of the wrong class where the mesh expects a vertex
// (a file listing a face record first), and a vertex held open for write elsewhere.
TEST_F(convert_Meshes, HostErrorsInTheVertexWalkFailTheConversionCleanly) {
  const OdDbObjectId outOfOrder = AddPolyFace({}, {});
  drawing.database()->addLoadedObject(outOfOrder, FaceRecord({1, 2, 3, 0}));
  OdDbPolyFaceMeshVertexPtr vertex = OdDbPolyFaceMeshVertex::createObject();
  drawing.database()->addLoadedObject(outOfOrder, vertex);
  vertex.release();

  const OdDbObjectId heldMesh = AddPolygonMesh(3, 4, false, false, GridVertices(3, 4));
  const OdDbObjectId heldFace = AddPolyFace({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}, {{1, 2, 3, 0}});

  for (const OdDbObjectId& id : {outOfOrder, heldMesh, heldFace}) {
    OdDbEntityPtr mesh = TestDrawing::Open<OdDbEntity>(id);
    SCOPED_TRACE(mesh->isA()->name().toUtf8());
    OdDbObjectPtr held;
    if (id != outOfOrder) held = mesh->ownedObjectIds()->back().safeOpenObject(OdDb::kForWrite);
    const HandleState before = HandleState::Of(*mesh);
    const long liveBefore = odrxLiveObjectCount();
    ON_Mesh output = MarkerMesh();
    EXPECT_EQ(0, ConvertMeshEntity(mesh, output));
    ExpectMarker(output);
    EXPECT_EQ(before, HandleState::Of(*mesh));
    EXPECT_EQ(liveBefore, odrxLiveObjectCount());
  }
}

// The walk asks the dispatchers which classes they take, and skips them for every other class:
// whole names, case-sensitive, each dispatcher its own.
TEST(convert_Dispatchers, TakeTheirClassesByWholeCaseSensitiveName) {
  const struct {
    const wchar_t* name;
    bool mesh, polyline;
  } cases[] = {
      {L"AcDbFace", true, false},         {L"AcDbSolid", true, false},
      {L"AcDbPolyFaceMesh", true, false}, {L"AcDbPolygonMesh", true, false},
      {L"AcDbPolyline", false, true},     {L"AcDb2dPolyline", false, true},
      {L"AcDb3dPolyline", false, true},   {L"AcDbface", false, false},
      {L"AcDbFace ", false, false},       {L"AcDbPolyline2", false, false},
      {L"AcDbLine", false, false},        {L"", false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(OdString(c.name).toUtf8());
    EXPECT_EQ(IsMeshEntityClass(c.name), c.mesh);
    EXPECT_EQ(IsPolylineEntityClass(c.name), c.polyline);
  }
}

}  // namespace
