// ON_wString: an owned wide-character string (wchar_t, 4 bytes here: UTF-32).
#pragma once

#include <string>

class ON_wString {
 public:
  ON_wString() = default;
  // Null or "" give the empty string; otherwise a copy of wcslen(s) characters.
  ON_wString(const wchar_t* s);  // NOLINT(google-explicit-constructor)
  ON_wString(const wchar_t* s, int length);
  explicit ON_wString(const std::wstring& s);

  ON_wString& operator=(const wchar_t* s);
  bool operator==(const ON_wString& other) const;
  bool operator!=(const ON_wString& other) const;
  bool operator==(const wchar_t* other) const;
  wchar_t operator[](int i) const;  // asserts 0 <= i < Length()

  int Length() const;
  bool IsEmpty() const;
  void Empty();
  // Never null; the empty string is L"".
  const wchar_t* Array() const;
  operator const wchar_t*() const;  // NOLINT(google-explicit-constructor)
  const std::wstring& Str() const;

 private:
  std::wstring m_s;
};
