// Test helpers: compare doubles by bit pattern, so that -0 differs from +0 and every last bit
// counts, and print them with all 17 digits when they differ.
#pragma once

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <string>

#include "opennurbs.h"

inline std::string Digits(double v) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.17g", v);
  return buf;
}

inline ::testing::AssertionResult SameBits(double actual, double expected) {
  if (std::bit_cast<std::uint64_t>(actual) == std::bit_cast<std::uint64_t>(expected)) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "got " << Digits(actual) << ", want " << Digits(expected);
}

struct Xyz {
  double x, y, z;
};

inline ::testing::AssertionResult SameBits(const ON_3dPoint& p, Xyz want) {
  if (SameBits(p.x, want.x) && SameBits(p.y, want.y) && SameBits(p.z, want.z)) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "got (" << Digits(p.x) << ", " << Digits(p.y) << ", " << Digits(p.z) << "), want ("
         << Digits(want.x) << ", " << Digits(want.y) << ", " << Digits(want.z) << ")";
}

inline ::testing::AssertionResult SameBits(const ON_3dVector& v, Xyz want) {
  return SameBits(ON_3dPoint(v.x, v.y, v.z), want);
}
