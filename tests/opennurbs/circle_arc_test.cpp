// Circles, arcs, arc curves and ellipses: construction, the three-point creation and its
// failure state, and the points callers take from them.
#include <cmath>

#include "bit_exact.h"

namespace {

ON_ArcCurve FullCircle(ON_3dVector normal, ON_3dPoint center, double r) {
  const ON_Plane plane(center, normal);
  return ON_ArcCurve(ON_Circle(plane, center, r));
}

TEST(OpennurbsCircle, FullCircleFromNormalCentreAndRadius) {
  const ON_ArcCurve up = FullCircle({0, 0, 1}, {1, 2, 3}, 5);
  EXPECT_TRUE(SameBits(up.m_arc.StartPoint(), {6, 2, 3}));
  EXPECT_TRUE(SameBits(up.m_arc.Center(), {1, 2, 3}));
  EXPECT_TRUE(SameBits(up.Domain()[0], 0));
  EXPECT_TRUE(SameBits(up.Domain()[1], 31.415926535897931));
  EXPECT_TRUE(SameBits(up.m_arc.Domain()[1], 2 * ON_PI));
  EXPECT_TRUE(up.IsValid());
  EXPECT_TRUE(up.IsCircle());

  const ON_ArcCurve down = FullCircle({0, 0, -1}, {1, 2, 3}, 5);
  EXPECT_TRUE(SameBits(down.m_arc.StartPoint(), {-4, 2, 3}));
  EXPECT_TRUE(SameBits(down.m_arc.plane.xaxis, {-1, 0, -0.0}));
  EXPECT_TRUE(SameBits(down.m_arc.plane.zaxis, {0, 0, -1}));
}

TEST(OpennurbsCircle, RadiusZeroAndNegativeAreStoredAsGiven) {
  ON_Circle zero(ON_xy_plane, ON_3dPoint(4, 5, 6), 0.0);
  EXPECT_FALSE(zero.IsValid());
  EXPECT_TRUE(SameBits(zero.PointAt(1.0), {4, 5, 6}));
  ON_Circle c;
  EXPECT_FALSE(c.Create(ON_xy_plane, -1.0));
  EXPECT_TRUE(SameBits(c.PointAt(0), {-1, 0, 0}));
  // A zero-radius circle curve gets the unit domain.
  EXPECT_EQ(ON_ArcCurve(zero).Domain(), ON_Interval(0, 1));
}

TEST(OpennurbsCircle, ThreePointCircleFailureOverwritesWithTheDegenerateState) {
  ON_Circle c(ON_3dPoint(7, 7, 7), 3);
  EXPECT_FALSE(c.Create(ON_3dPoint(1, 2, 0), ON_3dPoint(2, 4, 0), ON_3dPoint(3, 6, 0)));
  EXPECT_TRUE(SameBits(c.Center(), {0, 0, 0}));
  EXPECT_TRUE(SameBits(c.radius, 2.2360679774997898));
  EXPECT_TRUE(c.plane.yaxis.IsZero());
  EXPECT_TRUE(c.plane.zaxis.IsZero());
  EXPECT_TRUE(SameBits(c.plane.plane_equation.d, -0.0));
  EXPECT_NEAR(c.plane.xaxis.x, 1 / std::sqrt(5.0), 1e-16);
}

struct ArcCase {
  const char* name;
  ON_3dPoint p, q, r;
  bool rc;
  Xyz center;
  double radius, a0, a1;
  Xyz start, mid, end;
};

// Cases measured on the platform's oldest release.
const ArcCase kArcCases[] = {
    {"clockwise half circle",
     {1, 0, 0},
     {0, -1, 0},
     {-1, 0, 0},
     true,
     {0, 0, 0},
     1,
     0,
     ON_PI,
     {1, 0, 0},
     {6.123233995736766e-17, -1, 0},
     {-1, -1.2246467991473532e-16, 0}},
    {"collinear",
     {1, 2, 0},
     {2, 4, 0},
     {3, 6, 0},
     false,
     {0, 0, 0},
     2.2360679774997898,
     0,
     0,
     {1, 2, 0},
     {1, 2, 0},
     {1, 2, 0}},
    {"coincident",
     {3, 4, 5},
     {3, 4, 5},
     {3, 4, 5},
     false,
     {0, 0, 0},
     7.0710678118654755,
     0,
     0,
     {3, 4, 5},
     {3, 4, 5},
     {3, 4, 5}},
    {"collinear, R behind P",
     {1, 0, 0},
     {2, 0, 0},
     {-1, 0, 0},
     false,
     {0, 0, 0},
     1,
     0,
     ON_PI,
     {1, 0, 0},
     {6.123233995736766e-17, 0, 0},
     {-1, 0, 0}},
    {"P at the origin",
     {0, 0, 0},
     {1, 1, 0},
     {2, 2, 0},
     false,
     {0, 0, 0},
     0,
     0,
     0,
     {0, 0, 0},
     {0, 0, 0},
     {0, 0, 0}},
};

TEST(OpennurbsArc, ThreePointArcsIncludingTheFailureState) {
  for (const ArcCase& c : kArcCases) {
    SCOPED_TRACE(c.name);
    ON_Arc arc(ON_Circle(ON_3dPoint(50, 60, 70), 9), 1.0);  // reused: nothing of it may survive
    EXPECT_EQ(arc.Create(c.p, c.q, c.r), c.rc);
    EXPECT_EQ(arc.IsValid(), c.rc);
    EXPECT_EQ(arc.Center(), ON_3dPoint(c.center.x, c.center.y, c.center.z));
    EXPECT_TRUE(SameBits(arc.radius, c.radius));
    EXPECT_TRUE(SameBits(arc.Domain()[0], c.a0));
    EXPECT_TRUE(SameBits(arc.Domain()[1], c.a1));
    EXPECT_TRUE(SameBits(arc.StartPoint(), c.start));
    EXPECT_TRUE(SameBits(arc.MidPoint(), c.mid));
    EXPECT_TRUE(SameBits(arc.EndPoint(), c.end));
  }
}

TEST(OpennurbsArc, ClockwiseInWorldTermsMeansANegativeNormal) {
  ON_Arc arc;
  ASSERT_TRUE(arc.Create(ON_3dPoint(1, 0, 0), ON_3dPoint(0, -1, 0), ON_3dPoint(-1, 0, 0)));
  EXPECT_TRUE(SameBits(arc.plane.zaxis, {0, -0.0, -1}));
  EXPECT_TRUE(arc.plane.IsValid());
}

TEST(OpennurbsArc, QuarterArcThroughItsParametricMidPoint) {
  const double h = std::sqrt(0.5);
  ON_Arc arc;
  ASSERT_TRUE(arc.Create(ON_3dPoint(1, 0, 0), ON_3dPoint(h, h, 0), ON_3dPoint(0, 1, 0)));
  EXPECT_TRUE(SameBits(arc.StartPoint(), {1, 0, 0}));  // angle 0 is exactly at P
  EXPECT_NEAR(arc.EndPoint().x, 0, 1e-15);
  EXPECT_NEAR(arc.EndPoint().y, 1, 1e-15);
  EXPECT_NEAR(arc.MidPoint().x, h, 1e-15);
  EXPECT_NEAR(arc.MidPoint().y, h, 1e-15);
  EXPECT_NEAR(arc.Center().DistanceTo(ON_3dPoint(0, 0, 0)), 0, 1e-15);
  EXPECT_NEAR(arc.AngleRadians(), ON_PI / 2, 1e-15);
}

TEST(OpennurbsArc, CircleAssignmentAndIntervalCreation) {
  ON_Arc arc;
  arc = ON_Circle(ON_3dPoint(1, 1, 1), 2);
  EXPECT_EQ(arc.Domain(), ON_Interval(0, 2 * ON_PI));
  EXPECT_TRUE(arc.IsCircle());
  EXPECT_TRUE(SameBits(arc.StartPoint(), {3, 1, 1}));

  // Decreasing: swapped and reversed, reported as failure.
  EXPECT_FALSE(arc.Create(ON_Circle(ON_xy_plane, 1), ON_Interval(1, 0)));
  EXPECT_EQ(arc.Domain(), ON_Interval(-1, -0.0));
  EXPECT_EQ(arc.plane.zaxis, ON_3dVector(0, 0, -1));
  // Longer than a full turn: cut to one.
  EXPECT_FALSE(arc.Create(ON_Circle(ON_xy_plane, 1), ON_Interval(1, 9)));
  EXPECT_TRUE(SameBits(arc.Domain()[1], 1 + 2 * ON_PI));
  EXPECT_TRUE(arc.Create(ON_Circle(ON_xy_plane, 1), ON_PI));
  EXPECT_TRUE(SameBits(arc.Length(), ON_PI));
}

TEST(OpennurbsArcCurve, ParameterMapsLinearlyOntoTheAngle) {
  ON_Arc arc;
  ASSERT_TRUE(arc.Create(ON_Circle(ON_xy_plane, 2), ON_Interval(0, ON_PI)));
  const ON_ArcCurve curve(arc);
  EXPECT_TRUE(SameBits(curve.Domain()[1], 2 * ON_PI));
  EXPECT_TRUE(SameBits(curve.PointAtStart(), {2, 0, 0}));
  const ON_3dPoint mid = arc.MidPoint();
  EXPECT_TRUE(SameBits(curve.PointAt(ON_PI), {mid.x, mid.y, mid.z}));
  EXPECT_NEAR(mid.y, 2, 1e-15);
  ON_Arc copy;
  EXPECT_TRUE(curve.IsArc(nullptr, &copy));
  EXPECT_EQ(copy.Domain(), arc.Domain());
}

TEST(OpennurbsEllipse, PlaneIsCopiedAsGivenAndRadiiKept) {
  const ON_Plane plane(ON_3dPoint(1, 2, 3), ON_3dVector(3, 0, 0), ON_3dVector(0, 0, 1));
  ON_Ellipse e(plane, 3, 1);
  EXPECT_TRUE(e.IsValid());
  EXPECT_TRUE(SameBits(e.Center(), {1, 2, 3}));
  EXPECT_TRUE(SameBits(e.PointAt(0), {4, 2, 3}));
  EXPECT_NEAR(e.PointAt(ON_PI / 2).z, 4, 1e-15);

  ON_Plane stale = plane;
  stale.plane_equation = ON_PlaneEquation(9, 9, 9, 9);
  EXPECT_FALSE(e.Create(stale, 0, 1));  // written anyway, equation not refreshed
  EXPECT_EQ(e.plane.plane_equation.d, 9.0);
  EXPECT_EQ(e.radius[0], 0.0);
  EXPECT_EQ(e.radius[1], 1.0);
}

}  // namespace
