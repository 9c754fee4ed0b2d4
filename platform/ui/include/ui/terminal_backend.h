// TerminalBackend: the window-system backend for a person at a character terminal, drawn with
// ncurses. Dialog boxes are laid out from their templates (ui/terminal_layout.h) and driven by
// the keyboard rules of ui/dialog_keys.h and the mouse where the terminal reports it; disabled
// controls are drawn dim, the focused one in reverse video, the default button bold. Message
// boxes are framed boxes with their caption, an icon mark and their buttons. The save-file dialog
// is a framed path field holding the offered name, with Tab completing folder and file names.
//
// The screen is taken over while the first window opens and given back to the command line when
// the last one closes; a box opened from inside a dialog is drawn over it. With no usable
// terminal (standard input or output not a terminal, TERM unknown) nothing can be shown: modal
// dialogs fail to open, message boxes fail and file dialogs are cancelled.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/backend.h"

namespace ui {

class TerminalBackend : public Backend {
 public:
  TerminalBackend() = default;
  ~TerminalBackend() override;
  TerminalBackend(const TerminalBackend&) = delete;
  TerminalBackend& operator=(const TerminalBackend&) = delete;

  bool RunModal(DialogModel& dialog, DialogEvents& events) override;
  Answer ShowMessageBox(const MessageBoxRequest& request) override;
  std::optional<std::wstring> ShowFileDialog(const FileDialogRequest& request) override;

 private:
  // Takes the screen over on the first call; false when there is no usable terminal.
  bool Enter();
  void Leave();
  void DrawOpenDialogs() const;

  std::vector<const DialogModel*> open_;  // modal dialogs, innermost last
  int depth_ = 0;
  bool started_ = false;
  bool failed_ = false;
};

// The mark a message box shows for its icon: "(X)", "(?)", "(!)", "(i)", or nothing.
std::wstring IconMark(MessageIcon icon);
// The buttons of a set, left to right, and their captions ("OK", "Cancel", "Yes", ...).
std::vector<Answer> ButtonsOf(MessageButtons buttons);
std::wstring ButtonCaption(Answer answer);

// Tab completion of a path as typed: the longest common extension of the names in its folder
// that start with its last part, with "/" after a single folder. Returns `typed` unchanged when
// nothing matches; `candidates` (if given) receives the matching names, sorted.
std::string CompletePath(const std::string& typed, std::vector<std::string>* candidates = nullptr);

}  // namespace ui
