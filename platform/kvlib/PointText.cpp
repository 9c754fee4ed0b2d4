#include "kvlib/PointText.h"

#include <cassert>
#include <charconv>
#include <cmath>

namespace kvlib {
namespace {

static_assert(sizeof(wchar_t) == 4, "wide strings are UTF-32 on this platform");

// Longest shortest-round-trip double in fixed notation: the smallest subnormal, "0." followed by
// 323 zeros and up to 17 significant digits (343 characters), plus a sign; 1.8e308 needs 310.
constexpr size_t kMaxFixedLength = 384;

void AppendCoordinate(std::string& out, double value) {
  assert(std::isfinite(value) && "coordinates are checked before formatting");
  if (value == 0.0) {  // also -0.0, which would print "-0"
    out += '0';
    return;
  }
  char buffer[kMaxFixedLength];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  assert(result.ec == std::errc() && "buffer holds the longest fixed double");
  out.append(buffer, result.ptr);
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

std::string FormatCoordinate(double value) {
  std::string text;
  AppendCoordinate(text, value);
  return text;
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

bool PointLines::Add(double x, double y, double z) {
  if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z)) return false;
  AppendCoordinate(text_, x);
  text_ += delimiter_;
  AppendCoordinate(text_, y);
  text_ += delimiter_;
  AppendCoordinate(text_, z);
  text_ += '\n';
  return true;
}

}  // namespace kvlib
