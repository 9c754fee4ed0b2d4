// TextDecoder: turns the bytes of a DXF string value into wide text. Before R2007 (AC1021)
// strings are in the drawing's code page ($DWGCODEPAGE, e.g. "ANSI_1252", "ANSI_932",
// "MAC-ROMAN"); from R2007 on they are UTF-8. In both, "\U+XXXX" stands for one Unicode
// character and "\M+nXXXX" for a double-byte character of an East Asian code page (n = 1 Japanese,
// 2 Traditional Chinese, 3 Korean, 4 Johab, 5 Simplified Chinese).
//
// Decoding never fails: a byte that the code page does not map, or broken UTF-8, becomes
// U+FFFD, as CAD hosts show such text rather than refusing the drawing.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace dxf {

class TextDecoder {
 public:
  // `utf8` for R2007 and later; otherwise `codePage` is the $DWGCODEPAGE value (an unknown or
  // empty name means ANSI_1252, the default of the format).
  TextDecoder(bool utf8, std::string_view codePage);
  ~TextDecoder();
  TextDecoder(TextDecoder&&) noexcept;
  TextDecoder& operator=(TextDecoder&&) noexcept;

  std::wstring decode(std::string_view bytes) const;

  // The iconv name used for a $DWGCODEPAGE value ("CP1252" for "ANSI_1252"); empty when unknown.
  static std::string iconvName(std::string_view dwgCodePage);

 private:
  void appendRun(std::wstring& out, std::string_view bytes) const;
  void appendMultiByte(std::wstring& out, int page, std::string_view twoBytes) const;

  struct Converters;
  bool utf8_;
  std::unique_ptr<Converters> conv_;
};

}  // namespace dxf
