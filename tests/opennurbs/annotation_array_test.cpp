// Text annotations, wide strings and the simple array.
#include <string>

#include "bit_exact.h"

namespace {

TEST(OpennurbsAnnotation, CreateResetsTextsPlaneAndPointsButNotHeight) {
  ON_TextEntity text;
  EXPECT_EQ(text.Type(), ON::dtNothing);
  EXPECT_FALSE(text.IsValid());
  EXPECT_EQ(text.Height(), 20.0);
  EXPECT_EQ(text.FontWeight(), 400);

  text.SetType(ON::dtTextBlock);
  text.SetDefaultText(L"Benchmark 12");
  text.SetUserText(L"user");
  text.SetHeight(-2.5);  // stored verbatim
  text.SetPlane(ON_Plane(ON_3dPoint(1000000.9, 4999999.93, 12.5), ON_3dVector(0, 1, 1)));
  ON_2dPointArray pts;
  pts.Append(ON_2dPoint(1, 2));
  text.SetPoints(pts);
  text.SetUserPositionedText(true);
  EXPECT_TRUE(SameBits(text.Plane().origin, {1000000.9, 4999999.93, 12.5}));
  EXPECT_EQ(text.Height(), -2.5);

  text.Create();
  EXPECT_EQ(text.Type(), ON::dtNothing);
  EXPECT_TRUE(text.DefaultText().IsEmpty());
  EXPECT_TRUE(text.UserText().IsEmpty());
  EXPECT_EQ(text.PointCount(), 0);
  EXPECT_FALSE(text.UserPositionedText());
  EXPECT_TRUE(SameBits(text.Plane().origin, {0, 0, 0}));
  EXPECT_TRUE(SameBits(text.Plane().plane_equation.d, -0.0));  // ON_xy_plane itself
  EXPECT_EQ(text.Height(), -2.5);
}

TEST(OpennurbsAnnotation, PlaneIsStoredWithoutNormalisationAndCopiesKeepTheText) {
  ON_Plane odd;
  odd.origin = ON_3dPoint(1, 2, 3);
  odd.zaxis = ON_3dVector(0, 0, 7);  // not unit, not consistent: kept as given
  ON_TextEntity text;
  text.SetPlane(odd);
  EXPECT_EQ(text.Plane().zaxis, ON_3dVector(0, 0, 7));
  EXPECT_EQ(text.Plane().plane_equation.z, 1.0);

  text.SetDefaultText(L"\u00c4rger \u2260 \U0001F600");  // beyond the 16-bit range too
  const ON_TextEntity copy = text;
  EXPECT_EQ(copy.DefaultText(), text.DefaultText());
  EXPECT_EQ(copy.DefaultText().Length(), 9);
  text.SetDefaultText(nullptr);
  EXPECT_TRUE(text.DefaultText().IsEmpty());
  EXPECT_EQ(std::wstring(copy.DefaultText()), L"\u00c4rger \u2260 \U0001F600");
}

TEST(OpennurbsWString, NullAndEmptyAreTheEmptyString) {
  EXPECT_TRUE(ON_wString(nullptr).IsEmpty());
  EXPECT_TRUE(ON_wString(L"").IsEmpty());
  EXPECT_STREQ(static_cast<const wchar_t*>(ON_wString(nullptr)), L"");
  const ON_wString s(L"abc");
  EXPECT_EQ(s.Length(), 3);
  EXPECT_EQ(s[2], L'c');
  EXPECT_TRUE(s == L"abc");
  EXPECT_EQ(ON_wString(L"abcdef", 2), ON_wString(L"ab"));
}

TEST(OpennurbsSimpleArray, GrowsAndAppendsItsOwnElementsSafely) {
  ON_3dPointArray a;
  EXPECT_EQ(a.Capacity(), 0);
  a.Append(ON_3dPoint(1, 2, 3));
  EXPECT_EQ(a.Capacity(), 4);
  for (int i = 0; i < 3; ++i) a.Append(a[0]);  // no growth needed
  a.Append(a[3]);                              // full: grows while reading from itself
  EXPECT_EQ(a.Count(), 5);
  EXPECT_EQ(a.Capacity(), 8);
  for (int i = 0; i < a.Count(); ++i) EXPECT_EQ(a[i], ON_3dPoint(1, 2, 3));

  a.Append(a.Count(), a.Array());  // a block of itself, with growth
  EXPECT_EQ(a.Count(), 10);
  EXPECT_EQ(a[9], ON_3dPoint(1, 2, 3));
  a.SetCount(5);

  a.SetCount(99);  // beyond the capacity: ignored
  EXPECT_EQ(a.Count(), 5);
  a.Shrink();
  EXPECT_EQ(a.Capacity(), 5);
  EXPECT_EQ(a.At(5), nullptr);
  ON_3dPointArray copy = a;
  copy[0].x = 9;
  EXPECT_EQ(a[0].x, 1.0);
  a.Remove(0);
  EXPECT_EQ(a.Count(), 4);
  a.Destroy();
  EXPECT_EQ(a.Count(), 0);
  EXPECT_EQ(a.Array(), nullptr);
  ON_SimpleArray<int> reserved(3);
  reserved.SetCount(3);
  EXPECT_EQ(reserved[2], 0);  // reserved memory is zeroed
}

}  // namespace

namespace {

// Growth keeps the elements and zeroes what it adds, whether the array reallocates its block
// (plain values) or moves its elements into a new one (arrays of arrays).
TEST(OpennurbsSimpleArray, GrowthKeepsElementsAndZeroesTheNewCapacity) {
  ON_3dPointArray points;
  for (int i = 0; i < 5; ++i) points.Append(ON_3dPoint(i, -i, 0.5 * i));
  points.Reserve(1000);
  points.SetCount(1000);
  EXPECT_EQ(points[4], ON_3dPoint(4, -4, 2));
  EXPECT_EQ(points[5], ON_3dPoint(0, 0, 0));
  EXPECT_EQ(points[999], ON_3dPoint(0, 0, 0));
  points[999] = ON_3dPoint(7, 7, 7);
  points.SetCapacity(3);  // shrinks; growing again zeroes the elements it gives back
  points.SetCapacity(1000);
  points.SetCount(1000);
  EXPECT_EQ(points[2], ON_3dPoint(2, -2, 1));
  EXPECT_EQ(points[999], ON_3dPoint(0, 0, 0));

  ON_SimpleArray<ON_SimpleArray<int>> nested;
  for (int i = 0; i < 100; ++i) nested.AppendNew().Append(i);
  ASSERT_EQ(nested.Count(), 100);
  for (int i = 0; i < 100; ++i) ASSERT_EQ(nested[i][0], i);
  nested.Reserve(500);
  nested.SetCount(500);
  EXPECT_EQ(nested[99][0], 99);
  EXPECT_EQ(nested[499].Count(), 0);
}

// Small arrays double; past 16 MiB an array grows by a quarter of its count.
TEST(OpennurbsSimpleArray, LargeArraysGrowByAQuarter) {
  ON_SimpleArray<double> small;
  small.Reserve(1000);
  small.SetCount(1000);
  small.Append(1.0);
  EXPECT_EQ(small.Capacity(), 2000);

  const int count = (24 << 20) / static_cast<int>(sizeof(double));
  ON_SimpleArray<double> large(count);
  large.SetCount(count);
  large[count - 1] = 3.5;
  large.Append(4.5);
  EXPECT_EQ(large.Capacity(), count + count / 4);
  EXPECT_EQ(large[count - 1], 3.5);
  EXPECT_EQ(large[count], 4.5);
}

}  // namespace
