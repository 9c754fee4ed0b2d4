// OdString: the runtime's text type. Holds wide text (wchar_t, one code point per element on this
// platform); may be built from narrow text in a code page, which is converted on syncUnicode() or
// on the first read of the wide buffer.
#pragma once

#include <string>
#include <string_view>

#include "OdaCommon.h"

class OdString {
 public:
  static const OdString kEmpty;

  OdString() = default;
  OdString(const wchar_t* text);  // NOLINT: implicit as on the host; null gives the empty text
  OdString(const wchar_t* text, int length);
  OdString(std::wstring text);  // NOLINT
  // Narrow text in the given code page (CP_ANSI_1252 and CP_8859_1 map bytes to code points,
  // CP_UTF_8 decodes UTF-8, invalid sequences becoming U+FFFD; others are read as CP_ANSI_1252).
  OdString(const char* text, OdCodePageId codePage = CP_ANSI_1252);  // NOLINT
  OdString(const OdString&);
  OdString(OdString&&) noexcept;
  OdString& operator=(const OdString&);
  OdString& operator=(OdString&&) noexcept;
  ~OdString();

  static OdString fromUtf8(std::string_view utf8);
  std::string toUtf8() const;

  // Makes the wide buffer current for text that was given narrow. Reading c_str() does the same,
  // so no caller ever sees stale wide text; calling it on wide text does nothing.
  OdString& syncUnicode();
  const wchar_t* c_str() const { return wide().c_str(); }
  operator const wchar_t*() const { return c_str(); }  // NOLINT: as on the host
  const std::wstring& wide() const {
    if (m_narrowPending) syncWide();
    return m_wide;
  }

  int getLength() const;
  bool isEmpty() const;
  wchar_t getAt(int index) const;  // throws OdError_InvalidIndex outside 0..getLength()-1

  // printf-style, with the host's wide-format rules: %s and %c take wide arguments
  // (const wchar_t*, wchar_t); %hs / %hc take narrow ones; %ls / %lc as in C.
  OdString& format(const wchar_t* fmt, ...);
  static OdString formatted(const wchar_t* fmt, ...);

  int compare(const OdString& other) const;
  int compare(const wchar_t* other) const;
  bool equals(const wchar_t* other) const;    // null is the empty text
  int iCompare(const OdString& other) const;  // case-insensitive (simple case folding)
  OdString& makeUpper();
  OdString& makeLower();
  OdString mid(int first, int count = -1) const;
  int find(wchar_t ch, int start = 0) const;

  OdString& operator+=(const OdString& other);
  OdString& operator+=(wchar_t ch);
  friend OdString operator+(const OdString& a, const OdString& b);

  friend bool operator==(const OdString& a, const OdString& b) { return a.compare(b) == 0; }
  // Lengths first, then the elements: class names are compared for every entity walked, and a
  // literal's length is known to the compiler. Same result as equals().
  friend bool operator==(const OdString& a, const wchar_t* b) {
    return std::wstring_view(a.wide()) == (b ? std::wstring_view(b) : std::wstring_view());
  }
  friend bool operator<(const OdString& a, const OdString& b) { return a.compare(b) < 0; }

 private:
  void syncWide() const;

  mutable std::wstring m_wide;
  mutable std::string m_narrow;  // pending narrow text, converted on first wide read
  OdCodePageId m_codePage = CP_UNDEFINED;
  mutable bool m_narrowPending = false;
};
