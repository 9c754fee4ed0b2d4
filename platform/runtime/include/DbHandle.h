// OdDbHandle: an object's 64-bit handle, unique and never reused within one drawing. DXF writes
// handles as hexadecimal text (group code 5, 105, 330 ...).
#pragma once

#include <string_view>

#include "OdString.h"

class OdDbHandle {
 public:
  OdDbHandle() = default;
  OdDbHandle(OdUInt64 value) : m_value(value) {}  // NOLINT
  // Hexadecimal text, upper or lower case, at most 16 digits; anything else throws
  // OdError(eInvalidInput) naming the text.
  explicit OdDbHandle(const OdString& hex);

  // Parses hexadecimal text; false (and out unchanged) for empty, over-long or non-hex text.
  static bool parse(std::string_view hex, OdDbHandle& out);

  bool isNull() const { return m_value == 0; }
  OdUInt64 value() const { return m_value; }
  operator OdUInt64() const { return m_value; }  // NOLINT
  // Upper-case hexadecimal without leading zeros ("0" for the null handle), as DXF writes it.
  OdString ascii() const;
  std::string asciiNarrow() const;
  OdDbHandle& operator++() {
    ++m_value;
    return *this;
  }

 private:
  OdUInt64 m_value = 0;
};
