// The text layout of a point file: one point a line, coordinates joined by a delimiter.
//
// Layout: UTF-8, no header, each line "x<d>y<d>z\n" (LF only) in the order the coordinates are
// handed over. Each coordinate is the shortest decimal text that reads back (strtod) as the
// same double, in fixed notation without exponent; negative zero is written "0". An empty list
// is an empty file. The delimiter may be any text except one that makes the numbers or lines
// ambiguous when read back: empty, or holding a digit, '.', '+', '-', CR or LF.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace kvlib {

// `value` must be finite.
std::string FormatCoordinate(double value);

// Wide text (UTF-32) to UTF-8; false when a code unit is no Unicode scalar value.
bool EncodeUtf8(std::wstring_view text, std::string& utf8);

// Checks `delimiter` and stores its UTF-8 form; on refusal `error` says why in a few words.
bool EncodeDelimiter(std::wstring_view delimiter, std::string& utf8, std::string& error);

// Accumulates the lines of a point file.
class PointLines {
 public:
  explicit PointLines(std::string delimiter) : delimiter_(std::move(delimiter)) {}

  // Appends one line; appends nothing and returns false when a coordinate is not finite.
  bool Add(double x, double y, double z);
  const std::string& text() const { return text_; }
  // Room for `lines` lines of typical survey coordinates: address space only, which costs no
  // memory until written, so a long list is not copied at every doubling.
  void Reserve(size_t lines) { text_.reserve(lines * (3 * 24 + 2 * delimiter_.size() + 1)); }
  // Hands the text over without a copy; the accumulator is left empty.
  std::string Take() { return std::move(text_); }

 private:
  std::string delimiter_;
  std::string text_;
};

}  // namespace kvlib
