#include "host/ProductTitle.h"

#include <cwchar>
#include <cwctype>
#include <string>

#include "sds.h"

namespace {

constexpr const wchar_t* kHostNames[] = {L"Bricscad ????", L"Bricscad 8", L"Bricscad 9",
                                         L"Bricscad 10", L"Bricscad 11"};
constexpr int kHostNameCount = sizeof(kHostNames) / sizeof(kHostNames[0]);
constexpr int kFirstKnownRelease = 8;

// One module-wide buffer, as the title is handed around as a plain wide C string.
wchar_t g_productTitle[256] = L"";

// The text value of a system variable, or empty when it cannot be read or is not text.
std::wstring ReadTextVariable(const wchar_t* name) {
  resbuf* buffer = sds_newrb(RTSTR);
  if (buffer == nullptr) return {};
  std::wstring text;
  if (sds_getvar(name, buffer) == RTNORM && buffer->restype == RTSTR &&
      buffer->resval.rstring != nullptr)
    text = buffer->resval.rstring;
  sds_relrb(buffer);
  return text;
}

// The leading decimal integer: white space and a sign allowed, 0 when there is none. Digits past
// the range of int saturate rather than overflow.
long LeadingInteger(const std::wstring& text) {
  std::size_t i = 0;
  while (i < text.size() && std::iswspace(static_cast<wint_t>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  long value = 0;
  for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
    if (value < 100000) value = value * 10 + (text[i] - L'0');
  }
  return negative ? -value : value;
}

}  // namespace

int HostVersionIndex() {
  const long release = LeadingInteger(ReadTextVariable(L"_VERNUM"));
  const long index = release - kFirstKnownRelease + 1;
  return (index >= 1 && index < kHostNameCount) ? static_cast<int>(index) : 0;
}

const wchar_t* HostName(int index) {
  return (index >= 0 && index < kHostNameCount) ? kHostNames[index] : kHostNames[0];
}

void BuildProductTitle() {
  std::swprintf(g_productTitle, sizeof(g_productTitle) / sizeof(g_productTitle[0]),
                L"%ls %ls version %d.%d", L"Quorlex for", HostName(HostVersionIndex()), 1, 0);
}

const wchar_t* ProductTitle() { return g_productTitle; }
