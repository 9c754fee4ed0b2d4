#include "kvlib/PointText.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <string_view>
#include <vector>

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

// The short path for coordinates with few digits must give exactly the text of std::to_chars:
// decimals of every length and magnitude, their neighbours one ulp away, float-rounded vertices,
// and the edges of the path (products near 2^50, ties of the rounding).
TEST(kvlib_PointText, CoordinatesAreWhatToCharsWrites) {
  std::mt19937_64 random(4711);
  std::vector<double> values = {0x1p50,
                                0x1p50 - 1,
                                0x1p50 + 1,
                                0x1p50 / 1e3,
                                112589990684.2624,
                                0.5,
                                2.5,
                                1e22,
                                1e-22,
                                9007199254740993.0,
                                0.1 + 0.2,
                                1.0 / 3,
                                5e-324,
                                2.2250738585072014e-308};
  for (int k = 0; k <= 22; ++k) {
    for (int i = 0; i < 4000; ++i) {
      const auto digits = static_cast<double>(random() >> (11 + random() % 52));
      const double value = digits / std::pow(10.0, k);
      values.insert(values.end(), {value, std::nextafter(value, 0.0), std::nextafter(value, 1e300),
                                   static_cast<double>(static_cast<float>(value))});
    }
  }
  char expected[kMaxCoordinateLength];
  for (const double magnitude : values) {
    if (magnitude == 0.0) continue;  // "0" for both signs, shown above
    for (const double value : {magnitude, -magnitude}) {
      const auto end =
          std::to_chars(expected, expected + sizeof expected, value, std::chars_format::fixed).ptr;
      ASSERT_EQ(FormatCoordinate(value), std::string_view(expected, end)) << value;
    }
  }
}

TEST(kvlib_PointText, LinesJoinCoordinatesInOrderWithLfEnds) {
  const LineFormat format(" | ");
  std::string text(2 * format.MaxLineLength(), '\0');
  char* end = format.WriteLine(text.data(), 1.5, -0.0, 3);
  end = format.WriteLine(end, 500000.125, 5200000.25, -12.5);
  text.resize(static_cast<size_t>(end - text.data()));
  EXPECT_EQ(text, "1.5 | 0 | 3\n500000.125 | 5200000.25 | -12.5\n");
}

// The room promised for a line holds the longest texts there are.
TEST(kvlib_PointText, LongestCoordinatesFitTheRoomOfALine) {
  const double longest[] = {std::numeric_limits<double>::lowest(),
                            -std::numeric_limits<double>::min(),
                            -std::numeric_limits<double>::denorm_min(),
                            -std::nextafter(std::numeric_limits<double>::min(), 0.0),
                            -std::bit_cast<double>(uint64_t{0x000FEDCBA9876543})};
  const LineFormat format("\xE2\x82\xAC");
  for (const double value : longest) {
    SCOPED_TRACE(value);
    const std::string text = FormatCoordinate(value);
    EXPECT_LE(text.size(), kMaxCoordinateLength);
    std::string line(format.MaxLineLength(), '\0');
    const char* end = format.WriteLine(line.data(), value, value, value);
    EXPECT_EQ(static_cast<size_t>(end - line.data()), 3 * text.size() + 2 * 3 + 1);
  }
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
