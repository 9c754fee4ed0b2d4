// Conversions between the UTF-8 of the command line, files and terminal, and the wide (UTF-32)
// text of the runtime and the framework.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace app {

// Nothing when `utf8` is not well-formed UTF-8 (overlong forms and surrogates included).
std::optional<std::wstring> DecodeUtf8(std::string_view utf8);
// Code units that are no Unicode scalar value become U+FFFD.
std::string EncodeUtf8(std::wstring_view wide);

// ASCII letters upper-cased, everything else unchanged.
std::wstring AsciiUpper(std::wstring_view text);

}  // namespace app
