// ScriptedBackend: plays a prepared list of a person's actions against the modal dialogs that the
// program opens, answers message boxes and file dialogs from queues, and records what a person
// would have seen.
//
// Contract of a script:
// - Dialog actions form one queue, consumed in order by whichever modal dialog is running; a
//   dialog opened from inside another takes the next actions. An action acts as a person would:
//   clicking moves the focus to the control and toggles automatic check boxes and radio buttons;
//   typing replaces the field's text and refuses characters beyond the field's limit; choosing an
//   entry changes a drop-down list's selection. Acting on a control that is missing, disabled,
//   hidden or of the wrong kind throws ScriptError naming the control, as a script that cannot be
//   played must not pass silently.
// - When the queue runs dry while a dialog is still open, the backend presses the close box (the
//   dialog's cancel path) and records that the script ran out.
// - Message boxes take the next queued answer; with none queued (or one that is not among the
//   box's buttons) they answer with their first button (OK, Yes, Abort or Retry), as a person who
//   just presses Enter would. Every box is recorded with its text, caption, icon and answer.
// - File dialogs take the next queued answer, a path or a cancel; with none queued they are
//   cancelled.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "ui/backend.h"

namespace ui {

class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class Key { Tab, ShiftTab, Enter, Escape, CloseBox };

struct MessageBoxRecord {
  MessageBoxRequest request;
  Answer answer = Answer::Failed;
};

struct DialogRecord {
  DialogModel opened;  // as the dialog showed itself before the first action
  DialogModel closed;  // as it was when its modal loop ended
  bool scriptRanOut = false;
};

class ScriptedBackend : public Backend {
 public:
  using Observer = std::function<void(const DialogModel&)>;

  // Dialog actions, queued in order.
  ScriptedBackend& Click(int controlId);
  // Looks at a check box or radio button and clicks it only when its check mark differs from
  // `checked` (a radio button cannot be unchecked by clicking it: false then is a ScriptError).
  // This is how flags that say what an option should be are played.
  ScriptedBackend& SetCheck(int controlId, bool checked);
  ScriptedBackend& Type(int controlId, std::wstring text);
  ScriptedBackend& Choose(int controlId, int index);
  ScriptedBackend& Choose(int controlId, const std::wstring& entry);
  ScriptedBackend& Press(Key key);
  // Lets a test look at the running dialog at this point of the script.
  ScriptedBackend& Observe(Observer observer);

  ScriptedBackend& AnswerMessageBox(Answer answer);
  ScriptedBackend& AnswerFileDialog(std::wstring path);
  ScriptedBackend& CancelFileDialog();

  bool RunModal(DialogModel& dialog, DialogEvents& events) override;
  Answer ShowMessageBox(const MessageBoxRequest& request) override;
  std::optional<std::wstring> ShowFileDialog(const FileDialogRequest& request) override;

  const std::vector<MessageBoxRecord>& MessageBoxes() const { return messageBoxes_; }
  const std::vector<DialogRecord>& Dialogs() const { return dialogs_; }
  const std::vector<FileDialogRequest>& FileDialogs() const { return fileDialogs_; }
  std::size_t PendingActions() const { return actions_.size(); }

 private:
  struct ClickAction {
    int id;
  };
  struct SetCheckAction {
    int id;
    bool checked;
  };
  struct TypeAction {
    int id;
    std::wstring text;
  };
  struct ChooseIndexAction {
    int id;
    int index;
  };
  struct ChooseEntryAction {
    int id;
    std::wstring entry;
  };
  struct KeyAction {
    Key key;
  };
  struct ObserveAction {
    Observer observer;
  };
  using Action = std::variant<ClickAction, SetCheckAction, TypeAction, ChooseIndexAction,
                              ChooseEntryAction, KeyAction, ObserveAction>;

  void Play(const Action& action, DialogModel& dialog, DialogEvents& events);
  void PlayClick(int id, DialogModel& dialog, DialogEvents& events);
  void PlaySetCheck(const SetCheckAction& action, DialogModel& dialog, DialogEvents& events);
  void PlayType(const TypeAction& action, DialogModel& dialog, DialogEvents& events);
  void PlayChoose(int id, int index, DialogModel& dialog, DialogEvents& events);
  void PlayKey(Key key, DialogModel& dialog, DialogEvents& events);
  void PlayEnter(DialogModel& dialog, DialogEvents& events);

  std::deque<Action> actions_;
  std::deque<Answer> messageAnswers_;
  std::deque<std::optional<std::wstring>> fileAnswers_;
  std::vector<MessageBoxRecord> messageBoxes_;
  std::vector<DialogRecord> dialogs_;
  std::vector<FileDialogRequest> fileDialogs_;
};

}  // namespace ui
