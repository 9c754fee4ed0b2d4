// TagWriter: writes DXF tags in a file's own dialect into a byte string: ASCII with the file's
// line end and group-code padding, or binary with one- or two-byte group codes. Reals are written
// with the shortest text that reads back as the same double (ASCII) or as their 8 bytes (binary).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace dxf {

struct Dialect {
  bool binary = false;
  bool twoByteCodes = true;
  bool crlf = false;
  int codeWidth = 3;
};

class TagWriter {
 public:
  explicit TagWriter(Dialect dialect) : d_(dialect) {}

  void text(int code, std::string_view value);
  void real(int code, double value);
  void integer(int code, std::int64_t value);  // in the binary width the code's type has
  void handle(int code, std::uint64_t value);  // upper-case hex text
  void point(int code, double x, double y, double z);

  const std::string& bytes() const { return out_; }
  std::string take() { return std::move(out_); }
  void reserve(std::size_t bytes) { out_.reserve(bytes); }

 private:
  void code(int code);
  void line(std::string_view value);
  void asciiTag(int code, std::string_view value);
  Dialect d_;
  std::string out_;
};

// The shortest decimal text that reads back as exactly `value` ("1.5", "0.1", "1e+300"); always
// with a decimal point or an exponent, as DXF readers expect of a real.
std::string formatReal(double value);
// The same into `buf`; gives its length.
std::size_t formatRealInto(char (&buf)[32], double value);

}  // namespace dxf
