#include "kvlib/PointText.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>

namespace kvlib {
namespace {

static_assert(sizeof(wchar_t) == 4, "wide strings are UTF-32 on this platform");

// The short path. Most coordinates are r / 10^k for a small integer r, e.g. 500012.345 is
// 500012345 / 10^3. Let p be the double product magnitude * 10^k. Every decimal of k places that
// reads back as the magnitude lies within p * 2^-53 of the exact product (half an ulp), and the
// exact product lies within p * 2^-53 of p; so while p < 2^50 there is at most one such decimal,
// less than 1/4 from p, and it is the integer nearest p. Dividing that integer by 10^k (both
// exact, the quotient rounded once) gives the double strtod reads from its text, so comparing
// the quotient with the magnitude decides exactly. The first k that passes gives the fewest
// digits, which is the text std::to_chars writes; values the path does not cover (more digits,
// or p beyond 2^50) go to std::to_chars itself.
constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr double kShortLimit = 0x1p50;
// Adding and removing 2^52 rounds a value below 2^51 to the nearest integer.
constexpr double kRoundingShift = 0x1p52;
// A product farther than this share of itself from an integer (four times the distance shown
// above) has no decimal of its places: the division is skipped.
constexpr double kNearInteger = 0x1p-50;

// The digits `r` and decimal places of `magnitude` (positive, finite) when the short path
// covers it; -1 when it does not.
int FindShortDecimal(double magnitude, uint64_t& r) {
  for (int k = 0; k < static_cast<int>(std::size(kPowersOfTen)); ++k) {
    const double scaled = magnitude * kPowersOfTen[k];
    if (!(scaled < kShortLimit)) return -1;
    const double nearest = (scaled + kRoundingShift) - kRoundingShift;
    if (std::fabs(scaled - nearest) > scaled * kNearInteger) continue;
    if (nearest / kPowersOfTen[k] != magnitude) continue;
    r = static_cast<uint64_t>(nearest);
    return k;
  }
  return -1;
}

// 10^0 .. 10^16.
constexpr std::array<uint64_t, 17> kIntegerPowersOfTen = [] {
  std::array<uint64_t, 17> powers{};
  uint64_t power = 1;
  for (uint64_t& p : powers) {
    p = power;
    power *= 10;
  }
  return powers;
}();

// Decimal digits of 0 < r < 2^53: log10(2) is close to 1233 / 4096.
int DigitCount(uint64_t r) {
  const int guess = (std::bit_width(r) * 1233) >> 12;
  return guess + (r >= kIntegerPowersOfTen[guess] ? 1 : 0);
}

// Writes r / 10^decimals in fixed notation: "12.5", "0.0025", "300". Written back to front in
// place, since a call of memmove costs more than these few characters.
char* WriteShortDecimal(char* out, uint64_t r, int decimals) {
  const int whole = std::max(DigitCount(r) - decimals, 1);  // "0" when there are none
  char* const end = out + whole + (decimals > 0 ? 1 + decimals : 0);
  char* p = end;
  for (int i = 0; i < decimals; ++i) {
    *--p = static_cast<char>('0' + r % 10);
    r /= 10;
  }
  if (decimals > 0) *--p = '.';
  while (p != out) {
    *--p = static_cast<char>('0' + r % 10);
    r /= 10;
  }
  return end;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

bool IsScalarValue(char32_t c) { return c < 0xD800 || (c > 0xDFFF && c <= 0x10FFFF); }

// Characters that a reader of the file would take as part of a number or as a line end.
bool IsAmbiguous(wchar_t c) {
  return (c >= L'0' && c <= L'9') || c == L'.' || c == L'+' || c == L'-' || c == L'\r' ||
         c == L'\n';
}

}  // namespace

char* WriteCoordinate(char* out, double value) {
  assert(std::isfinite(value) && "coordinates are checked before formatting");
  if (value == 0.0) {  // also -0.0, which would print "-0"
    *out = '0';
    return out + 1;
  }
  uint64_t r = 0;
  const int decimals = FindShortDecimal(std::fabs(value), r);
  if (decimals < 0) {
    const auto result =
        std::to_chars(out, out + kMaxCoordinateLength, value, std::chars_format::fixed);
    assert(result.ec == std::errc() && "the room holds the longest fixed double");
    return result.ptr;
  }
  if (value < 0.0) *out++ = '-';
  return WriteShortDecimal(out, r, decimals);
}

std::string FormatCoordinate(double value) {
  char text[kMaxCoordinateLength];
  return std::string(text, WriteCoordinate(text, value));
}

char* LineFormat::WriteLine(char* out, double x, double y, double z) const {
  out = WriteDelimiter(WriteCoordinate(out, x));
  out = WriteDelimiter(WriteCoordinate(out, y));
  out = WriteCoordinate(out, z);
  *out++ = '\n';
  return out;
}

bool EncodeUtf8(std::wstring_view text, std::string& utf8) {
  utf8.clear();
  for (const wchar_t unit : text) {
    const auto c = static_cast<char32_t>(unit);
    if (!IsScalarValue(c)) return false;
    AppendUtf8(utf8, c);
  }
  return true;
}

bool EncodeDelimiter(std::wstring_view delimiter, std::string& utf8, std::string& error) {
  if (delimiter.empty()) {
    error = "Empty delimiter";
    return false;
  }
  for (const wchar_t c : delimiter) {
    if (!IsAmbiguous(c)) continue;
    error = "Delimiter must not contain a digit, '.', '+', '-' or a line break";
    return false;
  }
  if (EncodeUtf8(delimiter, utf8)) return true;
  error = "Delimiter is not valid Unicode text";
  return false;
}

}  // namespace kvlib
