#include "export/PrintMessage.h"

#include <cstdarg>
#include <cwchar>
#include <vector>

namespace {

// vswprintf cannot say how long its result would be, only that it did not fit (-1), which it
// also says for a format it rejects; so the buffer grows up to a bound that no message reaches.
constexpr std::size_t kFirstSize = 256;
constexpr std::size_t kLargestSize = std::size_t{1} << 22;

bool FormatInto(std::vector<wchar_t>& buffer, const wchar_t* format, va_list args) {
  va_list copy;
  va_copy(copy, args);
  const int written = std::vswprintf(buffer.data(), buffer.size(), format, copy);
  va_end(copy);
  return written >= 0;
}

}  // namespace

void PrintMessage(OdEdUserIO* userIO, const wchar_t* format, ...) {
  std::vector<wchar_t> buffer(kFirstSize);
  va_list args;
  va_start(args, format);
  bool formatted = FormatInto(buffer, format, args);
  while (!formatted && buffer.size() < kLargestSize) {
    buffer.resize(buffer.size() * 2);
    formatted = FormatInto(buffer, format, args);
  }
  va_end(args);
  if (formatted) userIO->putString(OdString(buffer.data()));
}
