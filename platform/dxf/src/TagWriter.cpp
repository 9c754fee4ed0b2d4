#include "TagWriter.h"

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
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
  assert(ec == std::errc() && "a double always fits 32 characters");
  std::string s(buf, end);
  if (s.find_first_of(".eEn") == std::string::npos) s += ".0";
  return s;
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
  std::string digits = std::to_string(code);
  if (static_cast<int>(digits.size()) < d_.codeWidth)
    out_.append(d_.codeWidth - digits.size(), ' ');
  line(digits);
}

void TagWriter::line(std::string_view value) {
  out_ += value;
  out_ += d_.crlf ? "\r\n" : "\n";
}

void TagWriter::text(int c, std::string_view value) {
  code(c);
  if (!d_.binary) return line(value);
  out_ += value;
  out_ += '\0';
}

void TagWriter::real(int c, double value) {
  code(c);
  if (d_.binary) return appendLittleEndian(out_, value);
  line(formatReal(value));
}

void TagWriter::integer(int c, std::int64_t value) {
  code(c);
  if (!d_.binary) return line(std::to_string(value));
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
  std::string hex(buf, end);
  for (char& ch : hex) ch = static_cast<char>(ch >= 'a' ? ch - 'a' + 'A' : ch);
  text(c, hex);
}

void TagWriter::point(int c, double x, double y, double z) {
  real(c, x);
  real(c + 10, y);
  real(c + 20, z);
}

}  // namespace dxf
