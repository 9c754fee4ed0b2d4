// Meshes: the one-face recipe the face converters use (set vertices, set the face, Compact,
// check the topology), cleaning rules, append, validation, and the topology's vertex order with
// double-precision coordinates.
#include <cmath>
#include <limits>
#include <vector>

#include "bit_exact.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// One quad (0,1,2,3) over four given corners, then Compact.
ON_Mesh OneQuad(const std::vector<ON_3dPoint>& corners) {
  ON_Mesh mesh(1, 4, false, false);
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(mesh.SetVertex(i, corners[i]));
  mesh.SetQuad(0, 0, 1, 2, 3);
  EXPECT_TRUE(mesh.Compact());
  return mesh;
}

std::vector<ON_3dPoint> TopologyPoints(const ON_Mesh& mesh) {
  const ON_MeshTopology& top = mesh.Topology();
  std::vector<ON_3dPoint> points;
  for (int k = 0; k < top.TopVertexCount(); ++k) points.push_back(top.TopVertexPoint(k));
  return points;
}

std::vector<int> FaceIndices(const ON_Mesh& mesh, int f) {
  const ON_MeshFace& face = mesh.m_F[f];
  return {face.vi[0], face.vi[1], face.vi[2], face.vi[3]};
}

::testing::AssertionResult SamePoints(const std::vector<ON_3dPoint>& got,
                                      const std::vector<Xyz>& want) {
  if (got.size() != want.size()) {
    return ::testing::AssertionFailure() << got.size() << " points, want " << want.size();
  }
  for (size_t i = 0; i < got.size(); ++i) {
    ::testing::AssertionResult r = SameBits(got[i], want[i]);
    if (!r) return r << " at " << i;
  }
  return ::testing::AssertionSuccess();
}

struct RecipeCase {
  const char* name;
  std::vector<ON_3dPoint> corners;
  int vertices;           // after Compact
  std::vector<int> face;  // empty: the mesh has no face left
  bool mesh_valid;
  bool topology_valid;
  std::vector<Xyz> top_points;  // in topology order
};

const RecipeCase kRecipeCases[] = {
    {"unit square",
     {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}},
     4,
     {0, 1, 2, 3},
     true,
     true,
     {{0, 0, 0}, {0, 1, 0}, {1, 0, 0}, {1, 1, 0}}},
    {"corners 2 and 3 equal: kept as a quad, topology invalid",
     {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {1, 1, 0}},
     4,
     {0, 1, 2, 3},
     true,
     false,
     {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}},
    {"corners 0 and 2 equal: destroyed",
     {{0, 0, 0}, {1, 0, 0}, {0, 0, 0}, {0, 1, 0}},
     0,
     {},
     false,
     false,
     {}},
    {"corners 1 and 3 equal: destroyed",
     {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {1, 0, 0}},
     0,
     {},
     false,
     false,
     {}},
    // 0 and -0 coincide; the -0 tag shows which duplicate survives.
    {"corners 0 and 1 equal: triangle of p1, p2, p3",
     {{0, 0, 0}, {-0.0, 0, 0}, {1, 1, 0}, {0, 1, 0}},
     3,
     {0, 1, 2, 2},
     true,
     true,
     {{-0.0, 0, 0}, {0, 1, 0}, {1, 1, 0}}},
    {"corners 1 and 2 equal: triangle of p0, p2, p3",
     {{0, 0, 0}, {1, 0, 0}, {1, -0.0, 0}, {0, 1, 0}},
     3,
     {0, 1, 2, 2},
     true,
     true,
     {{0, 0, 0}, {0, 1, 0}, {1, -0.0, 0}}},
    {"corners 3 and 0 equal: triangle of p1, p2, p3",
     {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {-0.0, 0, 0}},
     3,
     {0, 1, 2, 2},
     true,
     true,
     {{-0.0, 0, 0}, {1, 0, 0}, {1, 1, 0}}},
    {"all four corners at one location: destroyed",
     {{2, 3, 4}, {2, 3, 4}, {2, 3, 4}, {2, 3, 4}},
     0,
     {},
     false,
     false,
     {}},
    {"four collinear distinct corners are kept",
     {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}},
     4,
     {0, 1, 2, 3},
     true,
     true,
     {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}}},
    // As floats 0.1 and 0.100000001 are one value; as doubles they stay two points.
    {"0.1 and 0.100000001 stay distinct",
     {{0.1, 0, 0}, {0.100000001, 0, 0}, {1, 1, 0}, {0, 1, 0}},
     4,
     {0, 1, 2, 3},
     true,
     true,
     {{0, 1, 0}, {0.1, 0, 0}, {0.100000001, 0, 0}, {1, 1, 0}}},
    // A NaN coordinate sorts before every number and matches nothing.
    {"NaN vertex sorts first",
     {{0, 0, 0}, {1, 0, 0}, {kNaN, 1, 0}, {0, 1, 0}},
     4,
     {0, 1, 2, 3},
     true,
     true,
     {{kNaN, 1, 0}, {0, 0, 0}, {0, 1, 0}, {1, 0, 0}}},
    {"survey coordinates keep every digit",
     {{1000000.9, 4999999.93, 101.25},
      {1000000.88, 4999999.93, 101.25},
      {1000000.88, 5000012.07, 101.5},
      {999987.4, 5000012.07, 99.75}},
     4,
     {0, 1, 2, 3},
     true,
     true,
     {{999987.4, 5000012.07, 99.75},
      {1000000.88, 4999999.93, 101.25},
      {1000000.88, 5000012.07, 101.5},
      {1000000.9, 4999999.93, 101.25}}},
};

TEST(OpennurbsMesh, OneFaceRecipe) {
  for (const RecipeCase& c : kRecipeCases) {
    SCOPED_TRACE(c.name);
    const ON_Mesh mesh = OneQuad(c.corners);
    EXPECT_EQ(mesh.VertexCount(), c.vertices);
    ASSERT_EQ(mesh.FaceCount(), c.face.empty() ? 0 : 1);
    if (!c.face.empty()) {
      EXPECT_EQ(FaceIndices(mesh, 0), c.face);
    }
    EXPECT_EQ(mesh.IsValid(), c.mesh_valid);
    EXPECT_EQ(mesh.Topology().IsValid(), c.topology_valid);
    EXPECT_TRUE(SamePoints(TopologyPoints(mesh), c.top_points));
  }
}

TEST(OpennurbsMesh, OneTriangleRecipe) {
  const auto triangle = [](ON_3dPoint a, ON_3dPoint b, ON_3dPoint c) {
    ON_Mesh mesh(1, 3, false, false);
    mesh.SetVertex(0, a);
    mesh.SetVertex(1, b);
    mesh.SetVertex(2, c);
    mesh.SetTriangle(0, 0, 1, 2);
    mesh.Compact();
    return mesh;
  };
  const ON_Mesh good = triangle({5, 0, 0}, {0, 5, 0}, {0, 0, 5});
  EXPECT_TRUE(good.Topology().IsValid());
  EXPECT_EQ(good.Topology().TopEdgeCount(), 3);
  EXPECT_TRUE(SamePoints(TopologyPoints(good), {{0, 0, 5}, {0, 5, 0}, {5, 0, 0}}));

  const ON_Mesh collapsed = triangle({5, 0, 0}, {0, 5, 0}, {5, 0, 0});
  EXPECT_EQ(collapsed.VertexCount(), 0);
  EXPECT_EQ(collapsed.FaceCount(), 0);
  EXPECT_FALSE(collapsed.Topology().IsValid());
}

TEST(OpennurbsMesh, SurveyCoordinatesThatCollideAsFloatsStayApart) {
  // Both x values narrow to the same float (1000000.875); the mesh keeps them apart.
  const ON_Mesh mesh = OneQuad({{1000000.9, 4999999.93, 0},
                                {1000000.88, 4999999.93, 0},
                                {1000000.88, 5000000.2, 0},
                                {1000000.9, 5000000.2, 0}});
  EXPECT_EQ(mesh.FloatVertex(0), mesh.FloatVertex(1));
  EXPECT_EQ(mesh.FloatVertex(2), mesh.FloatVertex(3));
  ASSERT_EQ(mesh.Topology().TopVertexCount(), 4);
  EXPECT_TRUE(mesh.Topology().IsValid());
  EXPECT_TRUE(SameBits(mesh.Vertex(0), {1000000.9, 4999999.93, 0}));
  EXPECT_TRUE(SameBits(mesh.Topology().TopVertexPoint(3), {1000000.9, 5000000.2, 0}));
  EXPECT_TRUE(SameBits(ON_3dPoint(mesh.Topology().TopVertexFloatPoint(3)).x, 1000000.875));
}

TEST(OpennurbsMesh, CullDegenerateFacesRepairsByShiftingIndices) {
  struct Case {
    const char* name;
    int face[4];
    std::vector<int> repaired;  // empty: removed
    int degenerate;
  } cases[] = {
      {"valid quad untouched", {0, 1, 2, 3}, {0, 1, 2, 3}, 0},
      {"valid triangle untouched", {0, 1, 2, 2}, {0, 1, 2, 2}, 0},
      {"quad (a,b,c,a) becomes (b,c,a,a)", {0, 1, 2, 0}, {1, 2, 0, 0}, 1},
      {"fourth index out of range", {0, 1, 2, 9}, {0, 1, 2, 2}, 1},
      {"first index negative", {-1, 0, 1, 2}, {0, 1, 2, 2}, 1},
      {"two indices out of range", {0, 1, -1, 9}, {}, 1},
      {"a, a, b, b", {0, 0, 1, 1}, {}, 1},
      {"corners 1, 2 and 3 at one location", {0, 4, 4, 1}, {}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ON_Mesh mesh;
    const ON_3dPoint pts[] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {1, 0, 0}};
    for (int i = 0; i < 5; ++i) mesh.SetVertex(i, pts[i]);
    mesh.SetQuad(0, c.face[0], c.face[1], c.face[2], c.face[3]);
    EXPECT_EQ(mesh.CullDegenerateFaces(), c.degenerate);
    ASSERT_EQ(mesh.FaceCount(), c.repaired.empty() ? 0 : 1);
    if (!c.repaired.empty()) {
      EXPECT_EQ(FaceIndices(mesh, 0), c.repaired);
    }
    EXPECT_EQ(mesh.VertexCount(), 5);  // vertices are culled separately
  }
}

TEST(OpennurbsMesh, SetVertexAndSetQuadStoreAsThePlatformDoes) {
  ON_Mesh mesh(2, 4, false, false);
  EXPECT_EQ(mesh.VertexCount(), 0);
  EXPECT_FALSE(mesh.SetQuad(0, 0, 1, 2, 3));  // stored, but invalid without vertices
  EXPECT_EQ(mesh.FaceCount(), 1);
  EXPECT_FALSE(mesh.SetQuad(5, 0, 1, 2, 3));  // beyond the end: not stored
  EXPECT_EQ(mesh.FaceCount(), 1);
  EXPECT_FALSE(mesh.SetVertex(1, ON_3dPoint(1, 1, 1)));  // not the next index
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(mesh.SetVertex(i, ON_3dPoint(i, i % 2, 0)));
  EXPECT_TRUE(mesh.SetVertex(0, ON_3dPoint(0.1, 0.2, 0.3)));  // overwrite
  EXPECT_TRUE(SameBits(mesh.Vertex(0), {0.1, 0.2, 0.3}));
  EXPECT_TRUE(mesh.SetTriangle(1, 0, 1, 2));
  EXPECT_EQ(mesh.TriangleCount(), 1);
  EXPECT_EQ(mesh.QuadCount(), 1);
  EXPECT_TRUE(mesh.IsValid());
}

TEST(OpennurbsMesh, CullUnusedVerticesPacksInOrderAndDestroysAnUnusedMesh) {
  ON_Mesh mesh(1, 5, true, false);
  for (int i = 0; i < 5; ++i) {
    mesh.SetVertex(i, ON_3dPoint(i, i * i, 0));
    mesh.m_N.Append(ON_3fVector(0, 0, i % 2 ? 1.0f : -1.0f));
  }
  mesh.SetTriangle(0, 4, 1, 3);
  EXPECT_EQ(mesh.CullUnusedVertices(), 2);
  ASSERT_EQ(mesh.VertexCount(), 3);
  EXPECT_EQ(mesh.Vertex(0), ON_3dPoint(1, 1, 0));
  EXPECT_EQ(mesh.Vertex(2), ON_3dPoint(4, 16, 0));
  EXPECT_EQ(FaceIndices(mesh, 0), (std::vector<int>{2, 0, 1, 1}));
  ASSERT_TRUE(mesh.HasVertexNormals());
  EXPECT_EQ(mesh.m_N[2].z, -1.0f);  // normals packed with their vertices
  EXPECT_TRUE(mesh.IsValid());

  ON_Mesh no_faces;
  for (int i = 0; i < 3; ++i) no_faces.SetVertex(i, ON_3dPoint(i, 0, 0));
  EXPECT_EQ(no_faces.CullUnusedVertices(), 3);
  EXPECT_EQ(no_faces.VertexCount(), 0);
  EXPECT_FALSE(no_faces.Topology().IsValid());
  EXPECT_EQ(no_faces.Topology().TopVertexCount(), 0);
}

TEST(OpennurbsMesh, IsValidChecksCountsIndicesAndNormalsOnly) {
  const auto triangle = [] {
    ON_Mesh m;
    for (int i = 0; i < 3; ++i) m.SetVertex(i, ON_3dPoint(i, i == 2, 0));
    m.SetTriangle(0, 0, 1, 2);
    return m;
  };
  struct Case {
    const char* name;
    void (*change)(ON_Mesh&);
    bool valid;
  } cases[] = {
      {"triangle", [](ON_Mesh&) {}, true},
      {"no face", [](ON_Mesh& m) { m.m_F.Empty(); }, false},
      {"two vertices", [](ON_Mesh& m) { m.m_dV.SetCount(2); }, false},
      {"normals for some vertices", [](ON_Mesh& m) { m.m_N.Append(ON_3fVector(0, 0, 1)); }, false},
      {"short normals",
       [](ON_Mesh& m) {
         for (int i = 0; i < 3; ++i) m.m_N.Append(ON_3fVector(0, 0, 0.9f));
       },
       false},
      {"unit normals",
       [](ON_Mesh& m) {
         for (int i = 0; i < 3; ++i) m.m_N.Append(ON_3fVector(0, 0, 1));
       },
       true},
      {"face index out of range", [](ON_Mesh& m) { m.SetTriangle(0, 0, 1, 3); }, false},
      {"NaN and infinite vertices",
       [](ON_Mesh& m) {
         m.SetVertex(0, ON_3dPoint(kNaN, 0, 0));
         m.SetVertex(1, ON_3dPoint(std::numeric_limits<double>::infinity(), 0, 0));
       },
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ON_Mesh m = triangle();
    c.change(m);
    EXPECT_EQ(m.IsValid(), c.valid);
  }
}

TEST(OpennurbsMesh, AppendOffsetsFacesAndRefreshesTheTopology) {
  ON_Mesh target;
  EXPECT_EQ(target.Topology().TopVertexCount(), 0);
  const ON_Mesh a = OneQuad({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}});
  const ON_Mesh b = OneQuad({{1, 0, 0}, {2, 0, 0}, {2, 1, 0}, {1, 1, 0}});
  EXPECT_TRUE(target.Append(a));
  const ON_MeshTopology& before = target.Topology();
  EXPECT_EQ(before.TopVertexCount(), 4);
  EXPECT_TRUE(target.Append(b));
  // A reference taken earlier stays usable: emptied by Append, refilled on the next call.
  EXPECT_EQ(before.TopVertexCount(), 0);
  EXPECT_EQ(&target.Topology(), &before);
  EXPECT_EQ(target.VertexCount(), 8);
  EXPECT_EQ(FaceIndices(target, 1), (std::vector<int>{4, 5, 6, 7}));
  EXPECT_TRUE(target.IsValid());

  // Shared corners are separate mesh vertices but one topological vertex each.
  const ON_MeshTopology& top = target.Topology();
  EXPECT_TRUE(top.IsValid());
  EXPECT_EQ(top.TopVertexCount(), 6);
  EXPECT_EQ(top.TopEdgeCount(), 7);
  EXPECT_TRUE(SamePoints(TopologyPoints(target),
                         {{0, 0, 0}, {0, 1, 0}, {1, 0, 0}, {1, 1, 0}, {2, 0, 0}, {2, 1, 0}}));
  ASSERT_EQ(top.m_topv[2].m_v_count, 2);
  EXPECT_EQ(top.m_topv[2].m_vi[0], 1);  // ascending mesh index within a location
  EXPECT_EQ(top.m_topv[2].m_vi[1], 4);

  target.Append(target);  // appending itself appends a copy
  EXPECT_EQ(target.VertexCount(), 16);
  EXPECT_EQ(FaceIndices(target, 3), (std::vector<int>{12, 13, 14, 15}));
  EXPECT_TRUE(target.Topology().IsValid());
}

TEST(OpennurbsMesh, AppendKeepsNormalsOnlyWhenBothMeshesHaveThem) {
  ON_Mesh with(1, 3, true, false);
  for (int i = 0; i < 3; ++i) {
    with.SetVertex(i, ON_3dPoint(i, i == 2, 0));
    with.m_N.Append(ON_3fVector(0, 0, 1));
  }
  with.SetTriangle(0, 0, 1, 2);
  ON_Mesh without = with;
  without.m_N.Destroy();

  ON_Mesh empty;
  empty.Append(with);
  EXPECT_TRUE(empty.HasVertexNormals());
  empty.Append(with);
  EXPECT_EQ(empty.m_N.Count(), 6);
  empty.Append(without);
  EXPECT_FALSE(empty.HasVertexNormals());
  EXPECT_EQ(empty.m_N.Count(), 0);
  EXPECT_TRUE(empty.IsValid());
}

TEST(OpennurbsMesh, CopiesAreIndependentAndBuildTheirOwnTopology) {
  ON_Mesh a = OneQuad({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}});
  ASSERT_TRUE(a.Topology().IsValid());
  ON_Mesh b;
  b = a;
  EXPECT_TRUE(b.Topology().IsValid());
  EXPECT_EQ(b.Topology().m_mesh, &b);
  a.Destroy();
  EXPECT_EQ(b.Topology().TopVertexCount(), 4);
  EXPECT_EQ(a.VertexCount(), 0);
  EXPECT_FALSE(a.Topology().IsValid());
}

TEST(OpennurbsMesh, NaNVerticesNeverMergeAndSortDeterministically) {
  ON_Mesh mesh;
  const ON_3dPoint pts[] = {{kNaN, 0, 0}, {0, 0, 0}, {kNaN, 0, 0}, {0, kNaN, 1}, {-1, 0, 0}};
  for (int i = 0; i < 5; ++i) mesh.SetVertex(i, pts[i]);
  mesh.SetTriangle(0, 0, 1, 2);
  mesh.SetTriangle(1, 2, 3, 4);
  EXPECT_EQ(mesh.CullDegenerateFaces(), 0);  // NaN corners are not "the same place"
  const ON_MeshTopology& top = mesh.Topology();
  ASSERT_EQ(top.TopVertexCount(), 5);
  EXPECT_TRUE(top.IsValid());
  // NaN x first (by index), then x = -1, then x = 0 with NaN y before y = 0.
  const int want_first_vertex[] = {0, 2, 4, 3, 1};
  for (int k = 0; k < 5; ++k) EXPECT_EQ(top.m_topv[k].m_vi[0], want_first_vertex[k]) << k;
}

}  // namespace

namespace {

std::vector<int> List(const int* items, int count) {
  return items == nullptr ? std::vector<int>() : std::vector<int>(items, items + count);
}

// Two quads sharing an edge, and a vertex no face uses. Topological vertices in x, y order:
// k0 (0,0) k1 (0,1) k2 (1,0) k3 (1,1) k4 (2,0) k5 (2,1) k6 (9,9).
TEST(OpennurbsMesh, TopologyListsEdgesOfEachVertexAndFacesOfEachEdge) {
  ON_Mesh mesh;
  const double xy[][2] = {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}, {9, 9}};
  for (int i = 0; i < 7; ++i) mesh.SetVertex(i, ON_3dPoint(xy[i][0], xy[i][1], 0));
  mesh.SetQuad(0, 0, 1, 4, 3);
  mesh.SetQuad(1, 1, 2, 5, 4);
  const ON_MeshTopology& top = mesh.Topology();
  ASSERT_TRUE(top.IsValid());
  ASSERT_EQ(top.TopEdgeCount(), 7);
  const std::vector<std::vector<int>> vertexEdges = {{0, 1}, {0, 2}, {1, 3, 4}, {2, 3, 5},
                                                     {4, 6}, {5, 6}, {}};
  ASSERT_EQ(top.TopVertexCount(), 7);
  for (int k = 0; k < 7; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(List(top.m_topv[k].m_topei, top.m_topv[k].m_tope_count), vertexEdges[k]);
  }
  const std::vector<std::vector<int>> edgeFaces = {{0}, {0}, {0}, {0, 1}, {1}, {1}, {1}};
  for (int e = 0; e < 7; ++e) {
    SCOPED_TRACE(e);
    EXPECT_EQ(List(top.m_tope[e].m_topfi, top.m_tope[e].m_topf_count), edgeFaces[e]);
  }
  EXPECT_EQ(top.m_topf[1].m_topei[3], 3);  // B's last side, 4 -> 1, runs along e3 reversed
  EXPECT_TRUE(top.m_topf[1].m_reve[3]);
}

// Vertices at one location keep ascending index order, for a face's few corners as for a mesh
// of many vertices.
TEST(OpennurbsMesh, VerticesAtOneLocationStayInIndexOrder) {
  for (int locations : {3, 5}) {
    SCOPED_TRACE(locations);
    ON_Mesh mesh;
    const int count = 4 * locations + 1;  // 13 (sorted in place) and 21
    for (int i = 0; i < count; ++i) mesh.SetVertex(i, ON_3dPoint(locations - i % locations, 0, 0));
    const ON_MeshTopology& top = mesh.Topology();
    ASSERT_EQ(top.TopVertexCount(), locations);
    for (int k = 0; k < locations; ++k) {
      std::vector<int> expected;
      for (int i = locations - 1 - k; i < count; i += locations) expected.push_back(i);
      EXPECT_EQ(List(top.m_topv[k].m_vi, top.m_topv[k].m_v_count), expected);
    }
  }
}

}  // namespace
