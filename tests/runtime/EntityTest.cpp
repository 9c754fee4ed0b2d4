// Entity accessors as the plug-in reads them: exact stored values, world coordinates, curve
// parameters and points, and the vertex objects of polylines and meshes.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "Db2dPolyline.h"
#include "Db3dPolyline.h"
#include "DbArc.h"
#include "DbCircle.h"
#include "DbDatabase.h"
#include "DbEllipse.h"
#include "DbFace.h"
#include "DbLine.h"
#include "DbPoint.h"
#include "DbPolyFaceMesh.h"
#include "DbPolygonMesh.h"
#include "DbPolyline.h"
#include "DbSolid.h"
#include "DbSpline.h"
#include "DbText.h"

namespace {

constexpr double kPi = std::numbers::pi;

void expectNear(const OdGePoint3d& actual, const OdGePoint3d& expected, double tol = 1e-12) {
  EXPECT_NEAR(actual.x, expected.x, tol);
  EXPECT_NEAR(actual.y, expected.y, tol);
  EXPECT_NEAR(actual.z, expected.z, tol);
}

// A drawing whose model space is open for write while the test appends to it.
class Drawing {
 public:
  OdDbObjectId append(OdDbEntity* entity) { return m_modelSpace->appendOdDbEntity(entity); }
  OdDbDatabase* db() const { return m_db; }

 private:
  OdDbDatabasePtr m_db = OdDbDatabase::createObject();
  OdDbBlockTableRecordPtr m_modelSpace = m_db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
};

struct CurveCase {
  const char* what;
  OdDbCurvePtr curve;
  double startParam;
  double endParam;
  OdGePoint3d start;
  OdGePoint3d end;
  double midParam;
  OdGePoint3d mid;
  bool closed;
};

OdDbCurvePtr makeArc(const OdGePoint3d& center, double radius, double start, double end,
                     const OdGeVector3d& normal = OdGeVector3d::kZAxis) {
  OdDbArcPtr arc = OdDbArc::createObject();
  arc->setCenter(center);
  arc->setRadius(radius);
  arc->setStartAngle(start);
  arc->setEndAngle(end);
  arc->setNormal(normal);
  return arc;
}

OdDbCurvePtr makeLine(const OdGePoint3d& a, const OdGePoint3d& b) {
  OdDbLinePtr line = OdDbLine::createObject();
  line->setStartPoint(a);
  line->setEndPoint(b);
  return line;
}

OdDbCurvePtr makeCircle(const OdGePoint3d& center, double radius, const OdGeVector3d& normal) {
  OdDbCirclePtr circle = OdDbCircle::createObject();
  circle->setCenter(center);
  circle->setRadius(radius);
  circle->setNormal(normal);
  return circle;
}

OdDbCurvePtr makeEllipse(double startAngle, double endAngle) {
  OdDbEllipsePtr ellipse = OdDbEllipse::createObject();
  EXPECT_EQ(ellipse->set(OdGePoint3d(10, 20, 0), OdGeVector3d::kZAxis, OdGeVector3d(4, 0, 0), 0.5,
                         startAngle, endAngle),
            eOk);
  return ellipse;
}

TEST(RuntimeCurve, ParametersAndPoints) {
  const double h = std::sqrt(0.5);
  const CurveCase cases[] = {
      {"line", makeLine({1, 2, 3}, {4, 6, 3}), 0, 5, {1, 2, 3}, {4, 6, 3}, 2.5, {2.5, 4, 3}, false},
      {"quarter arc",
       makeArc({0, 0, 0}, 1, 0, kPi / 2),
       0,
       kPi / 2,
       {1, 0, 0},
       {0, 1, 0},
       kPi / 4,
       {h, h, 0},
       false},
      {"arc across zero: 2pi added to the end",
       makeArc({5, 5, 0}, 2, 1.5 * kPi, 0.5 * kPi),
       1.5 * kPi,
       2.5 * kPi,
       {5, 3, 0},
       {5, 7, 0},
       2 * kPi,
       {7, 5, 0},
       false},
      // Normal -z: the arbitrary x axis is -x, angles run clockwise seen from +z.
      {"arc on the mirrored plane",
       makeArc({0, 0, 1}, 1, 0, kPi / 2, {0, 0, -1}),
       0,
       kPi / 2,
       {-1, 0, 1},
       {0, 1, 1},
       kPi / 4,
       {-h, h, 1},
       false},
      // Normal (0.6, 0, 0.8): object x = (0, 1, 0), object y = (-0.8, 0, 0.6).
      {"circle on a tilted extrusion",
       makeCircle({1, 1, 1}, 2, {0.6, 0, 0.8}),
       0,
       2 * kPi,
       {1, 3, 1},
       {1, 3, 1},
       kPi / 2,
       {-0.6, 1, 2.2},
       true},
      {"ellipse arc",
       makeEllipse(0, kPi / 2),
       0,
       kPi / 2,
       {14, 20, 0},
       {10, 22, 0},
       kPi,
       {6, 20, 0},
       false},
      {"whole ellipse",
       makeEllipse(0, 2 * kPi),
       0,
       2 * kPi,
       {14, 20, 0},
       {14, 20, 0},
       kPi,
       {6, 20, 0},
       true},
  };
  for (const CurveCase& c : cases) {
    SCOPED_TRACE(c.what);
    double startParam = -1;
    double endParam = -1;
    OdGePoint3d start, end, mid;
    ASSERT_EQ(c.curve->getStartParam(startParam), eOk);
    ASSERT_EQ(c.curve->getEndParam(endParam), eOk);
    EXPECT_NEAR(startParam, c.startParam, 1e-12);
    EXPECT_NEAR(endParam, c.endParam, 1e-12);
    ASSERT_EQ(c.curve->getStartPoint(start), eOk);
    ASSERT_EQ(c.curve->getEndPoint(end), eOk);
    expectNear(start, c.start);
    expectNear(end, c.end);
    if (c.midParam <= c.endParam) {
      ASSERT_EQ(c.curve->getPointAtParam(c.midParam, mid), eOk);
      expectNear(mid, c.mid);
    }
    EXPECT_EQ(c.curve->isClosed(), c.closed);
    OdGePoint3d untouched(7, 7, 7);
    EXPECT_EQ(c.curve->getPointAtParam(c.endParam + 1, untouched), eInvalidInput);
    EXPECT_EQ(untouched, OdGePoint3d(7, 7, 7));
  }
}

TEST(RuntimeCurve, StoredValuesComeBackExactly) {
  OdDbLinePtr line = OdDbLine::createObject();
  line->setStartPoint({1e6 + 0.9, -2.125, 1e-300});
  OdGePoint3d start;
  line->getStartPoint(start);
  EXPECT_EQ(start, OdGePoint3d(1e6 + 0.9, -2.125, 1e-300));

  OdDbArcPtr arc = makeArc({3, 4, 5}, 2.5, 0.1, 0.2);
  EXPECT_EQ(arc->center(), OdGePoint3d(3, 4, 5));
  EXPECT_EQ(arc->radius(), 2.5);
  EXPECT_EQ(arc->startAngle(), 0.1);
  EXPECT_EQ(arc->endAngle(), 0.2);

  OdDbEllipsePtr ellipse = OdDbEllipse::createObject();
  ellipse->set({0, 0, 0}, {0, 0, 1}, {0, 3, 0}, 0.25);
  EXPECT_EQ(ellipse->majorAxis(), OdGeVector3d(0, 3, 0));
  EXPECT_EQ(ellipse->minorAxis(), OdGeVector3d(-0.75, 0, 0)) << "normal x major, scaled";
  EXPECT_DOUBLE_EQ(ellipse->minorAxis().length(), 0.75);
  // DXF stores parameters; an angle of 45 degrees on a 4:1 ellipse is a parameter of atan(4).
  ellipse->setStartAngle(kPi / 4);
  EXPECT_NEAR(ellipse->startParam(), std::atan(4.0), 1e-12);
  EXPECT_NEAR(ellipse->startAngle(), kPi / 4, 1e-12);
  EXPECT_EQ(ellipse->set({0, 0, 0}, {0, 0, 1}, {0, 3, 0}, 1.5), eInvalidInput);
}

TEST(RuntimePolyline, WorldPointsBulgesAndBadIndices) {
  OdDbPolylinePtr pline = OdDbPolyline::createObject();
  pline->addVertexAt(0, {0, 0});
  pline->addVertexAt(1, {2, 0}, 1.0);  // a half circle to the next vertex, counter-clockwise
  pline->addVertexAt(2, {2, 2}, 0.0, 0.5, 0.25);
  pline->addVertexAt(0, {-1, 0});  // inserted in front
  pline->setElevation(3);
  pline->setNormal({0.6, 0, 0.8});
  pline->setClosed(true);
  ASSERT_EQ(pline->numVerts(), 4u);

  OdGePoint2d raw;
  pline->getPointAt(2, raw);
  EXPECT_EQ(raw, OdGePoint2d(2, 0));
  OdGePoint3d world;
  pline->getPointAt(2, world);
  // (2, 0, 3) in the plane of (0.6, 0, 0.8): 2 * (0, 1, 0) + 3 * (0.6, 0, 0.8).
  expectNear(world, {1.8, 2, 2.4});
  EXPECT_EQ(pline->getBulgeAt(2), 1.0);
  EXPECT_EQ(pline->getBulgeAt(0), 0.0);
  double startWidth = -1, endWidth = -1;
  pline->getWidthsAt(3, startWidth, endWidth);
  EXPECT_EQ(startWidth, 0.5);
  EXPECT_EQ(endWidth, 0.25);
  pline->getWidthsAt(0, startWidth, endWidth);
  EXPECT_EQ(startWidth, 0.0);

  pline->setNormal(OdGeVector3d::kZAxis);
  OdGePoint3d onArc;
  ASSERT_EQ(pline->getPointAtParam(2.5, onArc), eOk);
  expectNear(onArc, {3, 1, 3});  // the middle of the half circle from (2,0) to (2,2)
  double end = 0;
  pline->getEndParam(end);
  EXPECT_EQ(end, 4.0) << "closed: the last segment returns to the first vertex";

  EXPECT_THROW(pline->getPointAt(4, world), OdError_InvalidIndex);
  EXPECT_THROW(pline->getBulgeAt(99), OdError_InvalidIndex);
  EXPECT_THROW(pline->addVertexAt(6, {0, 0}), OdError_InvalidIndex);
}

TEST(RuntimePolyline, TheFirstVertexKeepsItsBulgeAndWidths) {
  OdDbPolylinePtr pline = OdDbPolyline::createObject();
  pline->addVertexAt(0, {0, 0}, 0.5, 0.1, 0.2);
  pline->addVertexAt(1, {1, 0});
  EXPECT_EQ(pline->getBulgeAt(0), 0.5);
  EXPECT_EQ(pline->getBulgeAt(1), 0.0);
  double startWidth = -1, endWidth = -1;
  pline->getWidthsAt(0, startWidth, endWidth);
  EXPECT_EQ(startWidth, 0.1);
  EXPECT_EQ(endWidth, 0.2);
}

TEST(RuntimePolyline, VertexObjectsInOrderSkippingErasedOnes) {
  Drawing drawing;
  OdDb2dPolylinePtr pline2d = OdDb2dPolyline::createObject();
  OdDbObjectId plineId = drawing.append(pline2d);
  pline2d->setElevation(5);
  const OdGePoint3d positions[] = {{1, 2, 0}, {9, 9, 9}, {3, 4, 7}};
  std::vector<OdDbObjectId> vertexIds;
  for (const OdGePoint3d& p : positions) {
    OdDb2dVertexPtr vertex = OdDb2dVertex::createObject();
    vertex->setPosition(p);
    vertexIds.push_back(pline2d->appendVertex(vertex));
  }
  vertexIds[1].safeOpenObject(OdDb::kForWrite)->erase();
  pline2d.release();

  OdDb2dPolylinePtr reopened = plineId.safeOpenObject();
  std::vector<OdGePoint3d> seen;
  for (OdDbObjectIteratorPtr it = reopened->vertexIterator(); !it->done(); it->step()) {
    OdDb2dVertexPtr vertex = it->objectId().safeOpenObject();
    EXPECT_EQ(vertex->ownerId(), plineId);
    seen.push_back(vertex->position());
  }
  EXPECT_EQ(seen, (std::vector<OdGePoint3d>{{1, 2, 0}, {3, 4, 7}})) << "positions stay as stored";
  EXPECT_EQ(reopened->elevation(), 5);
  OdGePoint3d end;
  reopened->getEndPoint(end);
  EXPECT_EQ(end, OdGePoint3d(3, 4, 5)) << "the curve queries place vertices at the elevation";

  OdDb3dPolylinePtr loose = OdDb3dPolyline::createObject();
  EXPECT_THROW(loose->appendVertex(OdDb3dPolylineVertex::createObject()), OdError)
      << "vertices need a polyline in a database";
}

TEST(RuntimeMesh, PolyfaceYieldsVerticesThenFaceRecords) {
  Drawing drawing;
  OdDbPolyFaceMeshPtr mesh = OdDbPolyFaceMesh::createObject();
  drawing.append(mesh);
  OdDbFaceRecordPtr face = OdDbFaceRecord::createObject();
  face->setVertexAt(0, 1);
  face->setVertexAt(1, -2);
  face->setVertexAt(2, 3);
  OdDbObjectId faceId = mesh->appendFaceRecord(face);
  face.release();
  for (double x : {0.0, 1.0, 2.0}) {
    OdDbPolyFaceMeshVertexPtr vertex = OdDbPolyFaceMeshVertex::createObject();
    vertex->setPosition({x, 0, 0});
    mesh->appendVertex(vertex);  // goes ahead of the face record
  }
  EXPECT_EQ(mesh->numVertices(), 3);
  EXPECT_EQ(mesh->numFaces(), 1);
  std::vector<std::wstring> order;
  for (OdDbObjectIteratorPtr it = mesh->vertexIterator(); !it->done(); it->step()) {
    order.push_back(it->objectId().openObject()->isA()->name().wide());
  }
  EXPECT_EQ(order, (std::vector<std::wstring>{L"AcDbPolyFaceMeshVertex", L"AcDbPolyFaceMeshVertex",
                                              L"AcDbPolyFaceMeshVertex", L"AcDbFaceRecord"}));
  face = faceId.safeOpenObject();
  EXPECT_EQ(face->getVertexAt(1), -2);
  EXPECT_EQ(face->getVertexAt(3), 0);
  EXPECT_THROW(face->getVertexAt(4), OdError_InvalidIndex);
}

TEST(RuntimeMesh, PolygonMeshSizesAndClosure) {
  Drawing drawing;
  OdDbPolygonMeshPtr mesh = OdDbPolygonMesh::createObject();
  mesh->setMSize(3);
  mesh->setNSize(4);
  mesh->makeNClosed();
  drawing.append(mesh);
  for (int i = 0; i < 12; ++i) {
    OdDbPolygonMeshVertexPtr vertex = OdDbPolygonMeshVertex::createObject();
    vertex->setPosition({double(i % 4), double(i / 4), 0});
    mesh->appendVertex(vertex);
  }
  EXPECT_EQ(mesh->mSize(), 3);
  EXPECT_EQ(mesh->nSize(), 4);
  EXPECT_FALSE(mesh->isMClosed());
  EXPECT_TRUE(mesh->isNClosed());
  int count = 0;
  OdGePoint3d last;
  for (OdDbObjectIteratorPtr it = mesh->vertexIterator(); !it->done(); it->step(), ++count) {
    last = OdDbPolygonMeshVertexPtr(it->entity())->position();
  }
  EXPECT_EQ(count, 12);
  EXPECT_EQ(last, OdGePoint3d(3, 2, 0));
}

TEST(RuntimeSpline, NurbsDataRoundTripAndEvaluation) {
  OdDbSplinePtr spline = OdDbSpline::createObject();
  // A rational quadratic quarter circle: control points (1,0), (1,1), (0,1), middle weight √½.
  OdGePoint3dArray controlPoints{{1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
  OdGeDoubleArray knots{0, 0, 0, 1, 1, 1};
  OdGeDoubleArray weights{1, std::sqrt(0.5), 1};
  spline->setNurbsData(2, true, false, false, controlPoints, knots, weights, 1e-9, 1e-8);

  int degree = 0;
  bool rational = false, closed = true, periodic = true;
  OdGePoint3dArray points;
  OdGeDoubleArray outKnots, outWeights;
  double pointTol = 0, knotTol = 0;
  spline->getNurbsData(degree, rational, closed, periodic, points, outKnots, outWeights, pointTol,
                       knotTol);
  EXPECT_EQ(degree, 2);
  EXPECT_TRUE(rational);
  EXPECT_FALSE(closed);
  EXPECT_FALSE(periodic);
  EXPECT_EQ(points, controlPoints);
  EXPECT_EQ(outKnots, knots);
  EXPECT_EQ(outWeights, weights);
  EXPECT_EQ(pointTol, 1e-9);
  EXPECT_EQ(knotTol, 1e-8);

  OdGePoint3d mid;
  ASSERT_EQ(spline->getPointAtParam(0.5, mid), eOk);
  expectNear(mid, {std::sqrt(0.5), std::sqrt(0.5), 0});
  OdGePoint3d end;
  spline->getEndPoint(end);
  expectNear(end, {0, 1, 0});

  // Data that forms no curve is kept as given, and the curve queries refuse it.
  spline->setNurbsData(3, false, false, false, controlPoints, OdGeDoubleArray(), {}, 0, 0);
  spline->getNurbsData(degree, rational, closed, periodic, points, outKnots, outWeights, pointTol,
                       knotTol);
  EXPECT_TRUE(outKnots.isEmpty());
  EXPECT_EQ(points.size(), 3u);
  double param = 0;
  EXPECT_EQ(spline->getStartParam(param), eInvalidInput);
}

TEST(RuntimeFaceSolidText, CornersAndText) {
  OdDbFacePtr face = OdDbFace::createObject();
  OdDbSolidPtr solid = OdDbSolid::createObject();
  for (OdUInt16 i = 0; i < 4; ++i) {
    EXPECT_EQ(face->setVertexAt(i, {double(i), 1e6 + 0.9, -1}), eOk);
    EXPECT_EQ(solid->setPointAt(i, {-double(i), 2, 3}), eOk);
  }
  OdGePoint3d corner(7, 7, 7);
  EXPECT_EQ(face->getVertexAt(3, corner), eOk);
  EXPECT_EQ(corner, OdGePoint3d(3, 1e6 + 0.9, -1));
  EXPECT_EQ(solid->getPointAt(2, corner), eOk);
  EXPECT_EQ(corner, OdGePoint3d(-2, 2, 3));
  EXPECT_EQ(face->getVertexAt(4, corner), eInvalidIndex);
  EXPECT_EQ(solid->getPointAt(-1, corner), eInvalidIndex);
  EXPECT_EQ(corner, OdGePoint3d(-2, 2, 3)) << "a bad index leaves the point alone";

  OdDbTextPtr text = OdDbText::createObject();
  text->setTextString(OdString("Stn 12+50", CP_ANSI_1252));
  text->setHeight(2.5);
  text->setPosition({1, 2, 3});
  text->setAlignmentPoint({4, 5, 6});
  text->setNormal({0, 0, -1});
  text->setRotation(0.5);
  EXPECT_STREQ(text->textString().c_str(), L"Stn 12+50");
  EXPECT_EQ(text->height(), 2.5);
  EXPECT_EQ(text->position(), OdGePoint3d(1, 2, 3));
  EXPECT_EQ(text->alignmentPoint(), OdGePoint3d(4, 5, 6));
  EXPECT_EQ(text->normal(), OdGeVector3d(0, 0, -1));
  EXPECT_EQ(text->rotation(), 0.5);
}

}  // namespace
