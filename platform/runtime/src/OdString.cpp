// Wide text with lazy conversion of narrow text, and printf-style formatting with the host's
// wide-format rules.
#include "OdString.h"

#include <cstdarg>
#include <cwchar>
#include <cwctype>
#include <vector>

#include "OdError.h"

namespace {

// Windows-1252 bytes 0x80..0x9F; the rest of the code page is Latin-1. Undefined bytes map to
// the C1 control of the same value, as Windows does.
constexpr wchar_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::wstring decodeSingleByte(const std::string& text, bool cp1252) {
  std::wstring out;
  out.reserve(text.size());
  for (unsigned char byte : text) {
    bool high = cp1252 && byte >= 0x80 && byte < 0xA0;
    out.push_back(high ? kCp1252High[byte - 0x80] : static_cast<wchar_t>(byte));
  }
  return out;
}

// Length of the UTF-8 sequence led by byte, or 0 for a byte that cannot lead one.
int utf8Length(unsigned char byte) {
  if (byte < 0x80) return 1;
  if (byte >= 0xC2 && byte < 0xE0) return 2;
  if (byte >= 0xE0 && byte < 0xF0) return 3;
  if (byte >= 0xF0 && byte < 0xF5) return 4;
  return 0;
}

// Decodes one sequence at text[i]; returns the code point or U+FFFD and advances i past what it
// consumed (one byte for an invalid sequence).
wchar_t decodeUtf8At(std::string_view text, size_t& i) {
  unsigned char lead = static_cast<unsigned char>(text[i]);
  int length = utf8Length(lead);
  if (length == 0 || i + length > text.size()) {
    ++i;
    return 0xFFFD;
  }
  static constexpr unsigned kLeadMask[5] = {0, 0x7F, 0x1F, 0x0F, 0x07};
  char32_t cp = lead & kLeadMask[length];
  for (int k = 1; k < length; ++k) {
    unsigned char next = static_cast<unsigned char>(text[i + k]);
    if ((next & 0xC0) != 0x80) {
      ++i;
      return 0xFFFD;
    }
    cp = (cp << 6) | (next & 0x3F);
  }
  static constexpr char32_t kMinimum[5] = {0, 0, 0x80, 0x800, 0x10000};
  i += length;
  bool invalid = cp < kMinimum[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF);
  return invalid ? 0xFFFD : static_cast<wchar_t>(cp);
}

void appendUtf8(std::string& out, char32_t cp) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

bool isConversion(wchar_t ch) { return std::wcschr(L"diouxXeEfFgGaAcspn%", ch) != nullptr; }

// Rewrites a host-style wide format for the C library: %s/%c become %ls/%lc, %hs/%hc become
// %s/%c; everything else passes unchanged.
std::wstring toCFormat(const wchar_t* fmt) {
  std::wstring out;
  for (const wchar_t* p = fmt; *p; ++p) {
    out.push_back(*p);
    if (*p != L'%') continue;
    const wchar_t* spec = p + 1;
    while (*spec && !isConversion(*spec) && *spec != L'h' && *spec != L'l') ++spec;
    std::wstring modifiers(p + 1, spec);
    bool narrow = *spec == L'h' && (spec[1] == L's' || spec[1] == L'c');
    if (narrow) ++spec;
    bool text = *spec == L's' || *spec == L'c';
    out += modifiers;
    if (text && !narrow) out.push_back(L'l');
    if (!*spec) break;
    out.push_back(*spec);
    p = spec;
  }
  return out;
}

std::wstring vformat(const wchar_t* fmt, va_list args) {
  if (!fmt) return {};
  std::wstring cfmt = toCFormat(fmt);
  std::vector<wchar_t> buffer(256);
  for (;;) {
    va_list copy;
    va_copy(copy, args);
    int written = std::vswprintf(buffer.data(), buffer.size(), cfmt.c_str(), copy);
    va_end(copy);
    if (written >= 0) return std::wstring(buffer.data(), static_cast<size_t>(written));
    if (buffer.size() >= (1u << 20)) {  // a million characters: the format is at fault
      throw OdError(eInvalidInput, L"OdString::format: the text is too long or malformed");
    }
    buffer.resize(buffer.size() * 4);
  }
}

}  // namespace

const OdString OdString::kEmpty;

OdString::OdString(const wchar_t* text) : m_wide(text ? text : L"") {}

OdString::OdString(const wchar_t* text, int length)
    : m_wide(text && length > 0 ? std::wstring(text, static_cast<size_t>(length)) : L"") {}

OdString::OdString(std::wstring text) : m_wide(std::move(text)) {}

OdString::OdString(const char* text, OdCodePageId codePage)
    : m_narrow(text ? text : ""), m_codePage(codePage), m_narrowPending(true) {}

OdString::OdString(const OdString& other) {
  other.syncWide();
  m_wide = other.m_wide;
}

OdString::OdString(OdString&& other) noexcept
    : m_wide(std::move(other.m_wide)),
      m_narrow(std::move(other.m_narrow)),
      m_codePage(other.m_codePage),
      m_narrowPending(other.m_narrowPending) {
  other.m_narrowPending = false;
}

OdString& OdString::operator=(const OdString& other) {
  if (this == &other) return *this;
  other.syncWide();
  m_wide = other.m_wide;
  m_narrow.clear();
  m_narrowPending = false;
  return *this;
}

OdString& OdString::operator=(OdString&& other) noexcept {
  m_wide = std::move(other.m_wide);
  m_narrow = std::move(other.m_narrow);
  m_codePage = other.m_codePage;
  m_narrowPending = other.m_narrowPending;
  other.m_narrowPending = false;
  return *this;
}

OdString::~OdString() = default;

void OdString::syncWide() const {
  if (!m_narrowPending) return;
  if (m_codePage == CP_UTF_8) {
    m_wide = fromUtf8(m_narrow).m_wide;
  } else {
    m_wide = decodeSingleByte(m_narrow, m_codePage != CP_8859_1);
  }
  m_narrow.clear();
  m_narrow.shrink_to_fit();
  m_narrowPending = false;
}

OdString OdString::fromUtf8(std::string_view utf8) {
  std::wstring out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) out.push_back(decodeUtf8At(utf8, i));
  return OdString(std::move(out));
}

std::string OdString::toUtf8() const {
  std::string out;
  for (wchar_t ch : wide()) appendUtf8(out, static_cast<char32_t>(ch));
  return out;
}

OdString& OdString::syncUnicode() {
  syncWide();
  return *this;
}

int OdString::getLength() const { return static_cast<int>(wide().size()); }

bool OdString::isEmpty() const { return m_narrowPending ? m_narrow.empty() : m_wide.empty(); }

wchar_t OdString::getAt(int index) const {
  if (index < 0 || index >= getLength()) throw OdError_InvalidIndex(index, getLength());
  return m_wide[static_cast<size_t>(index)];
}

OdString& OdString::format(const wchar_t* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  std::wstring text;
  try {
    text = vformat(fmt, args);
  } catch (...) {
    va_end(args);
    throw;
  }
  va_end(args);
  *this = OdString(std::move(text));
  return *this;
}

OdString OdString::formatted(const wchar_t* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  std::wstring text;
  try {
    text = vformat(fmt, args);
  } catch (...) {
    va_end(args);
    throw;
  }
  va_end(args);
  return OdString(std::move(text));
}

int OdString::compare(const OdString& other) const { return wide().compare(other.wide()); }

int OdString::compare(const wchar_t* other) const { return wide().compare(other ? other : L""); }

bool OdString::equals(const wchar_t* other) const {
  const std::wstring& text = wide();
  const wchar_t* p = other ? other : L"";
  for (size_t i = 0; i < text.size(); ++i) {
    if (p[i] == L'\0' || p[i] != text[i]) return false;  // an embedded zero never matches the end
  }
  return p[text.size()] == L'\0';
}

int OdString::iCompare(const OdString& other) const {
  const std::wstring& a = wide();
  const std::wstring& b = other.wide();
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
    wint_t ca = std::towlower(static_cast<wint_t>(a[i]));
    wint_t cb = std::towlower(static_cast<wint_t>(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

OdString& OdString::makeUpper() {
  syncWide();
  for (wchar_t& ch : m_wide) ch = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(ch)));
  return *this;
}

OdString& OdString::makeLower() {
  syncWide();
  for (wchar_t& ch : m_wide) ch = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(ch)));
  return *this;
}

OdString OdString::mid(int first, int count) const {
  const std::wstring& text = wide();
  if (first < 0) first = 0;
  if (static_cast<size_t>(first) >= text.size()) return {};
  size_t n = count < 0 ? std::wstring::npos : static_cast<size_t>(count);
  return OdString(text.substr(static_cast<size_t>(first), n));
}

int OdString::find(wchar_t ch, int start) const {
  if (start < 0) start = 0;
  size_t at = wide().find(ch, static_cast<size_t>(start));
  return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

OdString& OdString::operator+=(const OdString& other) {
  syncWide();
  m_wide += other.wide();
  return *this;
}

OdString& OdString::operator+=(wchar_t ch) {
  syncWide();
  m_wide.push_back(ch);
  return *this;
}

OdString operator+(const OdString& a, const OdString& b) {
  OdString result(a);
  result += b;
  return result;
}
