// Vector length, unitizing and perpendiculars, to the bit.
#include <cmath>
#include <limits>

#include "bit_exact.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(OpennurbsVector, LengthFactorsOutTheLargestComponent) {
  struct Case {
    ON_3dVector v;
    double length;
  } cases[] = {
      {{3, 4, 0}, 5.0},         {{0, 0, 0}, 0.0},
      {{-0.0, 0, 0}, 0.0},      {{1e300, 1e300, 0}, 1.4142135623730952e300},  // no overflow
      {{5e-324, 0, 0}, 5e-324},  // denormal: returned as is
      {{kNaN, 1, 1}, 0.0},       // NaN in the largest slot gives 0
      {{kInf, 1, 0}, kInf},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Digits(c.v.x) + ", " + Digits(c.v.y) + ", " + Digits(c.v.z));
    EXPECT_TRUE(SameBits(c.v.Length(), c.length));
  }
}

TEST(OpennurbsVector, UnitizeMultipliesByTheReciprocal) {
  // Dividing would give 0.59999999999999998; the reciprocal multiply gives ...09.
  ON_3dVector v(3, 4, 0);
  EXPECT_TRUE(v.Unitize());
  EXPECT_TRUE(SameBits(v, {0.60000000000000009, 0.80000000000000004, 0}));

  ON_3dVector tiny(1e-320, 0, 0);  // below DBL_MIN: rescued by the 2^1023 scale
  EXPECT_TRUE(tiny.Unitize());
  EXPECT_NEAR(tiny.x, 1.0, 2e-16);
  EXPECT_EQ(tiny.y, 0.0);
}

TEST(OpennurbsVector, UnitizeFailuresLeavePositiveZeros) {
  for (ON_3dVector v :
       {ON_3dVector(0, 0, 0), ON_3dVector(-0.0, -0.0, -0.0), ON_3dVector(kNaN, kNaN, kNaN)}) {
    EXPECT_FALSE(v.Unitize());
    EXPECT_TRUE(SameBits(v, {0, 0, 0}));
  }
  // An infinite length passes the test and yields NaN components, reported as success.
  ON_3dVector inf(kInf, 0, 0);
  EXPECT_TRUE(inf.Unitize());
  EXPECT_TRUE(std::isnan(inf.x));
}

TEST(OpennurbsVector, PerpendicularToFollowsTheTieBreaksAndSignsOfZero) {
  struct Case {
    ON_3dVector v;
    Xyz want;
    bool rc;
  } cases[] = {
      {{0, 0, 1}, {1, 0, -0.0}, true}, {{0, 0, -1}, {-1, 0, -0.0}, true},
      {{1, 2, 3}, {0, 3, -2}, true},   {{0, 0, 0}, {-0.0, 0, 0}, false},
      {{1, 0, 0}, {-0.0, 1, 0}, true}, {{0, 1, 0}, {0, -0.0, 1}, true},
      {{1, 1, 0}, {-1, 1, 0}, true},  // |y| = |x|: x is the largest
      {{0, 1, 1}, {0, -1, 1}, true},  // |z| = |y| > |x|: y largest, z second
      {{2, 1, 1}, {-1, 2, 0}, true},  // |z| = |y|: y is second
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Digits(c.v.x) + ", " + Digits(c.v.y) + ", " + Digits(c.v.z));
    ON_3dVector p(7, 7, 7);
    EXPECT_EQ(p.PerpendicularTo(c.v), c.rc);
    EXPECT_TRUE(SameBits(p, c.want));
  }
}

TEST(OpennurbsVector, TriangleNormalFailsOnlyForCollinearPoints) {
  ON_3dVector n(9, 9, 9);
  EXPECT_TRUE(n.PerpendicularTo(ON_3dPoint(1, 0, 0), ON_3dPoint(0, 1, 0), ON_3dPoint(-1, 0, 0)));
  EXPECT_EQ(n, ON_3dVector(0, 0, 1));
  EXPECT_TRUE(n.PerpendicularTo(ON_3dPoint(1, 0, 0), ON_3dPoint(0, -1, 0), ON_3dPoint(-1, 0, 0)));
  EXPECT_TRUE(SameBits(n, {0, -0.0, -1}));
  // Nearly collinear is still a triangle.
  EXPECT_TRUE(n.PerpendicularTo(ON_3dPoint(0, 0, 0), ON_3dPoint(1, 1e-12, 0), ON_3dPoint(2, 0, 0)));
  EXPECT_NEAR(std::fabs(n.z), 1.0, 1e-15);

  EXPECT_FALSE(n.PerpendicularTo(ON_3dPoint(1, 2, 0), ON_3dPoint(2, 4, 0), ON_3dPoint(3, 6, 0)));
  EXPECT_TRUE(n.IsZero());
  n.Set(9, 9, 9);
  EXPECT_FALSE(n.PerpendicularTo(ON_3dPoint(3, 4, 5), ON_3dPoint(3, 4, 5), ON_3dPoint(3, 4, 5)));
  EXPECT_TRUE(n.IsZero());
}

TEST(OpennurbsVector, FloatPointNarrowsOnlyOnRequest) {
  const ON_3fPoint f(ON_3dPoint(0.1, 16777217.0, 1e39));
  EXPECT_EQ(f.x, 0.1f);
  EXPECT_EQ(f.y, 16777216.0f);
  EXPECT_TRUE(std::isinf(f.z));
  EXPECT_TRUE(SameBits(ON_3dPoint(f).x, 0.10000000149011612));
  const ON_3fPoint z(ON_3dPoint(-0.0, kNaN, 0));
  EXPECT_TRUE(std::signbit(z.x));
  EXPECT_TRUE(std::isnan(z.y));
}

}  // namespace
