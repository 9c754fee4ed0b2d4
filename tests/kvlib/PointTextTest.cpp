#include "kvlib/PointText.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>

namespace kvlib {
namespace {

TEST(kvlib_PointText, CoordinatesAreShortestFixedDecimals) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      {0.0, "0"},
      {-0.0, "0"},
      {1.0, "1"},
      {-2.5, "-2.5"},
      {0.1, "0.1"},
      {0.30000000000000004, "0.30000000000000004"},
      {500123.457, "500123.457"},
      {5201234.001, "5201234.001"},
      {1000000.875, "1000000.875"},
      {1e22, "10000000000000000000000"},
      {123456789012345680.0, "123456789012345680"},
      {0.000001, "0.000001"},
      {-1234.5e-10, "-0.00000012345"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(FormatCoordinate(c.value), c.text);
  }
}

// Any finite double, however large or small, reads back exactly and never uses an exponent.
TEST(kvlib_PointText, EveryFiniteDoubleRoundTripsWithoutExponent) {
  std::mt19937_64 random(20261211);
  std::vector<double> values = {
      std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest(),
      std::numeric_limits<double>::denorm_min(), -std::numeric_limits<double>::min()};
  while (values.size() < 20000) {
    const double value = std::bit_cast<double>(random());
    if (std::isfinite(value)) values.push_back(value);
  }
  for (const double value : values) {
    const std::string text = FormatCoordinate(value);
    ASSERT_EQ(text.find_first_of("eE"), std::string::npos) << text;
    ASSERT_EQ(std::strtod(text.c_str(), nullptr), value) << text;
  }
}

TEST(kvlib_PointText, LinesJoinCoordinatesInOrderWithLfEnds) {
  PointLines lines(";");
  EXPECT_TRUE(lines.Add(1.5, -0.0, 3));
  EXPECT_TRUE(lines.Add(500000.125, 5200000.25, -12.5));
  EXPECT_EQ(lines.text(), "1.5;0;3\n500000.125;5200000.25;-12.5\n");
}

TEST(kvlib_PointText, LinesRefuseNonFiniteCoordinatesAndKeepWhatCameBefore) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  PointLines lines(",");
  ASSERT_TRUE(lines.Add(1, 2, 3));
  EXPECT_FALSE(lines.Add(nan, 0, 0));
  EXPECT_FALSE(lines.Add(0, -inf, 0));
  EXPECT_FALSE(lines.Add(0, 0, inf));
  EXPECT_EQ(lines.text(), "1,2,3\n");
}

TEST(kvlib_PointText, DelimitersAreCheckedAndEncodedAsUtf8) {
  struct Case {
    const wchar_t* delimiter;
    bool accepted;
    const char* result;  // UTF-8 text when accepted, else the error
  };
  const char* ambiguous = "Delimiter must not contain a digit, '.', '+', '-' or a line break";
  const Case cases[] = {
      {L"\t", true, "\t"},
      {L";", true, ";"},
      {L" ", true, " "},
      {L" | ", true, " | "},
      {L"\u00e9", true, "\xC3\xA9"},
      {L"\u20ac", true, "\xE2\x82\xAC"},
      {L"\U0001F600", true, "\xF0\x9F\x98\x80"},
      {L"e", true, "e"},  // fixed notation never has an exponent
      {L"", false, "Empty delimiter"},
      {L"7", false, ambiguous},
      {L".", false, ambiguous},
      {L"+", false, ambiguous},
      {L"-", false, ambiguous},
      {L"x-", false, ambiguous},
      {L"\n", false, ambiguous},
      {L"\r", false, ambiguous},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.result);
    std::string utf8;
    std::string error;
    ASSERT_EQ(EncodeDelimiter(c.delimiter, utf8, error), c.accepted);
    EXPECT_EQ(c.accepted ? utf8 : error, c.result);
  }
}

TEST(kvlib_PointText, LoneSurrogateIsNoUnicode) {
  const wchar_t text[] = {L'a', static_cast<wchar_t>(0xD800), 0};
  std::string utf8;
  std::string error;
  EXPECT_FALSE(EncodeUtf8(text, utf8));
  EXPECT_FALSE(EncodeDelimiter(text, utf8, error));
  EXPECT_EQ(error, "Delimiter is not valid Unicode text");
  const wchar_t beyond[] = {static_cast<wchar_t>(0x110000), 0};
  EXPECT_FALSE(EncodeUtf8(beyond, utf8));
}

}  // namespace
}  // namespace kvlib
