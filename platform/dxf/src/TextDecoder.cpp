#include "TextDecoder.h"

#include <iconv.h>

#include <array>
#include <cctype>
#include <charconv>
#include <string>
#include <utility>

namespace dxf {
namespace {

constexpr wchar_t kReplacement = 0xFFFD;

// One iconv descriptor into wchar_t; null when the code page is not available.
class Iconv {
 public:
  explicit Iconv(const std::string& from) {
    if (from.empty()) return;
    cd_ = ::iconv_open("WCHAR_T", from.c_str());
    if (cd_ == reinterpret_cast<iconv_t>(-1)) cd_ = nullptr;
  }
  ~Iconv() {
    if (cd_ != nullptr) ::iconv_close(cd_);
  }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;
  bool valid() const { return cd_ != nullptr; }

  // Appends the converted bytes; unconvertible bytes become U+FFFD, one per byte.
  void append(std::wstring& out, std::string_view in) const {
    ::iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::array<wchar_t, 256> chunk;
    char* src = const_cast<char*>(in.data());
    std::size_t left = in.size();
    while (left > 0) {
      char* dst = reinterpret_cast<char*>(chunk.data());
      std::size_t room = sizeof chunk;
      std::size_t r = ::iconv(cd_, &src, &left, &dst, &room);
      out.append(chunk.data(), (sizeof chunk - room) / sizeof(wchar_t));
      if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
        out += kReplacement;  // invalid or incomplete sequence: skip one byte
        ++src;
        --left;
        ::iconv(cd_, nullptr, nullptr, nullptr, nullptr);
      }
    }
  }

 private:
  iconv_t cd_ = nullptr;
};

struct PageName {
  std::string_view dxf;
  const char* iconv;
};

constexpr PageName kPages[] = {
    {"ANSI_874", "CP874"},
    {"ANSI_932", "CP932"},
    {"ANSI_936", "GBK"},
    {"ANSI_949", "CP949"},
    {"ANSI_950", "BIG5"},
    {"ANSI_1250", "CP1250"},
    {"ANSI_1251", "CP1251"},
    {"ANSI_1252", "CP1252"},
    {"ANSI_1253", "CP1253"},
    {"ANSI_1254", "CP1254"},
    {"ANSI_1255", "CP1255"},
    {"ANSI_1256", "CP1256"},
    {"ANSI_1257", "CP1257"},
    {"ANSI_1258", "CP1258"},
    {"ANSI_1361", "JOHAB"},
    {"DOS437", "IBM437"},
    {"DOS850", "IBM850"},
    {"DOS852", "IBM852"},
    {"DOS855", "IBM855"},
    {"DOS857", "IBM857"},
    {"DOS860", "IBM860"},
    {"DOS861", "IBM861"},
    {"DOS863", "IBM863"},
    {"DOS864", "IBM864"},
    {"DOS865", "IBM865"},
    {"DOS869", "IBM869"},
    {"DOS932", "CP932"},
    {"MAC-ROMAN", "MACINTOSH"},
    {"BIG5", "BIG5"},
    {"KSC5601", "CP949"},
    {"JOHAB", "JOHAB"},
    {"GB2312", "GBK"},
    {"ISO8859-1", "ISO-8859-1"},
    {"ISO8859-2", "ISO-8859-2"},
    {"ISO8859-5", "ISO-8859-5"},
    {"ISO8859-7", "ISO-8859-7"},
    {"ASCII", "CP1252"},
};

// The code pages of the "\M+n" escape, by n.
constexpr const char* kMultiBytePages[] = {nullptr, "CP932", "BIG5", "CP949", "JOHAB", "GBK"};

std::string upper(std::string_view s) {
  std::string u(s);
  for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return u;
}

bool isAscii(std::string_view s) {
  for (char c : s) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// Decodes one UTF-8 sequence at s[i]; advances i. Broken sequences give U+FFFD for one byte.
wchar_t nextUtf8(std::string_view s, std::size_t& i) {
  auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  unsigned lead = b(i);
  if (lead < 0x80) return static_cast<wchar_t>(s[i++]);
  int n = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  if (n == 0 || lead > 0xF4 || i + n >= s.size()) {
    ++i;
    return kReplacement;
  }
  char32_t cp = lead & (0x3F >> n);
  for (int k = 1; k <= n; ++k) {
    if ((b(i + k) & 0xC0) != 0x80) {
      ++i;
      return kReplacement;
    }
    cp = (cp << 6) | (b(i + k) & 0x3F);
  }
  static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
  if (cp < kMin[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++i;
    return kReplacement;
  }
  i += n + 1;
  return static_cast<wchar_t>(cp);
}

// Parses exactly four hex digits.
bool hex4(std::string_view s, unsigned& v) {
  if (s.size() < 4) return false;
  auto [p, ec] = std::from_chars(s.data(), s.data() + 4, v, 16);
  return ec == std::errc() && p == s.data() + 4;
}

}  // namespace

struct TextDecoder::Converters {
  explicit Converters(const std::string& page) : page(page) {}
  Iconv page;
  mutable std::unique_ptr<Iconv> multi[6];
};

std::string TextDecoder::iconvName(std::string_view dwgCodePage) {
  std::string u = upper(dwgCodePage);
  for (const PageName& p : kPages) {
    if (p.dxf == u) return p.iconv;
  }
  return {};
}

TextDecoder::TextDecoder(bool utf8, std::string_view codePage) : utf8_(utf8) {
  std::string name = iconvName(codePage);
  conv_ = std::make_unique<Converters>(name.empty() ? "CP1252" : name);
}

TextDecoder::~TextDecoder() = default;
TextDecoder::TextDecoder(TextDecoder&&) noexcept = default;
TextDecoder& TextDecoder::operator=(TextDecoder&&) noexcept = default;

void TextDecoder::appendRun(std::wstring& out, std::string_view bytes) const {
  if (bytes.empty()) return;
  if (isAscii(bytes)) {
    out.append(bytes.begin(), bytes.end());
    return;
  }
  if (utf8_) {
    for (std::size_t i = 0; i < bytes.size();) out += nextUtf8(bytes, i);
    return;
  }
  if (!conv_->page.valid()) {
    for (char c : bytes) out += static_cast<unsigned char>(c) < 0x80 ? wchar_t(c) : kReplacement;
    return;
  }
  conv_->page.append(out, bytes);
}

void TextDecoder::appendMultiByte(std::wstring& out, int page, std::string_view twoBytes) const {
  auto& conv = conv_->multi[page];
  if (!conv) conv = std::make_unique<Iconv>(kMultiBytePages[page]);
  if (!conv->valid()) {
    out += kReplacement;
    return;
  }
  conv->append(out, twoBytes);
}

std::wstring TextDecoder::decode(std::string_view bytes) const {
  std::wstring out;
  out.reserve(bytes.size());
  std::size_t runStart = 0;
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
    if (bytes[i] != '\\') continue;
    std::string_view rest = bytes.substr(i);
    unsigned v = 0;
    if (rest.size() >= 7 && (rest[1] == 'U' || rest[1] == 'u') && rest[2] == '+' &&
        hex4(rest.substr(3), v)) {
      appendRun(out, bytes.substr(runStart, i - runStart));
      out += static_cast<wchar_t>(v);
      runStart = i + 7;
      i += 6;
      continue;
    }
    if (rest.size() >= 8 && (rest[1] == 'M' || rest[1] == 'm') && rest[2] == '+' &&
        rest[3] >= '1' && rest[3] <= '5' && hex4(rest.substr(4), v)) {
      appendRun(out, bytes.substr(runStart, i - runStart));
      const char two[2] = {static_cast<char>(v >> 8), static_cast<char>(v & 0xFF)};
      appendMultiByte(out, rest[3] - '0', std::string_view(two, 2));
      runStart = i + 8;
      i += 7;
    }
  }
  appendRun(out, bytes.substr(runStart));
  return out;
}

}  // namespace dxf
