// Handles as hexadecimal text.
#include "DbHandle.h"

#include <cstdio>

#include "OdError.h"

namespace {

int code(char ch) { return static_cast<unsigned char>(ch); }
int code(wchar_t ch) { return static_cast<int>(ch); }

int hexDigit(int ch) {
  if (ch >= L'0' && ch <= L'9') return ch - L'0';
  if (ch >= L'a' && ch <= L'f') return ch - L'a' + 10;
  if (ch >= L'A' && ch <= L'F') return ch - L'A' + 10;
  return -1;
}

template <class Text>
bool parseHex(const Text& text, OdUInt64& value) {
  if (text.empty() || text.size() > 16) return false;
  OdUInt64 result = 0;
  for (auto ch : text) {
    int digit = hexDigit(code(ch));
    if (digit < 0) return false;
    result = (result << 4) | static_cast<OdUInt64>(digit);
  }
  value = result;
  return true;
}

}  // namespace

OdDbHandle::OdDbHandle(const OdString& hex) {
  std::wstring_view text(hex.c_str());
  OdUInt64 value = 0;
  if (!parseHex(text, value)) {
    throw OdError(eInvalidInput, OdString(L"\"") + hex + L"\" is not a handle (hexadecimal text)");
  }
  m_value = value;
}

bool OdDbHandle::parse(std::string_view hex, OdDbHandle& out) {
  OdUInt64 value = 0;
  if (!parseHex(hex, value)) return false;
  out = OdDbHandle(value);
  return true;
}

std::string OdDbHandle::asciiNarrow() const {
  char buffer[20];
  std::snprintf(buffer, sizeof buffer, "%llX", static_cast<unsigned long long>(m_value));
  return buffer;
}

OdString OdDbHandle::ascii() const { return OdString(asciiNarrow().c_str(), CP_ASCII); }
