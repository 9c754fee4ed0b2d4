#include "ui/scripted_backend.h"

#include <string>

namespace ui {

namespace {

// Narrow text for error messages; code points beyond ASCII are written as UTF-8.
std::string Narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t wc : text) {
    auto c = static_cast<char32_t>(wc);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | ((c >> 18) & 0x07));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

[[noreturn]] void Refuse(const DialogModel& dialog, int id, const std::string& why) {
  throw ScriptError("dialog \"" + Narrow(dialog.caption) + "\": control " + std::to_string(id) +
                    " " + why);
}

// The control a person can act on, or a ScriptError saying why not.
Control& Usable(DialogModel& dialog, int id) {
  Control* control = dialog.Find(id);
  if (!control) Refuse(dialog, id, "does not exist");
  if (!control->visible) Refuse(dialog, id, "is hidden");
  if (!control->enabled) Refuse(dialog, id, "is disabled");
  return *control;
}

bool IsButton(ControlKind kind) {
  return kind == ControlKind::PushButton || kind == ControlKind::CheckBox ||
         kind == ControlKind::RadioButton;
}

}  // namespace

ScriptedBackend& ScriptedBackend::Click(int controlId) {
  actions_.push_back(ClickAction{controlId});
  return *this;
}

ScriptedBackend& ScriptedBackend::SetCheck(int controlId, bool checked) {
  actions_.push_back(SetCheckAction{controlId, checked});
  return *this;
}

ScriptedBackend& ScriptedBackend::Type(int controlId, std::wstring text) {
  actions_.push_back(TypeAction{controlId, std::move(text)});
  return *this;
}

ScriptedBackend& ScriptedBackend::Choose(int controlId, int index) {
  actions_.push_back(ChooseIndexAction{controlId, index});
  return *this;
}

ScriptedBackend& ScriptedBackend::Choose(int controlId, const std::wstring& entry) {
  actions_.push_back(ChooseEntryAction{controlId, entry});
  return *this;
}

ScriptedBackend& ScriptedBackend::Press(Key key) {
  actions_.push_back(KeyAction{key});
  return *this;
}

ScriptedBackend& ScriptedBackend::Observe(Observer observer) {
  actions_.push_back(ObserveAction{std::move(observer)});
  return *this;
}

ScriptedBackend& ScriptedBackend::AnswerMessageBox(Answer answer) {
  messageAnswers_.push_back(answer);
  return *this;
}

ScriptedBackend& ScriptedBackend::AnswerFileDialog(std::wstring path) {
  fileAnswers_.emplace_back(std::move(path));
  return *this;
}

ScriptedBackend& ScriptedBackend::CancelFileDialog() {
  fileAnswers_.emplace_back(std::nullopt);
  return *this;
}

bool ScriptedBackend::RunModal(DialogModel& dialog, DialogEvents& events) {
  DialogRecord record;
  record.opened = dialog;
  while (!dialog.ended) {
    if (actions_.empty()) {
      record.scriptRanOut = true;
      events.OnCancelRequest();
      break;
    }
    Action action = std::move(actions_.front());
    actions_.pop_front();
    Play(action, dialog, events);
  }
  record.closed = dialog;
  dialogs_.push_back(std::move(record));
  return true;
}

void ScriptedBackend::Play(const Action& action, DialogModel& dialog, DialogEvents& events) {
  if (auto* click = std::get_if<ClickAction>(&action)) return PlayClick(click->id, dialog, events);
  if (auto* set = std::get_if<SetCheckAction>(&action)) return PlaySetCheck(*set, dialog, events);
  if (auto* type = std::get_if<TypeAction>(&action)) return PlayType(*type, dialog, events);
  if (auto* byIndex = std::get_if<ChooseIndexAction>(&action)) {
    return PlayChoose(byIndex->id, byIndex->index, dialog, events);
  }
  if (auto* byEntry = std::get_if<ChooseEntryAction>(&action)) {
    const Control* combo = dialog.Find(byEntry->id);
    if (!combo) Refuse(dialog, byEntry->id, "does not exist");
    for (std::size_t i = 0; i < combo->items.size(); ++i) {
      if (combo->items[i] == byEntry->entry) {
        return PlayChoose(byEntry->id, static_cast<int>(i), dialog, events);
      }
    }
    Refuse(dialog, byEntry->id, "has no entry \"" + Narrow(byEntry->entry) + "\"");
  }
  if (auto* key = std::get_if<KeyAction>(&action)) return PlayKey(key->key, dialog, events);
  if (auto* observe = std::get_if<ObserveAction>(&action)) observe->observer(dialog);
}

void ScriptedBackend::PlayClick(int id, DialogModel& dialog, DialogEvents& events) {
  Control& control = Usable(dialog, id);
  if (!control.CanTakeFocus()) Refuse(dialog, id, "does not respond to clicks");
  dialog.focus = dialog.IndexOf(id);
  if (control.autoToggle && control.kind == ControlKind::CheckBox) {
    control.checked = control.checked == 1 ? 0 : 1;
  }
  if (control.autoToggle && control.kind == ControlKind::RadioButton) {
    dialog.CheckRadioInGroup(dialog.focus);
  }
  if (IsButton(control.kind)) events.OnCommand(id, Notification::Clicked);
}

void ScriptedBackend::PlaySetCheck(const SetCheckAction& action, DialogModel& dialog,
                                   DialogEvents& events) {
  Control& control = Usable(dialog, action.id);
  bool radio = control.kind == ControlKind::RadioButton;
  if (control.kind != ControlKind::CheckBox && !radio) {
    Refuse(dialog, action.id, "is neither a check box nor a radio button");
  }
  if ((control.checked == 1) == action.checked) return;
  if (radio && !action.checked) Refuse(dialog, action.id, "cannot be unchecked by a click");
  PlayClick(action.id, dialog, events);
}

void ScriptedBackend::PlayType(const TypeAction& action, DialogModel& dialog,
                               DialogEvents& events) {
  Control& control = Usable(dialog, action.id);
  if (control.kind != ControlKind::Edit) Refuse(dialog, action.id, "is not an edit field");
  dialog.focus = dialog.IndexOf(action.id);
  std::wstring text = action.text;
  if (control.textLimit > 0 && text.size() > control.textLimit) text.resize(control.textLimit);
  if (text == control.text) return;
  control.text = std::move(text);
  events.OnCommand(action.id, Notification::TextChanged);
}

void ScriptedBackend::PlayChoose(int id, int index, DialogModel& dialog, DialogEvents& events) {
  Control& control = Usable(dialog, id);
  if (control.kind != ControlKind::ComboBox) Refuse(dialog, id, "is not a drop-down list");
  if (index < 0 || index >= static_cast<int>(control.items.size())) {
    Refuse(dialog, id, "has no entry " + std::to_string(index));
  }
  dialog.focus = dialog.IndexOf(id);
  if (control.selected == index) return;
  control.selected = index;
  events.OnCommand(id, Notification::SelectionChanged);
}

void ScriptedBackend::PlayKey(Key key, DialogModel& dialog, DialogEvents& events) {
  switch (key) {
    case Key::Tab:
    case Key::ShiftTab: {
      int next = dialog.NextTabStop(dialog.focus, key == Key::Tab);
      if (next >= 0) dialog.focus = next;
      return;
    }
    case Key::Enter:
      return PlayEnter(dialog, events);
    case Key::Escape:
    case Key::CloseBox:
      return events.OnCancelRequest();
  }
}

// Enter presses the focused push button, else the default push button (nothing when that is
// disabled), else sends the OK command.
void ScriptedBackend::PlayEnter(DialogModel& dialog, DialogEvents& events) {
  const Control* focused = dialog.Focused();
  if (focused && focused->kind == ControlKind::PushButton && focused->CanTakeFocus()) {
    return events.OnCommand(focused->id, Notification::Clicked);
  }
  int index = dialog.DefaultButton();
  if (index < 0) return events.OnCommand(kOkCommandId, Notification::Clicked);
  const Control& button = dialog.controls[static_cast<std::size_t>(index)];
  if (button.CanTakeFocus()) events.OnCommand(button.id, Notification::Clicked);
}

Answer ScriptedBackend::ShowMessageBox(const MessageBoxRequest& request) {
  Answer answer = FirstButton(request.buttons);
  if (!messageAnswers_.empty()) {
    if (IsOneOf(messageAnswers_.front(), request.buttons)) answer = messageAnswers_.front();
    messageAnswers_.pop_front();
  }
  messageBoxes_.push_back(MessageBoxRecord{request, answer});
  return answer;
}

std::optional<std::wstring> ScriptedBackend::ShowFileDialog(const FileDialogRequest& request) {
  fileDialogs_.push_back(request);
  if (fileAnswers_.empty()) return std::nullopt;
  std::optional<std::wstring> answer = std::move(fileAnswers_.front());
  fileAnswers_.pop_front();
  return answer;
}

}  // namespace ui
