// NURBS curves: clamped uniform knots, refused creations, knot writes and control points.
#include <vector>

#include "bit_exact.h"

namespace {

std::vector<ON_3dPoint> Points(int n) {
  std::vector<ON_3dPoint> p;
  for (int i = 0; i < n; ++i) p.emplace_back(i, i * i, -i);
  return p;
}

std::vector<double> Knots(const ON_NurbsCurve& c) {
  std::vector<double> k;
  for (int i = 0; i < c.KnotCount(); ++i) k.push_back(c.Knot(i));
  return k;
}

TEST(OpennurbsNurbs, ClampedUniformKnotVectors) {
  struct Case {
    int order, n;
    double delta;
    std::vector<double> knots;
  } cases[] = {
      {4, 4, 1.0, {0, 0, 0, 1, 1, 1}},
      {3, 4, 1.0, {0, 0, 1, 2, 2}},
      {2, 3, 1.0, {0, 1, 2}},
      {2, 2, 1.0, {0, 1}},
      {4, 6, 1.0, {0, 0, 0, 1, 2, 3, 3, 3}},
      {2, 4, 0.1, {0, 0.1, 0.2, 0.30000000000000004}},  // by repeated addition
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("order " + std::to_string(c.order) + ", n " + std::to_string(c.n));
    const std::vector<ON_3dPoint> p = Points(c.n);
    ON_NurbsCurve curve;
    ASSERT_TRUE(curve.CreateClampedUniformNurbs(3, c.order, c.n, p.data(), c.delta));
    EXPECT_EQ(curve.Order(), c.order);
    EXPECT_EQ(curve.CVCount(), c.n);
    EXPECT_EQ(curve.KnotCount(), c.order + c.n - 2);
    EXPECT_FALSE(curve.IsRational());
    EXPECT_TRUE(curve.IsValid());
    const std::vector<double> k = Knots(curve);
    ASSERT_EQ(k.size(), c.knots.size());
    for (size_t i = 0; i < k.size(); ++i) EXPECT_TRUE(SameBits(k[i], c.knots[i])) << i;
    for (int i = 0; i < c.n; ++i) {
      ON_3dPoint cv;
      EXPECT_TRUE(curve.GetCV(i, cv));
      EXPECT_TRUE(SameBits(cv, {p[i].x, p[i].y, p[i].z}));
    }
  }
}

TEST(OpennurbsNurbs, RefusedCreationsChangeNothing) {
  const std::vector<ON_3dPoint> p = Points(4);
  struct Case {
    const char* name;
    int dim, order, n;
    const ON_3dPoint* points;
  } cases[] = {
      {"order 4 with 3 points", 3, 4, 3, p.data()},
      {"order 4 with 2 points", 3, 4, 2, p.data()},
      {"order 1", 3, 1, 4, p.data()},
      {"dimension 0", 0, 2, 4, p.data()},
      {"dimension 4", 4, 2, 4, p.data()},
      {"no points", 3, 2, 4, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ON_NurbsCurve fresh;
    EXPECT_FALSE(fresh.CreateClampedUniformNurbs(c.dim, c.order, c.n, c.points, 1.0));
    EXPECT_EQ(fresh.Order(), 0);
    EXPECT_EQ(fresh.CVCount(), 0);
    EXPECT_EQ(fresh.KnotCount(), -2);
    EXPECT_FALSE(fresh.IsValid());

    ON_NurbsCurve used;
    ASSERT_TRUE(used.CreateClampedUniformNurbs(3, 4, 4, p.data(), 1.0));
    EXPECT_FALSE(used.CreateClampedUniformNurbs(c.dim, c.order, c.n, c.points, 1.0));
    EXPECT_EQ(used.Order(), 4);
    EXPECT_EQ(used.CVCount(), 4);
    EXPECT_EQ(Knots(used), (std::vector<double>{0, 0, 0, 1, 1, 1}));
    ON_3dPoint cv;
    EXPECT_TRUE(used.GetCV(3, cv));
    EXPECT_EQ(cv, p[3]);
    EXPECT_TRUE(used.IsValid());
  }
}

TEST(OpennurbsNurbs, NonPositiveKnotStepSetsTheShapeButReportsFailure) {
  const std::vector<ON_3dPoint> p = Points(4);
  ON_NurbsCurve curve;
  EXPECT_FALSE(curve.CreateClampedUniformNurbs(2, 3, 4, p.data(), 0.0));
  EXPECT_EQ(curve.Order(), 3);
  EXPECT_EQ(curve.Dimension(), 2);
  ON_3dPoint cv(7, 7, 7);
  EXPECT_TRUE(curve.GetCV(2, cv));
  EXPECT_TRUE(SameBits(cv, {2, 4, 0}));  // third coordinate not stored in 2d
  EXPECT_FALSE(curve.IsValid());         // knots all zero
}

// The spline-conversion recipe: clamped uniform curve, then host knots 1 .. K-2 into 0 .. K-3.
// Returns the curve; `refused` lists the knot indices whose SetKnot returned false.
ON_NurbsCurve FromHostKnots(int order, int n, const std::vector<double>& host,
                            std::vector<int>* refused = nullptr) {
  const std::vector<ON_3dPoint> p = Points(n);
  ON_NurbsCurve c;
  c.CreateClampedUniformNurbs(3, order, n, p.data(), 1.0);
  for (size_t i = 1; i + 1 < host.size(); ++i) {
    const int k = static_cast<int>(i) - 1;
    if (!c.SetKnot(k, host[i]) && refused != nullptr) refused->push_back(k);
  }
  return c;
}

TEST(OpennurbsNurbs, SetKnotStoresInRangeValuesWithoutOrderingChecks) {
  const ON_NurbsCurve c = FromHostKnots(3, 4, {0, 0, 0, 0.3, 1, 1, 1});
  EXPECT_EQ(Knots(c), (std::vector<double>{0, 0, 0.29999999999999999, 1, 1}));
  EXPECT_TRUE(c.IsValid());

  // Eight knots supplied for a six-knot curve: the last two writes are refused.
  std::vector<int> refused;
  const ON_NurbsCurve longer = FromHostKnots(4, 4, {0, 0, 0, 0, 1, 1, 1, 1, 2, 3}, &refused);
  EXPECT_EQ(Knots(longer), (std::vector<double>{0, 0, 0, 1, 1, 1}));
  EXPECT_EQ(refused, (std::vector<int>{6, 7}));

  ON_NurbsCurve curve = FromHostKnots(4, 4, {});
  EXPECT_FALSE(curve.SetKnot(-1, 5));
  EXPECT_FALSE(curve.SetKnot(6, 5));
  EXPECT_EQ(Knots(curve), (std::vector<double>{0, 0, 0, 1, 1, 1}));
  EXPECT_TRUE(curve.SetKnot(1, 2));  // non-monotone: stored, curve now invalid
  EXPECT_EQ(curve.Knot(1), 2.0);
  EXPECT_FALSE(curve.IsValid());
  EXPECT_EQ(curve.Knot(99), 0.0);
}

TEST(OpennurbsNurbs, RationalControlPointsAreDividedByTheirWeight) {
  ON_NurbsCurve c(3, true, 2, 2);
  ASSERT_TRUE(c.IsRational());
  EXPECT_TRUE(c.SetCV(0, ON_4dPoint(2, 4, 6, 2)));
  EXPECT_TRUE(c.SetCV(1, ON_4dPoint(1, 1, 1, 0)));
  ON_3dPoint p;
  EXPECT_TRUE(c.GetCV(0, p));
  EXPECT_TRUE(SameBits(p, {1, 2, 3}));
  p = ON_3dPoint(5, 5, 5);
  EXPECT_FALSE(c.GetCV(1, p));  // zero weight: no point, p untouched
  EXPECT_EQ(p, ON_3dPoint(5, 5, 5));
  EXPECT_FALSE(c.GetCV(2, p));
  EXPECT_FALSE(ON_NurbsCurve().GetCV(0, p));

  // A clamped uniform rebuild makes it non-rational again.
  const std::vector<ON_3dPoint> pts = Points(2);
  ASSERT_TRUE(c.CreateClampedUniformNurbs(3, 2, 2, pts.data(), 1.0));
  EXPECT_FALSE(c.IsRational());
  EXPECT_TRUE(c.GetCV(1, p));
  EXPECT_EQ(p, pts[1]);
}

}  // namespace
