#include "app/Utf8.h"

namespace app {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsScalarValue(char32_t c) { return c < 0xD800 || (c > 0xDFFF && c <= 0x10FFFF); }

// Length of the sequence that `lead` starts and the bits it contributes; 0 for a bad lead byte.
int SequenceLength(unsigned char lead, char32_t& bits) {
  if (lead < 0x80) return bits = lead, 1;
  if ((lead & 0xE0) == 0xC0) return bits = lead & 0x1F, 2;
  if ((lead & 0xF0) == 0xE0) return bits = lead & 0x0F, 3;
  if ((lead & 0xF8) == 0xF0) return bits = lead & 0x07, 4;
  return 0;
}

// Smallest code point that needs `length` bytes, to refuse overlong forms.
char32_t Minimum(int length) {
  constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
  return kMinimum[length];
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
    return;
  }
  const int length = c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
  constexpr unsigned char kLead[] = {0, 0, 0xC0, 0xE0, 0xF0};
  out += static_cast<char>(kLead[length] | (c >> (6 * (length - 1))));
  for (int i = length - 2; i >= 0; --i) out += static_cast<char>(0x80 | ((c >> (6 * i)) & 0x3F));
}

}  // namespace

std::optional<std::wstring> DecodeUtf8(std::string_view utf8) {
  std::wstring wide;
  for (size_t i = 0; i < utf8.size();) {
    char32_t c = 0;
    const int length = SequenceLength(static_cast<unsigned char>(utf8[i]), c);
    if (length == 0 || i + length > utf8.size()) return std::nullopt;
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + k]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      c = (c << 6) | (next & 0x3F);
    }
    if (c < Minimum(length) || !IsScalarValue(c)) return std::nullopt;
    wide += static_cast<wchar_t>(c);
    i += length;
  }
  return wide;
}

std::string EncodeUtf8(std::wstring_view wide) {
  std::string utf8;
  utf8.reserve(wide.size());
  for (const wchar_t unit : wide) {
    const auto c = static_cast<char32_t>(unit);
    AppendUtf8(utf8, IsScalarValue(c) ? c : kReplacement);
  }
  return utf8;
}

std::wstring AsciiUpper(std::wstring_view text) {
  std::wstring upper(text);
  for (wchar_t& c : upper) {
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
  }
  return upper;
}

}  // namespace app
