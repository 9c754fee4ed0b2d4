// OptionFlags: the states that the command line asks of the export options dialog's controls.
// Each field is unset when its flag was not given, so the control keeps what the dialog shows
// (the stored options).
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace app {

// The dialog's check boxes, in the order of the dialog.
enum class CheckOption {
  kPoints,
  kExtract,
  kEndPoints,
  kMidPoints,
  kCenterPoints,
  kControlPoints,
  kVertices,
  kText,
  kCreatePoints,
};
inline constexpr std::size_t kCheckOptionCount = 9;

// The check boxes that count only while Extract is checked (and are disabled otherwise).
bool IsExtractSubOption(CheckOption option);

// The flag's name without "--" / "--no-": "points", "end-points", ...
std::string_view FlagName(CheckOption option);

// Radio group "Delimiter", by index: 0 Tab ... 4 Other.
enum class DelimiterChoice { kTab = 0, kSemicolon = 1, kComma = 2, kSpace = 3, kOther = 4 };

// Drop-down list "Format", by index.
enum class CoordinateOrder { kXyz = 0, kYxz = 1 };

struct OptionFlags {
  std::array<std::optional<bool>, kCheckOptionCount> checks;
  std::optional<CoordinateOrder> format;
  std::optional<DelimiterChoice> delimiter;
  std::wstring otherText;  // what to type after choosing Other (at most one character)

  std::optional<bool>& Check(CheckOption option) {
    return checks[static_cast<std::size_t>(option)];
  }
  const std::optional<bool>& Check(CheckOption option) const {
    return checks[static_cast<std::size_t>(option)];
  }
};

}  // namespace app
