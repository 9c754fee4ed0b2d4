// The 3x3 solver: ranks, zeroed outputs on failure, and solutions.
#include "bit_exact.h"

namespace {

TEST(OpennurbsSolve3x3, ReportsRankAndZeroesTheSolutionBelowThree) {
  struct Case {
    double r0[3], r1[3], r2[3];
    int rank;
  } cases[] = {
      {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, 0},
      {{1, 2, 3}, {2, 4, 6}, {-1, -2, -3}, 1},
      {{1, 0, 0}, {0, 1, 0}, {1, 1, 0}, 2},
      {{0, 0, 0}, {1, 2, 0}, {-1, -2, 0}, 1},  // the collinear three-point circle system
  };
  for (const Case& c : cases) {
    double x = 7, y = 7, z = 7, ratio = 7;
    EXPECT_EQ(ON_Solve3x3(c.r0, c.r1, c.r2, 1, 2, 3, &x, &y, &z, &ratio), c.rank);
    EXPECT_TRUE(SameBits(ON_3dPoint(x, y, z), {0, 0, 0}));
    EXPECT_EQ(ratio, 0.0);
  }
}

TEST(OpennurbsSolve3x3, SolvesWithEveryPivotPosition) {
  // Each system has the solution (1, -2, 3); the largest coefficient sits in a different row
  // and column each time, so every row and column swap is exercised.
  struct Case {
    double r0[3], r1[3], r2[3];
  } cases[] = {
      {{4, 1, 0}, {1, 3, 1}, {0, 1, 2}}, {{1, 3, 1}, {4, 1, 0}, {0, 1, 2}},
      {{0, 1, 2}, {1, 3, 1}, {1, 0, 9}}, {{1, 9, 0}, {2, 1, 1}, {0, 1, 3}},
      {{0, 0, 1}, {0, 1, 0}, {1, 0, 0}},
  };
  for (const Case& c : cases) {
    const auto rhs = [](const double* r) { return r[0] * 1 + r[1] * -2 + r[2] * 3; };
    double x = 0, y = 0, z = 0, ratio = 0;
    EXPECT_EQ(ON_Solve3x3(c.r0, c.r1, c.r2, rhs(c.r0), rhs(c.r1), rhs(c.r2), &x, &y, &z, &ratio),
              3);
    EXPECT_NEAR(x, 1, 1e-14);
    EXPECT_NEAR(y, -2, 1e-14);
    EXPECT_NEAR(z, 3, 1e-14);
    EXPECT_GT(ratio, 0.0);
    EXPECT_LE(ratio, 1.0);
  }
}

TEST(OpennurbsSolve3x3, ThreePlanesMeetAtOnePointOrAtTheOrigin) {
  ON_3dPoint P(9, 9, 9);
  EXPECT_TRUE(ON_Intersect(ON_Plane(ON_3dPoint(1, 2, 3), ON_3dVector(0, 0, 1)),
                           ON_Plane(ON_3dPoint(1, 2, 3), ON_3dVector(1, 0, 0)),
                           ON_Plane(ON_3dPoint(1, 2, 3), ON_3dVector(0, 1, 0)), P));
  EXPECT_TRUE(SameBits(P, {1, 2, 3}));
  const ON_Plane xy(ON_3dPoint(0, 0, 5), ON_3dVector(0, 0, 1));
  EXPECT_FALSE(ON_Intersect(xy, xy, ON_Plane(ON_3dPoint(0, 0, 0), ON_3dVector(1, 0, 0)), P));
  EXPECT_TRUE(SameBits(P, {0, 0, 0}));
}

}  // namespace
