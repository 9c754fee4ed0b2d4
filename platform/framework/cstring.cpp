#include <cassert>
#include <cstdarg>
#include <cwchar>
#include <cwctype>
#include <vector>

#include "afxstr.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsScalar(char32_t c) { return c < 0x110000 && (c < 0xD800 || c > 0xDFFF); }

void AppendUtf8(std::string& out, char32_t c) {
  if (!IsScalar(c)) c = kReplacement;
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

// Length of the UTF-8 sequence that starts with `lead` and the bits it carries; 0 when invalid.
int SequenceLength(unsigned char lead, char32_t& bits) {
  if (lead < 0x80) return bits = lead, 1;
  if (lead >= 0xC2 && lead <= 0xDF) return bits = lead & 0x1F, 2;
  if (lead >= 0xE0 && lead <= 0xEF) return bits = lead & 0x0F, 3;
  if (lead >= 0xF0 && lead <= 0xF4) return bits = lead & 0x07, 4;
  return 0;
}

// Decodes one scalar at `i`, advancing it; false (and one byte consumed) when invalid.
bool DecodeOne(const std::string& text, std::size_t& i, char32_t& c) {
  int length = SequenceLength(static_cast<unsigned char>(text[i]), c);
  if (length == 0 || i + static_cast<std::size_t>(length) > text.size()) return ++i, false;
  for (int k = 1; k < length; ++k) {
    auto byte = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
    if ((byte & 0xC0) != 0x80) return ++i, false;
    c = (c << 6) | (byte & 0x3F);
  }
  static constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < kMinimum[length] || !IsScalar(c)) return ++i, false;
  i += static_cast<std::size_t>(length);
  return true;
}

// Rewrites a format written for the Windows wide printf family (%s and %c wide, %S and %C or
// %hs and %hc narrow, %I64d) into the C library's (%ls, %lc, %s, %c, %lld).
std::wstring PortableFormat(const wchar_t* format) {
  std::wstring out;
  for (const wchar_t* p = format; *p; ++p) {
    out += *p;
    if (*p != L'%') continue;
    if (p[1] == L'%') {
      out += *++p;
      continue;
    }
    while (p[1] && std::wcschr(L"-+ #0123456789.*", p[1])) out += *++p;
    std::wstring length;
    while (p[1] && std::wcschr(L"hlLzjtwI", p[1])) {
      if (p[1] == L'I' && p[2] == L'6' && p[3] == L'4') {
        length += L"ll";
        p += 3;
      } else if (p[1] == L'I' && p[2] == L'3' && p[3] == L'2') {
        p += 3;
      } else {
        length += (p[1] == L'w' ? L'l' : p[1]);
        ++p;
      }
    }
    wchar_t conversion = p[1];
    if (!conversion) break;
    ++p;
    bool textual =
        conversion == L's' || conversion == L'c' || conversion == L'S' || conversion == L'C';
    if (!textual) {
      out += length + conversion;
      continue;
    }
    bool narrow = length == L"h" || (length.empty() && (conversion == L'S' || conversion == L'C'));
    wchar_t lower =
        (conversion == L'S' || conversion == L'C') ? wchar_t(conversion + 32) : conversion;
    out += (narrow ? std::wstring() : std::wstring(L"l")) + lower;
  }
  return out;
}

std::wstring FormatV(const wchar_t* format, va_list args) {
  if (!format) return {};
  std::wstring portable = PortableFormat(format);
  std::vector<wchar_t> buffer(256);
  while (buffer.size() <= (std::size_t(1) << 24)) {
    va_list copy;
    va_copy(copy, args);
    int written = std::vswprintf(buffer.data(), buffer.size(), portable.c_str(), copy);
    va_end(copy);
    if (written >= 0) return std::wstring(buffer.data(), static_cast<std::size_t>(written));
    buffer.resize(buffer.size() * 4);
  }
  return {};
}

}  // namespace

std::string WideToUtf8(const std::wstring& text) {
  std::string out;
  out.reserve(text.size());
  for (wchar_t c : text) AppendUtf8(out, static_cast<char32_t>(c));
  return out;
}

std::wstring Utf8ToWide(const std::string& text, bool* valid) {
  std::wstring out;
  bool allValid = true;
  for (std::size_t i = 0; i < text.size();) {
    char32_t c = 0;
    if (!DecodeOne(text, i, c)) {
      allValid = false;
      c = kReplacement;
    }
    out += static_cast<wchar_t>(c);
  }
  if (valid) *valid = allValid;
  return out;
}

CString::CString(const wchar_t* text) : text_(text ? text : L"") {}

CString::CString(const char* utf8) : text_(utf8 ? Utf8ToWide(utf8) : std::wstring()) {}

CString::CString(wchar_t ch, int repeat)
    : text_(static_cast<std::size_t>(repeat > 0 ? repeat : 0), ch) {}

CString::CString(const wchar_t* text, int length)
    : text_(text && length > 0 ? std::wstring(text, static_cast<std::size_t>(length))
                               : std::wstring()) {}

wchar_t CString::GetAt(int index) const {
  assert(index >= 0 && index < GetLength() && "CString::GetAt index out of range");
  return text_[static_cast<std::size_t>(index)];
}

CString& CString::operator=(const wchar_t* text) {
  text_ = text ? text : L"";
  return *this;
}

CString& CString::operator+=(const CString& other) {
  text_ += other.text_;
  return *this;
}

CString& CString::operator+=(const wchar_t* text) {
  if (text) text_ += text;
  return *this;
}

CString& CString::operator+=(wchar_t ch) {
  text_ += ch;
  return *this;
}

CString operator+(const CString& a, const CString& b) { return CString(a.text_ + b.text_); }

CString operator+(const CString& a, const wchar_t* b) {
  CString result(a);
  return result += b;
}

CString operator+(const wchar_t* a, const CString& b) {
  CString result(a);
  return result += b;
}

bool operator==(const CString& a, const wchar_t* b) { return a.text_ == (b ? b : L""); }

int CString::Compare(const wchar_t* other) const { return text_.compare(other ? other : L""); }

int CString::CompareNoCase(const wchar_t* other) const {
  const wchar_t* b = other ? other : L"";
  for (std::size_t i = 0;; ++i) {
    wint_t x = i < text_.size() ? std::towlower(static_cast<wint_t>(text_[i])) : 0;
    wint_t y = std::towlower(static_cast<wint_t>(b[i]));
    if (x != y) return x < y ? -1 : 1;
    if (x == 0) return 0;
  }
}

int CString::Find(wchar_t ch, int start) const {
  if (start < 0 || start > GetLength()) return -1;
  auto at = text_.find(ch, static_cast<std::size_t>(start));
  return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::Find(const wchar_t* sub, int start) const {
  if (!sub || start < 0 || start > GetLength()) return -1;
  auto at = text_.find(sub, static_cast<std::size_t>(start));
  return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(wchar_t ch) const {
  auto at = text_.rfind(ch);
  return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

CString CString::Left(int count) const {
  count = count < 0 ? 0 : (count > GetLength() ? GetLength() : count);
  return CString(text_.substr(0, static_cast<std::size_t>(count)));
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const {
  first = first < 0 ? 0 : (first > GetLength() ? GetLength() : first);
  count = count < 0 ? 0 : (count > GetLength() - first ? GetLength() - first : count);
  return CString(text_.substr(static_cast<std::size_t>(first), static_cast<std::size_t>(count)));
}

CString CString::Right(int count) const {
  count = count < 0 ? 0 : (count > GetLength() ? GetLength() : count);
  return CString(text_.substr(static_cast<std::size_t>(GetLength() - count)));
}

void CString::Format(const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  text_ = FormatV(format, args);
  va_end(args);
}

void CString::AppendFormat(const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  text_ += FormatV(format, args);
  va_end(args);
}

int swprintf_s(wchar_t* buffer, std::size_t count, const wchar_t* format, ...) {
  if (!buffer || count == 0) return -1;
  va_list args;
  va_start(args, format);
  std::wstring text = FormatV(format, args);
  va_end(args);
  if (text.size() >= count) {
    buffer[0] = L'\0';
    return -1;
  }
  std::wmemcpy(buffer, text.c_str(), text.size() + 1);
  return static_cast<int>(text.size());
}
