// Points, lines, circles, arcs and ellipses converted from entities in a real drawing.
#include <gtest/gtest.h>

#include <cmath>

#include "TestDrawing.h"
#include "convert/ConvertCurves.h"

namespace {

constexpr double kPi = 3.141592653589793;

class convert_Curves : public ::testing::Test {
 protected:
  OdDbArcPtr AddArc(OdGePoint3d center, double radius, double start, double end,
                    OdGeVector3d normal = OdGeVector3d::kZAxis) {
    OdDbArcPtr arc = OdDbArc::createObject();
    arc->setCenter(center);
    arc->setRadius(radius);
    arc->setNormal(normal);
    arc->setStartAngle(start);
    arc->setEndAngle(end);
    return drawing.AddAndOpen(arc);
  }

  TestDrawing drawing;
};

TEST_F(convert_Curves, PointKeepsItsDoublesFarFromTheOrigin) {
  OdDbPointPtr entity = OdDbPoint::createObject();
  entity->setPosition(OdGePoint3d(1000000.9, 5000000.3, -12.345));
  OdDbPointPtr point = drawing.AddAndOpen(entity);
  const HandleState before = HandleState::Of(*point);

  ON_3dPoint extracted(7, 7, 7);
  ASSERT_EQ(1, ExtractPoint(point, extracted));
  EXPECT_POINT_EQ(On(1000000.9, 5000000.3, -12.345), extracted);
  ON_Point converted;
  ASSERT_EQ(1, ConvertPoint(point, converted));
  EXPECT_POINT_EQ(On(1000000.9, 5000000.3, -12.345), converted.point);
  EXPECT_EQ(before, HandleState::Of(*point));
}

TEST_F(convert_Curves, LineEndsAreTheEntityEnds) {
  struct Case {
    const char* name;
    OdGePoint3d start, end;
  } cases[] = {
      {"ordinary", {0.1, 5, -3}, {0.7, 5, 2}},
      {"zero length", {2, 3, 4}, {2, 3, 4}},
      {"survey coordinates", {612345.678, 5123456.789, 301.25}, {612346.001, 5123457.5, 299.0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    OdDbLinePtr entity = OdDbLine::createObject();
    entity->setStartPoint(c.start);
    entity->setEndPoint(c.end);
    OdDbLinePtr line = drawing.AddAndOpen(entity);
    const HandleState before = HandleState::Of(*line);
    ON_Line extracted;
    ASSERT_EQ(1, ExtractLine(line, extracted));
    EXPECT_POINT_EQ(On(c.start.x, c.start.y, c.start.z), extracted.from);
    EXPECT_POINT_EQ(On(c.end.x, c.end.y, c.end.z), extracted.to);
    EXPECT_EQ(before, HandleState::Of(*line));
  }
}

TEST_F(convert_Curves, CircleKeepsCentreAndRadiusAndTakesTheNormalAsPlaneAxis) {
  struct Case {
    const char* name;
    OdGeVector3d normal;
    ON_3dVector zAxis;
  } cases[] = {
      {"world z", {0, 0, 1}, {0, 0, 1}},
      {"tilted", {0, 0.6, 0.8}, {0, 0.6, 0.8}},
      {"zero normal read as world z", {0, 0, 0}, {0, 0, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    OdDbCirclePtr entity = OdDbCircle::createObject();
    entity->setCenter(OdGePoint3d(700000.25, 4000000.75, 12.5));
    entity->setRadius(2.75);
    entity->setNormal(c.normal);
    OdDbCirclePtr circle = drawing.AddAndOpen(entity);

    ON_Circle extracted;
    ASSERT_EQ(1, ExtractCircle(circle, extracted));
    EXPECT_POINT_EQ(On(700000.25, 4000000.75, 12.5), extracted.Center());
    EXPECT_EQ(2.75, extracted.Radius());
    EXPECT_NEAR(c.zAxis.x, extracted.Normal().x, 1e-15);
    EXPECT_NEAR(c.zAxis.y, extracted.Normal().y, 1e-15);
    EXPECT_NEAR(c.zAxis.z, extracted.Normal().z, 1e-15);
    EXPECT_TRUE(extracted.IsValid());

    ON_ArcCurve curve;
    ASSERT_EQ(1, ConvertCircle(circle, curve));
    EXPECT_TRUE(curve.IsCircle());
    EXPECT_NEAR(2 * kPi * 2.75, curve.Domain()[1], 1e-12);
  }
}

TEST_F(convert_Curves, QuarterArcRunsFromStartThroughMiddleToEnd) {
  OdDbArcPtr arc = AddArc(OdGePoint3d(0, 0, 0), 1.0, 0.0, kPi / 2);
  const HandleState before = HandleState::Of(*arc);
  ON_Arc converted;
  ASSERT_EQ(1, ConvertArc(arc, converted));
  EXPECT_POINT_NEAR(On(1, 0, 0), converted.StartPoint(), 1e-15);
  EXPECT_POINT_NEAR(On(0, 1, 0), converted.EndPoint(), 1e-15);
  EXPECT_POINT_NEAR(On(std::sqrt(0.5), std::sqrt(0.5), 0), converted.MidPoint(), 1e-15);
  EXPECT_POINT_NEAR(On(0, 0, 0), converted.Center(), 1e-15);
  EXPECT_NEAR(1.0, converted.Radius(), 1e-15);
  EXPECT_EQ(before, HandleState::Of(*arc));
}

// Start and end coincide: the whole circle, whose ends lie on the x axis the library chose for the
// normal, not at the entity's own start point.
TEST_F(convert_Curves, ClosedArcBecomesTheFullCircleOnTheLibrarysXAxis) {
  struct Case {
    const char* name;
    OdGeVector3d normal;
    ON_3dPoint ends;
  } cases[] = {
      {"normal +z", {0, 0, 1}, {6, 2, 3}},
      {"normal -z", {0, 0, -1}, {-4, 2, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    OdDbArcPtr arc = AddArc(OdGePoint3d(1, 2, 3), 5.0, 0.3, 0.3 + 2 * kPi, c.normal);
    ON_Arc converted;
    ASSERT_EQ(1, ConvertArc(arc, converted));
    EXPECT_TRUE(converted.IsCircle());
    EXPECT_POINT_EQ(c.ends, converted.StartPoint());
    EXPECT_POINT_NEAR(c.ends, converted.EndPoint(), 1e-14);
    EXPECT_POINT_EQ(On(1, 2, 3), converted.Center());
  }
}

// A sliver arc whose three points are exactly collinear in doubles (x is 1,000,000 at all three)
// cannot become an arc; the working object must not receive the library's made-up circle about
// the world origin, nor keep looking like a fresh result.
TEST_F(convert_Curves, ArcThroughCollinearPointsFailsAndLeavesTheWorkingObject) {
  OdDbArcPtr quarter = AddArc(OdGePoint3d(0, 0, 0), 1.0, 0.0, kPi / 2);
  OdDbArcPtr sliver = AddArc(OdGePoint3d(0, 0, 0), 1000000.0, 0.0, 1e-15);
  ON_Arc working;
  ASSERT_EQ(1, ConvertArc(quarter, working));
  const ON_3dPoint start = working.StartPoint();
  const ON_3dPoint end = working.EndPoint();

  const HandleState before = HandleState::Of(*sliver);
  EXPECT_EQ(0, ConvertArc(sliver, working));
  EXPECT_POINT_EQ(start, working.StartPoint());
  EXPECT_POINT_EQ(end, working.EndPoint());
  EXPECT_EQ(1.0, working.Radius());
  EXPECT_EQ(before, HandleState::Of(*sliver));
}

TEST_F(convert_Curves, EllipticalArcGivesItsWholeEllipse) {
  const OdGePoint3d center(10, 20, 30);
  const OdGeVector3d normal(0, 0, 1);
  const OdGeVector3d major(3, 4, 0);
  OdDbEllipsePtr whole = OdDbEllipse::createObject();
  whole->set(center, normal, major, 0.5);
  OdDbEllipsePtr part = OdDbEllipse::createObject();
  part->set(center, normal, major, 0.5, 0.25, 2.0);
  OdDbEllipsePtr wholeEntity = drawing.AddAndOpen(whole);
  OdDbEllipsePtr partEntity = drawing.AddAndOpen(part);

  ON_Ellipse fromWhole, fromPart;
  ASSERT_EQ(1, ConvertEllipse(wholeEntity, fromWhole));
  ASSERT_EQ(1, ConvertEllipse(partEntity, fromPart));
  EXPECT_POINT_EQ(On(10, 20, 30), fromPart.Center());
  EXPECT_EQ(5.0, fromPart.Radius(0));
  EXPECT_EQ(2.5, fromPart.Radius(1));
  EXPECT_NEAR(0.6, fromPart.plane.xaxis.x, 1e-15);
  EXPECT_NEAR(0.8, fromPart.plane.xaxis.y, 1e-15);
  EXPECT_TRUE(fromPart.IsValid());
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(fromWhole.plane.origin[i], fromPart.plane.origin[i]);
    EXPECT_EQ(fromWhole.plane.xaxis[i], fromPart.plane.xaxis[i]);
    EXPECT_EQ(fromWhole.plane.yaxis[i], fromPart.plane.yaxis[i]);
  }
  EXPECT_EQ(fromWhole.Radius(0), fromPart.Radius(0));
  EXPECT_EQ(fromWhole.Radius(1), fromPart.Radius(1));
}

}  // namespace
