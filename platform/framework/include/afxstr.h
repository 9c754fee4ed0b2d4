// CString, the framework's wide string (wchar_t, UTF-32 on Linux), and the UTF-8 conversions
// CW2A and CA2W used where text crosses to the operating system. Format follows the Windows
// conventions for wide formats: %s and %c take wide arguments, %S and %C narrow ones.
#pragma once

#include <string>

#include "windows.h"

class CString {
 public:
  CString() = default;
  CString(const wchar_t* text);  // NOLINT: implicit as in the framework; null gives empty
  CString(const char* utf8);     // NOLINT: UTF-8; null gives empty
  CString(wchar_t ch, int repeat = 1);
  CString(const wchar_t* text, int length);
  explicit CString(std::wstring text) : text_(std::move(text)) {}

  const wchar_t* GetString() const { return text_.c_str(); }
  operator const wchar_t*() const { return text_.c_str(); }  // NOLINT: as in the framework
  int GetLength() const { return static_cast<int>(text_.size()); }
  bool IsEmpty() const { return text_.empty(); }
  void Empty() { text_.clear(); }
  wchar_t GetAt(int index) const;
  const std::wstring& str() const { return text_; }

  CString& operator=(const wchar_t* text);
  CString& operator+=(const CString& other);
  CString& operator+=(const wchar_t* text);
  CString& operator+=(wchar_t ch);
  friend CString operator+(const CString& a, const CString& b);
  friend CString operator+(const CString& a, const wchar_t* b);
  friend CString operator+(const wchar_t* a, const CString& b);
  friend bool operator==(const CString& a, const CString& b) { return a.text_ == b.text_; }
  friend bool operator==(const CString& a, const wchar_t* b);
  friend bool operator<(const CString& a, const CString& b) { return a.text_ < b.text_; }

  int Compare(const wchar_t* other) const;
  int CompareNoCase(const wchar_t* other) const;
  int Find(wchar_t ch, int start = 0) const;
  int Find(const wchar_t* sub, int start = 0) const;
  int ReverseFind(wchar_t ch) const;
  CString Left(int count) const;
  CString Mid(int first) const;
  CString Mid(int first, int count) const;
  CString Right(int count) const;

  // printf-style formatting with the framework's wide conventions (see the file comment). The
  // result replaces the string's contents.
  void Format(const wchar_t* format, ...);
  void AppendFormat(const wchar_t* format, ...);

 private:
  std::wstring text_;
};

// Formats into `buffer` (capacity `count` characters including the terminator) with the same
// wide conventions as CString::Format. Returns the characters written, or -1 (and an empty
// buffer) when the text does not fit or `buffer` is null or `count` is 0.
int swprintf_s(wchar_t* buffer, std::size_t count, const wchar_t* format, ...);

// UTF-8 text of a wide string. Invalid code points become U+FFFD.
std::string WideToUtf8(const std::wstring& text);
// Wide text of UTF-8; invalid sequences become U+FFFD. `valid` tells whether all of it was valid.
std::wstring Utf8ToWide(const std::string& text, bool* valid = nullptr);

class CW2A {
 public:
  explicit CW2A(const wchar_t* text) : utf8_(text ? WideToUtf8(text) : std::string()) {}
  operator const char*() const { return utf8_.c_str(); }  // NOLINT: as in the framework
  const std::string& str() const { return utf8_; }

 private:
  std::string utf8_;
};

class CA2W {
 public:
  explicit CA2W(const char* text) : wide_(text ? Utf8ToWide(text) : std::wstring()) {}
  operator const wchar_t*() const { return wide_.c_str(); }  // NOLINT: as in the framework

 private:
  std::wstring wide_;
};
