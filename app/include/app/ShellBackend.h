// ShellBackend: how the interactive shell shows windows.
//
// At a terminal the ui::TerminalBackend draws dialogs, message boxes and the save-file dialog.
// With the system variable FILEDIA at 0 the save-file dialog is the command-line prompt
// "Enter file name <NAME>:" (an empty answer takes NAME) and its overwrite question is asked on
// the command line too, so that scripts can answer both. Without a terminal, questions (Yes/No
// boxes) are asked on the command line, other message boxes are shown there as
// "<caption>: <text>" and answered with their first button, and dialogs are shown by their texts
// and cancelled, since nobody can fill them in.
#pragma once

#include <optional>
#include <string>

#include "app/CommandLineOutput.h"
#include "app/ShellLineSource.h"
#include "ui/backend.h"
#include "ui/terminal_backend.h"

namespace app {

class ShellBackend : public ui::Backend {
 public:
  ShellBackend(CommandLineOutput& output, LineSource& lines, bool terminal)
      : output_(output), lines_(lines), terminal_(terminal) {}

  bool RunModal(ui::DialogModel& dialog, ui::DialogEvents& events) override;
  ui::Answer ShowMessageBox(const ui::MessageBoxRequest& request) override;
  std::optional<std::wstring> ShowFileDialog(const ui::FileDialogRequest& request) override;

 private:
  ui::Answer AskOnCommandLine(const ui::MessageBoxRequest& request);

  CommandLineOutput& output_;
  LineSource& lines_;
  bool terminal_;
  ui::TerminalBackend screen_;
};

// FILEDIA as the host's system variables hold it; 1 when it cannot be read.
int FileDialogSetting();

}  // namespace app
