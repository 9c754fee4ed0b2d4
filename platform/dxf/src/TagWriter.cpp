#include "TagWriter.h"

#include <algorithm>
#include <cassert>
#include <charconv>
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

}  // namespace

std::string formatReal(double value) {
  char buf[32];
  return std::string(buf, formatRealInto(buf, value));
}

std::size_t formatRealInto(char (&buf)[32], double value) {
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
