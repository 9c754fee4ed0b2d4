// HostBackend: the window-system backend of the batch host. Nobody sits at a screen, so every
// window is answered from a DialogAnswers source (the command-line flags or a script):
//
// - The save-file dialog takes the answer's path, or is cancelled.
// - "Confirm Save As" (the file exists) is answered Yes when the answer named the file itself,
//   else No, which is shown on the command line; the file dialog then asks again, and a second
//   answer is only given by a source that has one.
// - The dialog "Quorlex Options" is played as a person would: the clicks that make its controls
//   match the answer's OptionFlags (PlanOptionsDialog), then OK; or Cancel.
// - Any other dialog is shown on the command line (caption and texts) and closed with Enter.
// - Other message boxes are shown on the command line as "<caption>: <text>" and answered with
//   their first button, as a person pressing Enter would.
// A dialog that cannot be played as planned throws ui::ScriptError naming the control.
#pragma once

#include <optional>
#include <string>

#include "app/CommandLineOutput.h"
#include "app/OptionFlags.h"
#include "ui/backend.h"

namespace app {

inline constexpr wchar_t kOptionsDialogCaption[] = L"Quorlex Options";
// The framework's overwrite question after the save-file dialog.
inline constexpr wchar_t kConfirmSaveCaption[] = L"Confirm Save As";

class DialogAnswers {
 public:
  virtual ~DialogAnswers() = default;
  // The file to choose, or nothing to cancel.
  virtual std::optional<std::wstring> SaveFile(const ui::FileDialogRequest& request) = 0;
  // Whether the file just chosen may be replaced.
  virtual bool ReplaceExisting() = 0;
  // The options to set before OK, or nothing to cancel.
  virtual std::optional<OptionFlags> Options() = 0;
};

class HostBackend : public ui::Backend {
 public:
  HostBackend(CommandLineOutput& output, DialogAnswers& answers)
      : output_(output), answers_(answers) {}

  bool RunModal(ui::DialogModel& dialog, ui::DialogEvents& events) override;
  ui::Answer ShowMessageBox(const ui::MessageBoxRequest& request) override;
  std::optional<std::wstring> ShowFileDialog(const ui::FileDialogRequest& request) override;

 private:
  CommandLineOutput& output_;
  DialogAnswers& answers_;
};

}  // namespace app
