// Splines: degree, control points and the inner knots, and the data that forms no curve.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "TestDrawing.h"
#include "convert/ConvertSpline.h"

namespace {

struct SplineData {
  SplineData(int d, std::vector<OdGePoint3d> points, std::vector<double> k, bool r = false,
             std::vector<double> w = {})
      : degree(d),
        controlPoints(std::move(points)),
        knots(std::move(k)),
        rational(r),
        weights(std::move(w)) {}

  int degree;
  std::vector<OdGePoint3d> controlPoints;
  std::vector<double> knots;
  bool rational;
  std::vector<double> weights;
};

const std::vector<OdGePoint3d> kFourPoints = {
    {0, 0, 0}, {1, 2, 0.5}, {3, 2, -1}, {612345.678, 5123456.789, 4}};
const std::vector<OdGePoint3d> kFivePoints = {
    {0, 0, 0}, {1, 1, 0}, {2, 0, 0}, {3, 1, 0}, {4, 0, 0}};

class convert_Spline : public ::testing::Test {
 protected:
  OdDbSplinePtr AddSpline(const SplineData& data) {
    OdGePoint3dArray points;
    for (const OdGePoint3d& p : data.controlPoints) points.append(p);
    OdGeDoubleArray knots, weights;
    for (double k : data.knots) knots.append(k);
    for (double w : data.weights) weights.append(w);
    OdDbSplinePtr spline = OdDbSpline::createObject();
    spline->setNurbsData(data.degree, data.rational, false, false, points, knots, weights);
    return drawing.AddAndOpen(spline);
  }

  static std::vector<double> KnotsOf(const ON_NurbsCurve& curve) {
    std::vector<double> knots;
    for (int i = 0; i < curve.KnotCount(); ++i) knots.push_back(curve.Knot(i));
    return knots;
  }

  TestDrawing drawing;
};

TEST_F(convert_Spline, KnotsDropTheHostsEndKnots) {
  struct Case {
    const char* name;
    std::vector<OdGePoint3d> points;
    std::vector<double> hostKnots;
    std::vector<double> expected;
  } cases[] = {
      {"cubic Bezier", kFourPoints, {0, 0, 0, 0, 1, 1, 1, 1}, {0, 0, 0, 1, 1, 1}},
      {"inner knot", kFivePoints, {0, 0, 0, 0, 0.5, 1, 1, 1, 1}, {0, 0, 0, 0.5, 1, 1, 1}},
      {"one knot too many: the last two are not copied",
       kFourPoints,
       {0, 0, 0, 0, 0.25, 7, 8, 9, 10},
       {0, 0, 0, 0.25, 7, 8}},
      {"too few knots: the rest stay clamped uniform",
       kFivePoints,
       {0, 0, 0, 0.5, 0.75},
       {0, 0, 0.5, 1, 2, 2, 2}},
      {"a single knot", kFourPoints, {0.5}, {0, 0, 0, 1, 1, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    OdDbSplinePtr spline = AddSpline({3, c.points, c.hostKnots});
    const HandleState before = HandleState::Of(*spline);
    ON_NurbsCurve curve;
    ASSERT_EQ(1, ConvertSpline(spline, curve));
    EXPECT_EQ(3, curve.Dimension());
    EXPECT_EQ(4, curve.Order());
    EXPECT_FALSE(curve.IsRational());
    EXPECT_EQ(c.expected, KnotsOf(curve));
    ASSERT_EQ(static_cast<int>(c.points.size()), curve.CVCount());
    for (int i = 0; i < curve.CVCount(); ++i) {
      ON_3dPoint cv;
      ASSERT_TRUE(curve.GetCV(i, cv));
      EXPECT_POINT_EQ(On(c.points[i].x, c.points[i].y, c.points[i].z), cv);
    }
    EXPECT_EQ(before, HandleState::Of(*spline));
  }
}

TEST_F(convert_Spline, RationalSplineLosesItsWeights) {
  OdDbSplinePtr spline =
      AddSpline({2, {{0, 0, 0}, {1, 1, 0}, {2, 0, 0}}, {0, 0, 0, 1, 1, 1}, true, {1, 0.5, 1}});
  ON_NurbsCurve curve;
  ASSERT_EQ(1, ConvertSpline(spline, curve));
  EXPECT_FALSE(curve.IsRational());
  EXPECT_EQ(3, curve.Order());
  ON_3dPoint middle;
  ASSERT_TRUE(curve.GetCV(1, middle));
  EXPECT_POINT_EQ(On(1, 1, 0), middle);
  EXPECT_EQ(1.0, curve.Weight(1));
}

// Data that forms no curve gives 0 and leaves the reused working curve exactly as the previous
// spline made it: neither its shape nor its knots are touched.
TEST_F(convert_Spline, DataThatFormsNoCurveFailsAndLeavesTheWorkingCurve) {
  struct Case {
    const char* name;
    SplineData data;
  } cases[] = {
      {"degree 0", {0, kFourPoints, {0, 1, 2, 3, 4}}},
      {"negative degree", {-1, kFourPoints, {0, 1, 2}}},
      {"fewer control points than the order", {3, {{0, 0, 0}, {1, 1, 1}}, {0, 0, 0, 0, 1, 1}}},
      {"no control points", {1, {}, {0, 1}}},
      {"huge degree", {2147483647, kFourPoints, {0, 0, 0, 0, 1, 1, 1, 1}}},
      {"empty knot array", {3, kFourPoints, {}}},
  };
  OdDbSplinePtr valid = AddSpline({3, kFivePoints, {0, 0, 0, 0, 0.5, 1, 1, 1, 1}});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ON_NurbsCurve working;
    ASSERT_EQ(1, ConvertSpline(valid, working));
    OdDbSplinePtr spline = AddSpline(c.data);
    const HandleState before = HandleState::Of(*spline);
    EXPECT_EQ(0, ConvertSpline(spline, working));
    EXPECT_EQ(4, working.Order());
    EXPECT_EQ(5, working.CVCount());
    EXPECT_EQ((std::vector<double>{0, 0, 0, 0.5, 1, 1, 1}), KnotsOf(working));
    EXPECT_EQ(before, HandleState::Of(*spline));
  }
}

}  // namespace
