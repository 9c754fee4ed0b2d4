// Planes from a normal or a frame, and the plane equation, to the bit.
#include <cmath>
#include <limits>

#include "bit_exact.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

ON_3dVector EquationNormal(const ON_Plane& p) {
  return ON_3dVector(p.plane_equation.x, p.plane_equation.y, p.plane_equation.z);
}

TEST(OpennurbsPlane, FromNormalChoosesTheXAxisWithItsSignsOfZero) {
  struct Case {
    ON_3dPoint origin;
    ON_3dVector normal;
    Xyz x, y, z;
    double d;
  } cases[] = {
      {{1, 2, 3}, {0, 0, 1}, {1, 0, -0.0}, {-0.0, 1, 0}, {0, 0, 1}, -3},
      {{0, 0, 0}, {0, 0, -1}, {-1, 0, -0.0}, {0, 1, 0}, {0, 0, -1}, -0.0},
      {{0, 0, 0},
       {1, 1, 1},
       {-0.70710678118654757, 0.70710678118654757, 0},
       {-0.40824829046386307, -0.40824829046386307, 0.81649658092772615},
       {0.57735026918962584, 0.57735026918962584, 0.57735026918962584},
       -0.0},
      {{0, 0, 0}, {0, 0, 5}, {1, 0, -0.0}, {-0.0, 1, 0}, {0, 0, 1}, -0.0},  // unitized
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Digits(c.normal.x) + ", " + Digits(c.normal.y) + ", " + Digits(c.normal.z));
    ON_Plane p;
    EXPECT_TRUE(p.CreateFromNormal(c.origin, c.normal));
    EXPECT_TRUE(SameBits(p.origin, {c.origin.x, c.origin.y, c.origin.z}));
    EXPECT_TRUE(SameBits(p.xaxis, c.x));
    EXPECT_TRUE(SameBits(p.yaxis, c.y));
    EXPECT_TRUE(SameBits(p.zaxis, c.z));
    EXPECT_TRUE(SameBits(EquationNormal(p), c.z));
    EXPECT_TRUE(SameBits(p.plane_equation.d, c.d));
    EXPECT_TRUE(p.IsValid());
    // The constructor is the same call.
    const ON_Plane q(c.origin, c.normal);
    EXPECT_TRUE(SameBits(q.xaxis, c.x));
  }
}

TEST(OpennurbsPlane, ZeroNormalLeavesZeroAxesAndEquation) {
  ON_Plane p;
  EXPECT_FALSE(p.CreateFromNormal(ON_3dPoint(0, 0, 0), ON_3dVector(0, 0, 0)));
  EXPECT_TRUE(SameBits(p.xaxis, {0, 0, 0}));
  EXPECT_TRUE(SameBits(p.yaxis, {0, 0, 0}));
  EXPECT_TRUE(SameBits(p.zaxis, {0, 0, 0}));
  EXPECT_TRUE(SameBits(EquationNormal(p), {0, 0, 0}));
  EXPECT_TRUE(SameBits(p.plane_equation.d, -0.0));
  EXPECT_FALSE(p.IsValid());
}

TEST(OpennurbsPlane, InvalidInputKeepsTheStaleEquation) {
  ON_Plane p;  // equation (0,0,1,0)
  EXPECT_TRUE(p.CreateFromNormal(ON_3dPoint(kNaN, 0, 0), ON_3dVector(0, 0, 1)));
  EXPECT_TRUE(SameBits(EquationNormal(p), {0, 0, 1}));
  EXPECT_TRUE(SameBits(p.plane_equation.d, 0.0));
  EXPECT_TRUE(std::isnan(p.origin.x));

  ON_PlaneEquation e(1, 2, 3, 4);
  EXPECT_FALSE(e.Create(ON_3dPoint(0, 0, 0), ON_3dVector(ON_UNSET_VALUE, 0, 1)));
  EXPECT_EQ(e.d, 4.0);
}

TEST(OpennurbsPlane, FromFrameOrthogonalisesTheYDirection) {
  ON_Plane p;
  EXPECT_TRUE(p.CreateFromFrame(ON_3dPoint(1, 2, 3), ON_3dVector(2, 0, 0), ON_3dVector(1, 3, 0)));
  EXPECT_TRUE(SameBits(p.xaxis, {1, 0, 0}));
  EXPECT_TRUE(SameBits(p.yaxis, {0, 1, 0}));
  EXPECT_TRUE(SameBits(p.zaxis, {0, 0, 1}));
  EXPECT_TRUE(SameBits(p.plane_equation.d, -3));

  // Y along X: no plane.
  EXPECT_FALSE(p.CreateFromFrame(ON_3dPoint(0, 0, 0), ON_3dVector(2, 0, 0), ON_3dVector(-3, 0, 0)));
  EXPECT_TRUE(p.yaxis.IsZero());
  EXPECT_TRUE(p.zaxis.IsZero());

  // Passing the plane's own members is safe.
  ON_Plane q(ON_3dPoint(5, 6, 7), ON_3dVector(0, 0, 1));
  EXPECT_TRUE(q.CreateFromFrame(q.origin, q.yaxis, q.xaxis));
  EXPECT_EQ(q.origin, ON_3dPoint(5, 6, 7));
  EXPECT_EQ(q.zaxis, ON_3dVector(0, 0, -1));
}

TEST(OpennurbsPlane, WorldXyAndPointAtEvaluationOrder) {
  EXPECT_TRUE(ON_xy_plane.IsValid());
  EXPECT_TRUE(SameBits(ON_xy_plane.plane_equation.d, -0.0));
  EXPECT_TRUE(SameBits(ON_Plane::World_xy.zaxis, {0, 0, 1}));
  const ON_Plane p(ON_3dPoint(0.1, 0, 0), ON_3dVector(0, 0, 1));
  // (0.1 + 0.2) + 0.3 differs from 0.1 + (0.2 + 0.3) in the last bit.
  ON_Plane q = ON_xy_plane;
  q.origin = ON_3dPoint(0.1, 0.1, 0);
  q.yaxis = ON_3dVector(1, 0, 0);
  EXPECT_TRUE(SameBits(q.PointAt(0.2, 0.3).x, (0.1 + 0.2) + 0.3));
  EXPECT_TRUE(SameBits(q.PointAt(0.2, 0.3, 4).z, 4));
  EXPECT_TRUE(SameBits(p.PointAt(1, 2), {1.1, 2, 0}));
}

}  // namespace
