// The text layout of a point file: one point a line, coordinates joined by a delimiter.
//
// Layout: UTF-8, no header, each line "x<d>y<d>z\n" (LF only) in the order the coordinates are
// handed over. Each coordinate is the shortest decimal text that reads back (strtod) as the
// same double, in fixed notation without exponent; negative zero is written "0". An empty list
// is an empty file. The delimiter may be any text except one that makes the numbers or lines
// ambiguous when read back: empty, or holding a digit, '.', '+', '-', CR or LF.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

namespace kvlib {

// Longest coordinate text WriteCoordinate writes. The longest shortest-round-trip double in
// fixed notation is a subnormal, "0." followed by 323 zeros and its digits, plus a sign;
// 1.8e308 needs 310 characters.
constexpr size_t kMaxCoordinateLength = 384;

// Writes the text of `value` at `out`, which has room for kMaxCoordinateLength characters, and
// returns the end of what was written. `value` must be finite.
char* WriteCoordinate(char* out, double value);

// `value` must be finite.
std::string FormatCoordinate(double value);

// Wide text (UTF-32) to UTF-8; false when a code unit is no Unicode scalar value.
bool EncodeUtf8(std::wstring_view text, std::string& utf8);

// Checks `delimiter` and stores its UTF-8 form; on refusal `error` says why in a few words.
bool EncodeDelimiter(std::wstring_view delimiter, std::string& utf8, std::string& error);

// Writes the lines of a point file into memory the caller provides.
class LineFormat {
 public:
  // `delimiter` is the UTF-8 text EncodeDelimiter accepted.
  explicit LineFormat(std::string delimiter) : delimiter_(std::move(delimiter)) {}

  // Room one line may need, whatever its coordinates.
  size_t MaxLineLength() const { return 3 * kMaxCoordinateLength + 2 * delimiter_.size() + 1; }
  // Room a line of survey coordinates (up to 16 characters each) takes: a first guess.
  size_t TypicalLineLength() const { return 3 * 16 + 2 * delimiter_.size() + 1; }
  // Writes one line at `out`, which has room for MaxLineLength() characters, and returns its
  // end. The coordinates must be finite.
  char* WriteLine(char* out, double x, double y, double z) const;

 private:
  // The usual one-character delimiter is stored without a call of memcpy.
  char* WriteDelimiter(char* out) const {
    if (delimiter_.size() == 1) {
      *out = delimiter_[0];
      return out + 1;
    }
    std::memcpy(out, delimiter_.data(), delimiter_.size());
    return out + delimiter_.size();
  }

  std::string delimiter_;
};

}  // namespace kvlib
