#include "TagWriter.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstring>

#include "dxf/DxfTagReader.h"

namespace dxf {
namespace {

template <typename T>
void appendLittleEndian(std::string& out, T v) {
  char bytes[sizeof v];
  std::memcpy(bytes, &v, sizeof v);
  out.append(bytes, sizeof v);
}

// Coordinates of drawings are mostly short decimals ("497627.353"). For a number of at least 1
// with a fraction, the shortest text that reads back as it is the fixed one with the fewest
// decimals that does (no text of fewer digits can: it would be an integer, which a double that is
// no integer does not read back as), and fixed notation is shorter than scientific, so this is
// what to_chars writes. Below 2^50 the digits' integer m is within 1/8 of value * 10^k, so it is
// the only candidate, and m / 10^k is the correctly rounded reading of the text. Others: false.
bool quickFixed(double value, char* out, std::size_t& length) {
  static constexpr double kScale[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
  static constexpr std::uint64_t kIntScale[] = {1,      10,      100,      1000,      10000,
                                                100000, 1000000, 10000000, 100000000, 1000000000};
  const double a = std::fabs(value);
  if (!(a >= 1.0) || a >= 1e15 || a == std::floor(a)) return false;
  for (int k = 1; k <= 9; ++k) {
    const double t = a * kScale[k];
    if (t >= 0x1p50) return false;
    const double m = std::nearbyint(t);
    if (m / kScale[k] != a) continue;
    const auto digits = static_cast<std::uint64_t>(m);
    char* p = out;
    if (value < 0) *p++ = '-';
    p = std::to_chars(p, p + 20, digits / kIntScale[k]).ptr;
    *p++ = '.';
    std::uint64_t fraction = digits % kIntScale[k];
    for (int i = k - 1; i >= 0; --i, fraction /= 10) p[i] = static_cast<char>('0' + fraction % 10);
    length = static_cast<std::size_t>(p + k - out);
    return true;
  }
  return false;
}

}  // namespace

std::string formatReal(double value) {
  char buf[32];
  return std::string(buf, formatRealInto(buf, value));
}

std::size_t formatRealInto(char (&buf)[32], double value) {
  std::size_t quick = 0;
  if (quickFixed(value, buf, quick)) return quick;
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf - 2, value);
  assert(ec == std::errc() && "a double always fits 30 characters");
  std::string_view s(buf, static_cast<std::size_t>(end - buf));
  if (s.find_first_of(".eEn") != std::string_view::npos) return s.size();
  *end++ = '.';
  *end++ = '0';
  return static_cast<std::size_t>(end - buf);
}

void TagWriter::code(int code) {
  if (d_.binary) {
    if (d_.twoByteCodes) {
      appendLittleEndian<std::int16_t>(out_, static_cast<std::int16_t>(code));
    } else if (code < 255) {
      out_ += static_cast<char>(code);
    } else {
      out_ += static_cast<char>(255);
      appendLittleEndian<std::int16_t>(out_, static_cast<std::int16_t>(code));
    }
    return;
  }
  char digits[12];
  auto [end, ec] = std::to_chars(digits, digits + sizeof digits, code);
  (void)ec;
  int width = static_cast<int>(end - digits);
  if (width < d_.codeWidth) out_.append(static_cast<std::size_t>(d_.codeWidth - width), ' ');
  line(std::string_view(digits, static_cast<std::size_t>(width)));
}

void TagWriter::line(std::string_view value) {
  out_ += value;
  if (d_.crlf) out_ += '\r';
  out_ += '\n';
}

// A whole ASCII tag in one append: padded group code, line end, value, line end.
void TagWriter::asciiTag(int c, std::string_view value) {
  char buf[160];
  if (value.size() > 96 || d_.codeWidth > 16) {
    code(c);
    return line(value);
  }
  char digits[12];
  auto [end, ec] = std::to_chars(digits, digits + sizeof digits, c);
  (void)ec;
  const int width = static_cast<int>(end - digits);
  char* p = buf;
  for (int i = width; i < d_.codeWidth; ++i) *p++ = ' ';
  p = std::copy(digits, end, p);
  if (d_.crlf) *p++ = '\r';
  *p++ = '\n';
  p = std::copy(value.begin(), value.end(), p);
  if (d_.crlf) *p++ = '\r';
  *p++ = '\n';
  out_.append(buf, static_cast<std::size_t>(p - buf));
}

void TagWriter::text(int c, std::string_view value) {
  if (!d_.binary) return asciiTag(c, value);
  code(c);
  out_ += value;
  out_ += '\0';
}

void TagWriter::real(int c, double value) {
  if (d_.binary) {
    code(c);
    return appendLittleEndian(out_, value);
  }
  char buf[32];
  asciiTag(c, std::string_view(buf, formatRealInto(buf, value)));
}

void TagWriter::integer(int c, std::int64_t value) {
  if (!d_.binary) return asciiTag(c, std::to_string(value));
  code(c);
  switch (valueTypeOf(c)) {
    case ValueType::kInt16:
      return appendLittleEndian(out_, static_cast<std::int16_t>(value));
    case ValueType::kInt32:
      return appendLittleEndian(out_, static_cast<std::int32_t>(value));
    case ValueType::kInt64:
      return appendLittleEndian(out_, value);
    case ValueType::kBool:
      out_ += static_cast<char>(value != 0);
      return;
    case ValueType::kDouble:
    case ValueType::kString:
    case ValueType::kBinaryChunk:
      break;
  }
  assert(false && "integer() used for a code whose value is no integer");
}

void TagWriter::handle(int c, std::uint64_t value) {
  char buf[17];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, 16);
  (void)ec;
  for (char* p = buf; p != end; ++p) *p = static_cast<char>(*p >= 'a' ? *p - 'a' + 'A' : *p);
  text(c, std::string_view(buf, static_cast<std::size_t>(end - buf)));
}

void TagWriter::point(int c, double x, double y, double z) {
  real(c, x);
  real(c + 10, y);
  real(c + 20, z);
}

}  // namespace dxf
