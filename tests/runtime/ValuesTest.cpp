// Strings, arrays, handles and geometry values.
#include <gtest/gtest.h>

#include <cmath>

#include "DbHandle.h"
#include "Ge/GeMatrix3d.h"
#include "OdArray.h"
#include "OdString.h"

namespace {

TEST(RuntimeString, NarrowTextIsConvertedFromItsCodePage) {
  struct Case {
    const char* narrow;
    OdCodePageId codePage;
    const wchar_t* wide;
  };
  const Case cases[] = {
      {"Quorlex", CP_ANSI_1252, L"Quorlex"},
      {"\x80 \xE9", CP_ANSI_1252, L"\u20AC \u00E9"},  // euro sign lives at 0x80 in 1252 only
      {"\x80", CP_8859_1, L"\u0080"},
      {"caf\xC3\xA9", CP_UTF_8, L"caf\u00E9"},
      {"bad\xC3(", CP_UTF_8, L"bad\uFFFD("},
      {"", CP_ANSI_1252, L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.narrow);
    OdString text(c.narrow, c.codePage);
    EXPECT_STREQ(text.syncUnicode().c_str(), c.wide);
    EXPECT_STREQ(OdString(c.narrow, c.codePage).c_str(), c.wide)
        << "reading without syncUnicode must not give stale text";
  }
  EXPECT_STREQ(OdString(static_cast<const char*>(nullptr)).c_str(), L"");
}

TEST(RuntimeString, Utf8RoundTrip) {
  OdString text(L"x\u00E9\u20AC\U0001F600");
  EXPECT_EQ(text.toUtf8(), "x\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
  EXPECT_EQ(OdString::fromUtf8(text.toUtf8()), text);
}

TEST(RuntimeString, FormatTakesWideStringsForPercentS) {
  OdString text;
  text.format(L"Failure [%s] %d %hs %c|%5.2f", L"disk full", 42, "narrow", L'z', 3.14159);
  EXPECT_STREQ(text.c_str(), L"Failure [disk full] 42 narrow z| 3.14");
  EXPECT_STREQ(OdString::formatted(L"100%% of %ls", L"it").c_str(), L"100% of it");
  std::wstring longText(5000, L'a');
  EXPECT_EQ(OdString::formatted(L"%s", longText.c_str()).getLength(), 5000);
  EXPECT_THROW(OdString::formatted(L"50%"), OdError) << "a malformed format is an error";
}

TEST(RuntimeString, ComparisonAndAccess) {
  OdString name(L"Quorlex");
  EXPECT_TRUE(name == L"Quorlex");
  EXPECT_FALSE(name == L"quorlex");
  // Prefixes either way, the empty text, null and an embedded zero.
  EXPECT_FALSE(name == L"Quorle");
  EXPECT_FALSE(name == L"Quorlexx");
  EXPECT_TRUE(OdString() == L"");
  EXPECT_TRUE(OdString() == static_cast<const wchar_t*>(nullptr));
  EXPECT_FALSE(name == static_cast<const wchar_t*>(nullptr));
  EXPECT_FALSE(OdString(L"ab\0c", 4) == L"ab");
  EXPECT_EQ(name.iCompare(L"QUORLEX"), 0);
  EXPECT_LT(OdString(L"abc").iCompare(L"ABD"), 0);
  EXPECT_TRUE(OdString::kEmpty.isEmpty());
  EXPECT_EQ(name.getAt(0), L'Q');
  EXPECT_THROW(name.getAt(7), OdError_InvalidIndex);
  EXPECT_STREQ(name.mid(2, 3).c_str(), L"orl");
  EXPECT_EQ(name.find(L'x'), 6);
}

TEST(RuntimeArray, ElementAccessIsBoundTested) {
  OdGeDoubleArray knots{0.0, 0.5, 1.0};
  EXPECT_EQ(knots[2], 1.0);
  EXPECT_EQ(knots.at(1), 0.5);
  EXPECT_THROW(knots[3], OdError_InvalidIndex);
  EXPECT_THROW(knots.at(3), OdError_InvalidIndex);
  OdGeDoubleArray empty;
  EXPECT_EQ(empty.size() - 1, 0xFFFFFFFFu) << "sizes are unsigned, as callers may rely on";
  EXPECT_THROW(empty[1], OdError_InvalidIndex);
  EXPECT_THROW(empty.last(), OdError_InvalidIndex);
  try {
    empty.at(7);
  } catch (const OdError& e) {
    EXPECT_EQ(e.code(), eInvalidIndex);
    EXPECT_STREQ(e.description().c_str(), L"Invalid index 7 (size 0)");
  }
  EXPECT_EQ(knots.append(2.0), 3u);
  knots.removeAt(0);
  EXPECT_EQ(knots, (OdGeDoubleArray{0.5, 1.0, 2.0}));
}

TEST(RuntimeHandle, HexText) {
  struct Case {
    const char* text;
    bool valid;
    OdUInt64 value;
    const wchar_t* ascii;
  };
  const Case cases[] = {
      {"1F", true, 0x1F, L"1F"},
      {"00ab", true, 0xAB, L"AB"},
      {"FFFFFFFFFFFFFFFF", true, ~0ull, L"FFFFFFFFFFFFFFFF"},
      {"10000000000000000", false, 0, nullptr},
      {"", false, 0, nullptr},
      {"12G", false, 0, nullptr},
      {" 1", false, 0, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    OdDbHandle handle(99);
    EXPECT_EQ(OdDbHandle::parse(c.text, handle), c.valid);
    if (!c.valid) {
      EXPECT_EQ(handle.value(), 99u) << "a failed parse leaves the handle alone";
      EXPECT_THROW(OdDbHandle(OdString(c.text, CP_ASCII)), OdError);
      continue;
    }
    EXPECT_EQ(handle.value(), c.value);
    EXPECT_STREQ(handle.ascii().c_str(), c.ascii);
    EXPECT_EQ(OdDbHandle(OdString(c.text, CP_ASCII)).value(), c.value);
  }
  EXPECT_STREQ(OdDbHandle().ascii().c_str(), L"0");
}

void expectNear(const OdGePoint3d& actual, const OdGePoint3d& expected) {
  EXPECT_NEAR(actual.x, expected.x, 1e-12);
  EXPECT_NEAR(actual.y, expected.y, 1e-12);
  EXPECT_NEAR(actual.z, expected.z, 1e-12);
}

TEST(RuntimeGeometry, ArbitraryAxisAlgorithm) {
  struct Case {
    OdGeVector3d normal;
    OdGePoint3d objectPoint;
    OdGePoint3d world;
  };
  const Case cases[] = {
      {{0, 0, 1}, {1, 2, 3}, {1, 2, 3}},
      {{0, 0, -1}, {1, 2, 3}, {-1, 2, -3}},  // the mirrored plane of many DXF files
      {{0.6, 0, 0.8}, {1, 2, 3}, {0.2, 1, 3.6}},
      {{0, 0, 5}, {1, 2, 3}, {1, 2, 3}},  // the normal need not be unit length
      // |Nx| < 1/64: the x axis is Wy x N (near world x), not Wz x N (world y).
      {{0.01, 0, 1}, {1, 0, 0}, {1 / std::sqrt(1.0001), 0, -0.01 / std::sqrt(1.0001)}},
      {{1, 0, 0}, {1, 2, 3}, {3, 1, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.normal.x << "," << c.normal.y << "," << c.normal.z);
    OdGeMatrix3d toWorld = OdGeMatrix3d::planeToWorld(c.normal);
    OdGePoint3d world = toWorld * c.objectPoint;
    expectNear(world, c.world);
    expectNear(OdGeMatrix3d::worldToPlane(c.normal) * world, c.objectPoint);
    expectNear(toWorld.inverse() * world, c.objectPoint);
  }
  EXPECT_TRUE(OdGeMatrix3d::planeToWorld(OdGeVector3d::kZAxis).isIdentity());
}

TEST(RuntimeGeometry, PointComparisonUsesTheGlobalTolerance) {
  EXPECT_EQ(OdGeContext::gTol.equalPoint(), 1e-10);
  OdGePoint3d p(1e6, 2.0, 3.0);
  EXPECT_TRUE(p.isEqualTo(OdGePoint3d(1e6, 2.0 + 0.5e-10, 3.0), OdGeContext::gTol));
  EXPECT_FALSE(p.isEqualTo(OdGePoint3d(1e6, 2.0 + 2e-10, 3.0), OdGeContext::gTol));
  EXPECT_FALSE(p.isEqualTo(OdGePoint3d(1e6, 2.0, 3.0 + 1e-9)));
  EXPECT_DOUBLE_EQ(OdGeVector3d(3, 4, 12).length(), 13.0);
  OdGeMatrix3d singular;
  singular.entry[1][1] = 0.0;
  EXPECT_THROW(singular.inverse(), OdError);
}

}  // namespace
