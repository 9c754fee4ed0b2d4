// The window-system backend seam: every dialog, message box and file dialog that the framework
// shows goes through the one backend installed in the process. Backends: ScriptedBackend (plays
// a list of actions, for tests and for the host program's command-line flags) and, later, a
// terminal backend. With no backend installed nothing can be shown: modal dialogs fail to open,
// message boxes fail and file dialogs are cancelled.
#pragma once

#include <optional>
#include <string>

#include "ui/dialog_events.h"
#include "ui/dialog_model.h"

namespace ui {

enum class MessageIcon { None, Error, Question, Warning, Information };
enum class MessageButtons { Ok, OkCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };
// The numbers are the window system's button results, so the framework passes them on unchanged.
enum class Answer {
  Failed = 0,
  Ok = 1,
  Cancel = 2,
  Abort = 3,
  Retry = 4,
  Ignore = 5,
  Yes = 6,
  No = 7
};

struct MessageBoxRequest {
  std::wstring text;
  std::wstring caption;
  MessageIcon icon = MessageIcon::None;
  MessageButtons buttons = MessageButtons::Ok;
  std::wstring owner;  // caption of the owner window, empty when none
};

// The first button of a set of buttons: the one a box answers with when a person just confirms.
Answer FirstButton(MessageButtons buttons);
bool IsOneOf(Answer answer, MessageButtons buttons);

struct FileDialogRequest {
  bool save = true;
  std::wstring initialName;       // file name shown in the name field
  std::wstring defaultExtension;  // without the dot; the framework appends it
  std::wstring filter;            // "Description|pattern|Description|pattern||"
  bool overwritePrompt = false;   // the framework asks before an existing file is chosen
  std::wstring owner;
};

class Backend {
 public:
  virtual ~Backend() = default;
  // Runs a modal loop on `dialog` until dialog.ended is set (by the owner through the events) and
  // returns true; false when the dialog cannot be shown at all.
  virtual bool RunModal(DialogModel& dialog, DialogEvents& events) = 0;
  virtual Answer ShowMessageBox(const MessageBoxRequest& request) = 0;
  // The chosen path as the person gave it, or nothing when the dialog was cancelled.
  virtual std::optional<std::wstring> ShowFileDialog(const FileDialogRequest& request) = 0;
};

// Installs `backend` for the whole process (null removes it) and returns the one it replaces. The
// caller keeps ownership and must keep it alive while installed.
Backend* SetBackend(Backend* backend);
Backend* CurrentBackend();

// Installs a backend for one scope and puts the previous one back.
class ScopedBackend {
 public:
  explicit ScopedBackend(Backend* backend) : previous_(SetBackend(backend)) {}
  ~ScopedBackend() { SetBackend(previous_); }
  ScopedBackend(const ScopedBackend&) = delete;
  ScopedBackend& operator=(const ScopedBackend&) = delete;

 private:
  Backend* previous_;
};

}  // namespace ui
