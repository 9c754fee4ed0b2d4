// PlanOptionsDialog: the clicks and keystrokes that turn the export options dialog, as it shows
// the stored options, into the state the command-line flags ask for, ending with OK.
//
// A person cannot change a disabled control, and the six extraction sub-options are disabled
// while "Extract and export point data from other objects" is cleared. So the plan sets the
// sub-options while Extract is checked: it checks Extract first when it is cleared and a
// sub-option must change, and clears it (when asked or when it was cleared before) only after
// the sub-options, whatever the order of the flags. "Other" is chosen before its one-character
// field is typed into, since choosing it enables the field.
#pragma once

#include <string>
#include <vector>

#include "app/OptionFlags.h"
#include "ui/dialog_model.h"

namespace app {

// The control ids of the options dialog's template.
namespace options_dialog {
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kPoints = 204;
inline constexpr int kExtract = 205;
inline constexpr int kEndPoints = 206;
inline constexpr int kMidPoints = 207;
inline constexpr int kCenterPoints = 208;
inline constexpr int kVertices = 209;
inline constexpr int kControlPoints = 210;
inline constexpr int kText = 211;
inline constexpr int kFormat = 212;
inline constexpr int kOtherText = 218;
inline constexpr int kFirstDelimiter = 219;  // Tab; Semicolon, Comma, Space, Other follow
inline constexpr int kCreatePoints = 224;

int ControlId(CheckOption option);
}  // namespace options_dialog

struct DialogAction {
  enum class Kind { kClick, kType, kChoose };
  Kind kind = Kind::kClick;
  int controlId = 0;
  std::wstring text;  // kType
  int index = -1;     // kChoose

  friend bool operator==(const DialogAction&, const DialogAction&) = default;
};

std::vector<DialogAction> PlanOptionsDialog(const ui::DialogModel& shown, const OptionFlags& flags);

}  // namespace app
