// Every entity of every drawing in the shared corpus through the converters the export calls,
// one named test per drawing: no host error escapes, every handle is left as it was found, and
// what a polyline or mesh converter gives is checked against the host's own view of the entity.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "DbArc.h"
#include "DbCircle.h"
#include "DbEllipse.h"
#include "DbLine.h"
#include "DbPoint.h"
#include "DbText.h"
#include "TestDrawing.h"
#include "convert/Converters.h"
#include "dxf/DxfReader.h"

namespace fs = std::filesystem;

namespace {

fs::path CorpusDir() {
  const char* shared = std::getenv("QUORLEX_SHARED_DIR");
  return fs::path(shared ? shared : QUORLEX_SHARED_DIR) / "dxf-corpus";
}

std::vector<fs::path> CorpusFiles() {
  std::vector<fs::path> files;
  if (!fs::is_directory(CorpusDir())) return files;
  for (const fs::directory_entry& entry : fs::directory_iterator(CorpusDir())) {
    std::string ext = entry.path().extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    if (ext == ".dxf") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

bool Close(double expected, double actual) {
  return std::fabs(expected - actual) <= 1e-9 * (1.0 + std::fabs(expected));
}

// The world points the host's curve queries give at the vertex parameters 0, 1, ...
std::vector<OdGePoint3d> HostVertices(const OdDbCurve& curve, int count) {
  std::vector<OdGePoint3d> points(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) curve.getPointAtParam(i, points[static_cast<size_t>(i)]);
  return points;
}

int VertexCount(const OdDbEntity& polyline) {
  if (const auto* light = dynamic_cast<const OdDbPolyline*>(&polyline)) {
    return static_cast<int>(light->numVerts());
  }
  int count = 0;
  for (const OdDbObjectId& id : *polyline.ownedObjectIds()) count += id.isErased() ? 0 : 1;
  return count;
}

// The vertex locations a face-like entity has, as the host gives them.
std::vector<ON_3dPoint> HostCorners(const OdDbEntity& entity) {
  std::vector<ON_3dPoint> corners;
  OdGePoint3d p;
  if (const auto* face = dynamic_cast<const OdDbFace*>(&entity)) {
    for (OdUInt16 i = 0; i < 4; ++i) {
      face->getVertexAt(i, p);
      corners.push_back(On(p.x, p.y, p.z));
    }
    return corners;
  }
  if (const auto* solid = dynamic_cast<const OdDbSolid*>(&entity)) {
    for (int i = 0; i < 4; ++i) {
      solid->getPointAt(i, p);
      corners.push_back(On(p.x, p.y, p.z));
    }
    return corners;
  }
  for (const OdDbObjectId& id : *entity.ownedObjectIds()) {
    OdDbObjectPtr sub = id.openObject();
    if (const auto* v = dynamic_cast<const OdDbPolyFaceMeshVertex*>(sub.get())) {
      corners.push_back(On(v->position().x, v->position().y, v->position().z));
    } else if (const auto* w = dynamic_cast<const OdDbPolygonMeshVertex*>(sub.get())) {
      corners.push_back(On(w->position().x, w->position().y, w->position().z));
    }
  }
  return corners;
}

class CorpusDrawing : public ::testing::Test {
 public:
  explicit CorpusDrawing(fs::path file) : m_file(std::move(file)) {}

  void TestBody() override {
    OdDbDatabasePtr database;
    try {
      database = dxf::readDxfFile(m_file.string());
    } catch (const OdError& error) {
      GTEST_SKIP() << "the reader refuses this drawing: " << error.description().toUtf8();
    }
    OdDbBlockTableRecordPtr modelSpace = database->getModelSpaceId().safeOpenObject();
    for (OdDbObjectIteratorPtr it = modelSpace->newIterator(); !it->done(); it->step()) {
      OdDbEntityPtr entity = OdDbEntity::cast(it->objectId().safeOpenObject().get());
      if (entity.isNull()) continue;
      SCOPED_TRACE(entity->getDbHandle().asciiNarrow() + " " + entity->isA()->name().toUtf8());
      const HandleState before = HandleState::Of(*entity);
      EXPECT_NO_THROW(ConvertAsTheExportDoes(entity));
      EXPECT_EQ(before, HandleState::Of(*entity));
    }
  }

 private:
  void ConvertAsTheExportDoes(const OdDbEntityPtr& entity) {
    const OdString name = entity->isA()->name();
    if (name == L"AcDbPoint") ExtractPoint(OdDbPointPtr(entity), m_point);
    if (name == L"AcDbLine") ExtractLine(OdDbLinePtr(entity), m_line);
    if (name == L"AcDbCircle") ExtractCircle(OdDbCirclePtr(entity), m_circle);
    if (name == L"AcDbArc") ConvertArc(OdDbArcPtr(entity), m_arc);
    if (name == L"AcDbEllipse") ConvertEllipse(OdDbEllipsePtr(entity), m_ellipse);
    if (name == L"AcDbSpline") ConvertSpline(OdDbSplinePtr(entity), m_spline);
    if (name == L"AcDbText") ConvertText(OdDbTextPtr(entity), m_text);
    if (ConvertMeshEntity(entity, m_mesh)) {
      CheckMeshPoints(*entity);
    } else if (ExtractPolyline(entity, m_polyline)) {
      CheckPolylinePoints(*entity);
    }
  }

  // Each exported point is one of the entity's own vertices, with the same doubles.
  void CheckMeshPoints(const OdDbEntity& entity) {
    const std::vector<ON_3dPoint> corners = HostCorners(entity);
    const ON_MeshTopology& topology = m_mesh.Topology();
    for (int i = 0; i < topology.TopVertexCount(); ++i) {
      const ON_3dPoint p = topology.TopVertexPoint(i);
      EXPECT_NE(corners.end(), std::find(corners.begin(), corners.end(), p)) << "point " << i;
    }
  }

  // The vertices agree with the host's curve queries at the vertex parameters, which place a
  // 2D polyline through its normal the way the host draws it.
  void CheckPolylinePoints(const OdDbEntity& entity) {
    const int count = VertexCount(entity);
    const bool closed = dynamic_cast<const OdDbCurve&>(entity).isClosed();
    ASSERT_EQ(count + (closed && count > 0 ? 1 : 0), m_polyline.PointCount());
    const std::vector<OdGePoint3d> host =
        HostVertices(dynamic_cast<const OdDbCurve&>(entity), count);
    for (int i = 0; i < count; ++i) {
      const OdGePoint3d& h = host[static_cast<size_t>(i)];
      const ON_3dPoint& p = m_polyline[i];
      EXPECT_TRUE(Close(h.x, p.x) && Close(h.y, p.y) && Close(h.z, p.z))
          << "vertex " << i << ": host (" << h.x << ", " << h.y << ", " << h.z << "), got (" << p.x
          << ", " << p.y << ", " << p.z << ")";
    }
  }

  fs::path m_file;
  // One working object per kind, reused for every entity of the drawing, as in the export.
  ON_3dPoint m_point;
  ON_Line m_line;
  ON_Circle m_circle;
  ON_Arc m_arc;
  ON_Ellipse m_ellipse;
  ON_NurbsCurve m_spline;
  ON_TextEntity m_text;
  ON_Mesh m_mesh;
  ON_Polyline m_polyline;
};

TEST(convert_Corpus, FolderHoldsDrawings) { EXPECT_FALSE(CorpusFiles().empty()) << CorpusDir(); }

bool RegisterCorpus() {
  for (const fs::path& file : CorpusFiles()) {
    std::string name = file.stem().string();
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
    ::testing::RegisterTest("convert_Corpus", name.c_str(), nullptr, nullptr, __FILE__, __LINE__,
                            [file]() -> ::testing::Test* { return new CorpusDrawing(file); });
  }
  return true;
}

const bool kRegistered = RegisterCorpus();

}  // namespace
