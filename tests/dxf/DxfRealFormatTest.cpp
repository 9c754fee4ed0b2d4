// Reals are written as the shortest text that reads back as the same double, exactly as the
// standard library's shortest conversion writes it (with ".0" added to integers): survey
// coordinates, random doubles of every magnitude, and the edges of the short-decimal path.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "TagWriter.h"

namespace {

std::string reference(double value) {
  char buf[32];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
  std::string s(buf, end);
  if (s.find_first_of(".eEn") == std::string::npos) s += ".0";
  return s;
}

double parse(const std::string& text) {
  double v = 0;
  std::from_chars(text.data(), text.data() + text.size(), v);
  return v;
}

TEST(DxfRealFormat, WritesWhatTheShortestConversionWrites) {
  std::vector<double> values = {1.0,
                                -1.0,
                                1.5,
                                0.1 + 0.2,
                                100000.0,
                                500000.0,
                                -0.0,
                                0.0,
                                0.5,
                                0x1p50 - 0.5,
                                0x1p50 + 0.5,
                                1e15 - 0.5,
                                1e15 + 0.5,
                                123456789012345.6,
                                999999999.999999,
                                1.0000000001,
                                5e-324,
                                1e300,
                                std::numeric_limits<double>::quiet_NaN(),
                                std::numeric_limits<double>::infinity()};
  std::mt19937_64 random(11);
  for (int i = 0; i < 300000; ++i) {
    // Survey-like: up to 8 integer digits and 0 to 9 decimals, read from text as drawings are.
    std::string digits = std::to_string(random() % 100000000) + "." +
                         std::to_string(random() % 1000000000).substr(0, random() % 10);
    values.push_back((random() % 2 ? -1 : 1) * parse(digits));
    // Any double from 2^-10 to 2^60.
    std::uint64_t bits = (std::uint64_t{1013 + random() % 70} << 52) | (random() >> 12);
    double any;
    std::memcpy(&any, &bits, sizeof any);
    values.push_back(any);
  }
  for (double v : values) {
    ASSERT_EQ(dxf::formatReal(v), reference(v)) << "bits of " << reference(v);
  }
}

}  // namespace
