// Lightweight, 2D and 3D polylines, the polyline dispatcher and the extractor, on entities in a
// real drawing, including vertices the host cannot open.
#include <gtest/gtest.h>

#include <vector>

#include "Db3dPolylineVertex.h"
#include "DbLine.h"
#include "TestDrawing.h"
#include "convert/ConvertPolylines.h"

namespace {

struct Vertex2d {
  double x, y, bulge;
};

class convert_Polylines : public ::testing::Test {
 protected:
  OdDbEntityPtr AddLightweight(const std::vector<Vertex2d>& vertices, bool closed,
                               double elevation = 0.0, OdGeVector3d normal = {0, 0, 1}) {
    OdDbPolylinePtr polyline = OdDbPolyline::createObject();
    for (const Vertex2d& v : vertices) {
      polyline->addVertexAt(polyline->numVerts(), OdGePoint2d(v.x, v.y), v.bulge);
    }
    polyline->setClosed(closed);
    polyline->setElevation(elevation);
    polyline->setNormal(normal);
    return drawing.AddAndOpen(polyline);
  }

  // Vertex positions as stored in the vertex objects (object coordinates, own z).
  OdDbObjectId Add2d(const std::vector<OdGePoint3d>& positions, double elevation,
                     OdGeVector3d normal = {0, 0, 1}, bool closed = false) {
    OdDb2dPolylinePtr polyline = OdDb2dPolyline::createObject();
    polyline->setElevation(elevation);
    polyline->setNormal(normal);
    polyline->setClosed(closed);
    const OdDbObjectId id = drawing.Add(polyline);
    for (const OdGePoint3d& p : positions) {
      OdDb2dVertexPtr vertex = OdDb2dVertex::createObject();
      vertex->setPosition(p);
      polyline->appendVertex(vertex);
    }
    return id;
  }

  OdDbObjectId Add3d(const std::vector<OdGePoint3d>& positions, bool closed = false) {
    OdDb3dPolylinePtr polyline = OdDb3dPolyline::createObject();
    polyline->setClosed(closed);
    const OdDbObjectId id = drawing.Add(polyline);
    for (const OdGePoint3d& p : positions) {
      OdDb3dPolylineVertexPtr vertex = OdDb3dPolylineVertex::createObject();
      vertex->setPosition(p);
      polyline->appendVertex(vertex);
    }
    return id;
  }

  static ON_Polyline Marker() {
    ON_Polyline marker;
    marker.Append(On(-1, -2, -3));
    return marker;
  }

  static void ExpectPoints(const std::vector<ON_3dPoint>& expected, const ON_Polyline& actual) {
    ASSERT_EQ(static_cast<int>(expected.size()), actual.PointCount());
    for (size_t i = 0; i < expected.size(); ++i) {
      SCOPED_TRACE(i);
      EXPECT_POINT_EQ(expected[i], actual[static_cast<int>(i)]);
    }
  }

  TestDrawing drawing;
};

TEST_F(convert_Polylines, LightweightPolylineGivesItsVerticesAndRepeatsTheFirstWhenClosed) {
  struct Case {
    const char* name;
    std::vector<Vertex2d> vertices;
    bool closed;
    std::vector<ON_3dPoint> expected;
  } cases[] = {
      {"open, three vertices",
       {{1, 2, 0}, {3, 4, 0}, {5, 6, 0}},
       false,
       {On(1, 2, 0), On(3, 4, 0), On(5, 6, 0)}},
      {"closed, four vertices",
       {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}},
       true,
       {On(0, 0, 0), On(1, 0, 0), On(1, 1, 0), On(0, 1, 0), On(0, 0, 0)}},
      {"closed, two vertices",
       {{1, 2, 0}, {3, 4, 0}},
       true,
       {On(1, 2, 0), On(3, 4, 0), On(1, 2, 0)}},
      {"bulges ignored",
       {{0, 0, 1.0}, {10, 0, -0.5}, {10, 10, 0}},
       false,
       {On(0, 0, 0), On(10, 0, 0), On(10, 10, 0)}},
      {"no vertices, closed", {}, true, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    OdDbEntityPtr entity = AddLightweight(c.vertices, c.closed);
    const HandleState before = HandleState::Of(*entity);
    ON_Polyline extracted = Marker();
    ASSERT_EQ(1, ExtractPolyline(entity, extracted));
    ExpectPoints(c.expected, extracted);
    EXPECT_EQ(before, HandleState::Of(*entity));
  }
}

TEST_F(convert_Polylines, TwoDimensionalPolylineTakesTheElevationNotTheVertexZ) {
  const OdDbObjectId id = Add2d({{1, 2, 0}, {3, 4, 7}}, 5.0);
  OdDbEntityPtr entity = TestDrawing::Open<OdDbEntity>(id);
  ON_Polyline extracted;
  ASSERT_EQ(1, ExtractPolyline(entity, extracted));
  ExpectPoints({On(1, 2, 5), On(3, 4, 5)}, extracted);
}

TEST_F(convert_Polylines, ClosedTwoDimensionalAndThreeDimensionalPolylinesRepeatTheFirst) {
  OdDbEntityPtr flat = TestDrawing::Open<OdDbEntity>(
      Add2d({{1, 1, 0}, {2, 1, 0}, {2, 2, 0}}, -1.5, {0, 0, 1}, true));
  OdDbEntityPtr spatial =
      TestDrawing::Open<OdDbEntity>(Add3d({{1, 2, 3}, {4, 5, -6}, {7, 8, 9.25}}, true));
  ON_Polyline fromFlat, fromSpatial;
  ASSERT_EQ(1, ExtractPolyline(flat, fromFlat));
  ASSERT_EQ(1, ExtractPolyline(spatial, fromSpatial));
  ExpectPoints({On(1, 1, -1.5), On(2, 1, -1.5), On(2, 2, -1.5), On(1, 1, -1.5)}, fromFlat);
  ExpectPoints({On(1, 2, 3), On(4, 5, -6), On(7, 8, 9.25), On(1, 2, 3)}, fromSpatial);
}

// Normal +x: the arbitrary axis frame is x = (0,1,0), y = (0,0,1), so (x, y, elevation) lies at
// (elevation, x, y) in the world, with no rounding at all.
TEST_F(convert_Polylines, TiltedTwoDimensionalPolylineIsPlacedThroughItsNormal) {
  OdDbEntityPtr entity =
      TestDrawing::Open<OdDbEntity>(Add2d({{1, 2, 0}, {3, 4, 9}}, 5.0, {1, 0, 0}));
  ON_Polyline extracted;
  ASSERT_EQ(1, ExtractPolyline(entity, extracted));
  ExpectPoints({On(5, 1, 2), On(5, 3, 4)}, extracted);
}

// The same shape drawn as a lightweight polyline and as a 2D polyline exports the same world
// points, whatever the extrusion direction.
TEST_F(convert_Polylines, TwoDimensionalPolylineMatchesTheSameLightweightPolyline) {
  const OdGeVector3d normals[] = {{0, 0, 1}, {0, 0, -1}, {0.6, 0, 0.8}, {-0.48, 0.6, 0.64}};
  for (const OdGeVector3d& normal : normals) {
    SCOPED_TRACE(normal.x);
    OdDbEntityPtr light =
        AddLightweight({{1.5, 2.5, 0}, {-3, 4, 0.3}, {10, -7.25, 0}}, false, 12.0, normal);
    OdDbEntityPtr flat = TestDrawing::Open<OdDbEntity>(
        Add2d({{1.5, 2.5, 0}, {-3, 4, 0}, {10, -7.25, 0}}, 12.0, normal));
    ON_Polyline fromLight, fromFlat;
    ASSERT_EQ(1, ExtractPolyline(light, fromLight));
    ASSERT_EQ(1, ExtractPolyline(flat, fromFlat));
    ASSERT_EQ(3, fromFlat.PointCount());
    ASSERT_EQ(3, fromLight.PointCount());
    for (int i = 0; i < 3; ++i) EXPECT_POINT_NEAR(fromLight[i], fromFlat[i], 1e-12);
  }
}

TEST_F(convert_Polylines, ExtractorRefusesOtherClassesAndKeepsItsOutput) {
  OdDbLinePtr line = OdDbLine::createObject();
  line->setEndPoint(OdGePoint3d(1, 1, 1));
  OdDbEntityPtr entity = drawing.AddAndOpen(line);
  const HandleState before = HandleState::Of(*entity);
  ON_Polyline extracted = Marker();
  EXPECT_EQ(0, ExtractPolyline(entity, extracted));
  ExpectPoints({On(-1, -2, -3)}, extracted);
  ON_PolylineCurve curve(Marker());
  EXPECT_EQ(0, ConvertPolylineEntity(entity, curve));
  EXPECT_EQ(1, curve.PointCount());
  EXPECT_EQ(before, HandleState::Of(*entity));
}

// A vertex held open for write elsewhere cannot be opened for read: the host error is caught, the
// output keeps what it held, and the polyline's handle is as before. Nothing is printed.
TEST_F(convert_Polylines, VertexThatCannotBeOpenedFailsTheConversionCleanly) {
  for (const bool flat : {true, false}) {
    SCOPED_TRACE(flat ? "2D" : "3D");
    const OdDbObjectId id = flat ? Add2d({{1, 2, 0}, {3, 4, 0}, {5, 6, 0}}, 0.0)
                                 : Add3d({{1, 2, 3}, {3, 4, 5}, {5, 6, 7}});
    OdDbEntityPtr entity = TestDrawing::Open<OdDbEntity>(id);
    const OdDbObjectId second = (*entity->ownedObjectIds())[1];
    OdDbObjectPtr heldForWrite = second.safeOpenObject(OdDb::kForWrite);
    const HandleState before = HandleState::Of(*entity);
    const long liveBefore = odrxLiveObjectCount();

    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    ON_Polyline extracted = Marker();
    const int result = ExtractPolyline(entity, extracted);
    EXPECT_EQ("", ::testing::internal::GetCapturedStdout());
    EXPECT_EQ("", ::testing::internal::GetCapturedStderr());

    EXPECT_EQ(0, result);
    ExpectPoints({On(-1, -2, -3)}, extracted);
    EXPECT_EQ(before, HandleState::Of(*entity));
    EXPECT_EQ(liveBefore, odrxLiveObjectCount());
    EXPECT_TRUE(heldForWrite->isWriteEnabled());
    heldForWrite.release();
    EXPECT_EQ(1, ExtractPolyline(entity, extracted));
    EXPECT_EQ(3, extracted.PointCount());
  }
}

// A file can list a sub-object of the wrong class among a polyline's vertices (the reader keeps
// file order); narrowing it is a host error, caught by the converter.
TEST_F(convert_Polylines, VertexOfTheWrongClassFailsTheConversion) {
  const OdDbObjectId id = Add2d({{1, 2, 0}}, 0.0);
  OdDb3dPolylineVertexPtr stranger = OdDb3dPolylineVertex::createObject();
  drawing.database()->addLoadedObject(id, stranger);
  stranger.release();
  OdDbEntityPtr entity = TestDrawing::Open<OdDbEntity>(id);
  const HandleState before = HandleState::Of(*entity);
  ON_PolylineCurve curve(Marker());
  EXPECT_EQ(0, ConvertPolylineEntity(entity, curve));
  EXPECT_EQ(1, curve.PointCount());
  EXPECT_EQ(before, HandleState::Of(*entity));
}

}  // namespace
