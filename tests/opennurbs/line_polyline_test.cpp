// Lines, line curves, polylines and polyline curves.
#include <cmath>
#include <limits>

#include "bit_exact.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(OpennurbsLine, PointAtKeepsEqualCoordinatesAndBlendsTheRest) {
  struct Case {
    ON_3dPoint from, to;
    double t;
    Xyz want;
  } cases[] = {
      {{0.1, 5, -3}, {0.7, 5, 2}, 0.5, {0.39999999999999997, 5, -0.5}},
      // An equal coordinate returns `from` itself: no 0.5*a + 0.5*a rounding, from's sign.
      {{1e308, -0.0, 0.1}, {1e308, 0.0, 0.1}, 0.5, {1e308, -0.0, 0.1}},
      {{1, 2, 3}, {1, 2, 3}, 0.3, {1, 2, 3}},
      {{0, 0, 0}, {10, 20, 30}, 0, {0, 0, 0}},
      {{0, 0, 0}, {10, 20, 30}, 1, {10, 20, 30}},
      {{0, 0, 0}, {10, 20, 30}, 2, {20, 40, 60}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Digits(c.t));
    EXPECT_TRUE(SameBits(ON_Line(c.from, c.to).PointAt(c.t), c.want));
  }
  const ON_3dPoint nan = ON_Line(ON_3dPoint(kNaN, 1, 1), ON_3dPoint(kNaN, 1, 3)).PointAt(0.5);
  EXPECT_TRUE(std::isnan(nan.x));
  EXPECT_TRUE(SameBits(nan, {nan.x, 1, 2}));
}

TEST(OpennurbsLineCurve, DomainIsTheLengthOrTheUnitInterval) {
  const ON_LineCurve c(ON_3dPoint(1, 1, 1), ON_3dPoint(4, 5, 1));
  EXPECT_EQ(c.Domain(), ON_Interval(0, 5));
  EXPECT_EQ(c.m_line.from, ON_3dPoint(1, 1, 1));
  EXPECT_EQ(c.m_line.to, ON_3dPoint(4, 5, 1));
  EXPECT_TRUE(SameBits(c.PointAt(2.5), {2.5, 3, 1}));
  EXPECT_TRUE(SameBits(c.PointAtEnd(), {4, 5, 1}));
  EXPECT_EQ(c.Dimension(), 3);

  const ON_LineCurve point(ON_3dPoint(2, 2, 2), ON_3dPoint(2, 2, 2));
  EXPECT_EQ(point.Domain(), ON_Interval(0, 1));
  EXPECT_EQ(point.m_line.to, ON_3dPoint(2, 2, 2));
  EXPECT_FALSE(point.IsValid());
  EXPECT_EQ(ON_LineCurve().Domain(), ON_Interval(0, 1));
}

ON_Polyline Square(ON_3dPoint last) {
  ON_Polyline p;
  for (ON_3dPoint q :
       {ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0), ON_3dPoint(1, 1, 0), ON_3dPoint(0, 1, 0)}) {
    p.Append(q);
  }
  p.Append(last);
  return p;
}

TEST(OpennurbsPolyline, IsClosedWithZeroToleranceNeedsExactlyEqualEnds) {
  struct Case {
    const char* name;
    ON_Polyline points;
    double tolerance;
    bool closed;
  } cases[] = {
      {"exactly closed", Square({0, 0, 0}), 0.0, true},
      {"last off by 1e-13", Square({1e-13, 0, 0}), 0.0, false},
      {"-0 equals +0", Square({-0.0, 0, 0}), 0.0, true},
      {"last off by 1e-9", Square({1e-9, 0, 0}), 0.0, false},
      {"survey: 5e6 and 5e6 + 0.05", Square({0, 0, 0}), 0.0, false},
      {"open", Square({5, 5, 5}), 0.0, false},
      {"within a positive tolerance", Square({0.05, 0, 0}), 0.1, true},
      {"outside a positive tolerance", Square({0.2, 0, 0}), 0.1, false},
      {"NaN equals nothing", Square({kNaN, 0, 0}), 0.0, false},
  };
  // Survey-sized coordinates: 5 cm apart at 5e6 is a real vertex, not a closing repeat.
  cases[4].points[0] = ON_3dPoint(5e6, 0, 0);
  cases[4].points[4] = ON_3dPoint(5e6 + 0.05, 0, 0);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.points.IsClosed(c.tolerance), c.closed);
  }
}

TEST(OpennurbsPolyline, IsClosedNeedsFourPointsAndADistinctInteriorPoint) {
  ON_Polyline three;
  three.Append(ON_3dPoint(0, 0, 0));
  three.Append(ON_3dPoint(1, 0, 0));
  three.Append(ON_3dPoint(0, 0, 0));
  EXPECT_FALSE(three.IsClosed(0.0));
  ON_Polyline same;
  for (int i = 0; i < 4; ++i) same.Append(ON_3dPoint(2, 2, 2));
  EXPECT_FALSE(same.IsClosed(0.0));
  EXPECT_EQ(same.SegmentCount(), 3);
  EXPECT_EQ(ON_Polyline().SegmentCount(), 0);
  EXPECT_EQ(Square({0, 0, 0}).Length(), 4.0);
}

TEST(OpennurbsPolylineCurve, CopiesThePointsWithVertexNumbersAsParameters) {
  ON_3dPointArray pts;
  pts.Append(ON_3dPoint(0, 0, 0));
  pts.Append(ON_3dPoint(2, 0, 0));
  pts.Append(ON_3dPoint(2, 4, 0));
  const ON_PolylineCurve c(pts);
  pts[0] = ON_3dPoint(9, 9, 9);  // the curve holds its own copy
  ASSERT_EQ(c.PointCount(), 3);
  EXPECT_EQ(c.m_pline[0], ON_3dPoint(0, 0, 0));
  EXPECT_EQ(c.Domain(), ON_Interval(0, 2));
  EXPECT_EQ(c.m_t[2], 2.0);
  EXPECT_TRUE(SameBits(c.PointAt(1.5), {2, 2, 0}));
  EXPECT_TRUE(c.IsValid());

  const ON_PolylineCurve empty{ON_3dPointArray()};
  EXPECT_EQ(empty.PointCount(), 0);
  EXPECT_FALSE(empty.IsValid());
  EXPECT_FALSE(empty.Domain().IsValid());
  const ON_Polyline copied(c.m_pline);
  EXPECT_EQ(copied.Count(), 3);
}

}  // namespace
