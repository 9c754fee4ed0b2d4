#include "ui/dialog_keys.h"

#include <cstddef>

namespace ui {
namespace {

Control& At(DialogModel& dialog, int index) {
  return dialog.controls[static_cast<std::size_t>(index)];
}

// The index where the group of the control at `index` starts (the first control counts as a
// start, as the window system treats it).
int GroupStart(const DialogModel& dialog, int index) {
  while (index > 0 && !dialog.controls[static_cast<std::size_t>(index)].group) --index;
  return index;
}

void ChooseRadio(DialogModel& dialog, DialogEvents& events, int index) {
  dialog.focus = index;
  Control& radio = At(dialog, index);
  if (radio.autoToggle) dialog.CheckRadioInGroup(index);
  events.OnCommand(radio.id, Notification::Clicked);
}

// The next radio button of the group that can take the focus, wrapping around.
void StepRadio(DialogModel& dialog, DialogEvents& events, bool forward) {
  const std::vector<int> group = dialog.RadioGroupFrom(GroupStart(dialog, dialog.focus));
  const int count = static_cast<int>(group.size());
  int position = 0;
  while (position < count && group[static_cast<std::size_t>(position)] != dialog.focus) ++position;
  for (int step = 1; step < count; ++step) {
    const int next = group[static_cast<std::size_t>(
        ((position + (forward ? step : -step)) % count + count) % count)];
    if (At(dialog, next).CanTakeFocus()) return ChooseRadio(dialog, events, next);
  }
}

void StepCombo(DialogModel& dialog, DialogEvents& events, bool forward, bool wrap) {
  Control& combo = At(dialog, dialog.focus);
  const int count = static_cast<int>(combo.items.size());
  if (count == 0) return;
  int next = combo.selected + (forward ? 1 : -1);
  if (combo.selected < 0) next = 0;
  if (wrap) next = (next % count + count) % count;
  if (next < 0 || next >= count || next == combo.selected) return;
  combo.selected = next;
  events.OnCommand(combo.id, Notification::SelectionChanged);
}

// The next control in template order that can take the focus, wrapping around.
void StepFocus(DialogModel& dialog, bool forward) {
  const int count = static_cast<int>(dialog.controls.size());
  for (int step = 1; step < count; ++step) {
    const int next = ((dialog.focus + (forward ? step : -step)) % count + count) % count;
    if (At(dialog, next).CanTakeFocus()) {
      dialog.focus = next;
      return;
    }
  }
}

void Arrow(DialogModel& dialog, DialogEvents& events, bool forward) {
  const Control* focused = dialog.Focused();
  if (focused == nullptr) {
    dialog.focus = dialog.FirstTabStop();
    return;
  }
  if (focused->kind == ControlKind::RadioButton) return StepRadio(dialog, events, forward);
  if (focused->kind == ControlKind::ComboBox) return StepCombo(dialog, events, forward, false);
  StepFocus(dialog, forward);
}

void Activate(DialogModel& dialog, DialogEvents& events) {
  const Control* focused = dialog.Focused();
  if (focused == nullptr || !focused->CanTakeFocus()) return;
  Control& control = At(dialog, dialog.focus);
  switch (control.kind) {
    case ControlKind::CheckBox:
      if (control.autoToggle) control.checked = control.checked == 1 ? 0 : 1;
      return events.OnCommand(control.id, Notification::Clicked);
    case ControlKind::RadioButton:
      return ChooseRadio(dialog, events, dialog.focus);
    case ControlKind::PushButton:
      return events.OnCommand(control.id, Notification::Clicked);
    case ControlKind::ComboBox:
      return StepCombo(dialog, events, true, true);
    case ControlKind::Edit:
    case ControlKind::GroupBox:
    case ControlKind::Static:
    case ControlKind::Line:
      return;
  }
}

void Enter(DialogModel& dialog, DialogEvents& events) {
  const Control* focused = dialog.Focused();
  if (focused && focused->kind == ControlKind::PushButton && focused->CanTakeFocus()) {
    return events.OnCommand(focused->id, Notification::Clicked);
  }
  const int index = dialog.DefaultButton();
  if (index < 0) return events.OnCommand(kOkCommandId, Notification::Clicked);
  const Control& button = At(dialog, index);
  if (button.CanTakeFocus()) events.OnCommand(button.id, Notification::Clicked);
}

void Backspace(DialogModel& dialog, DialogEvents& events) {
  const Control* focused = dialog.Focused();
  if (focused == nullptr || focused->kind != ControlKind::Edit || focused->text.empty()) return;
  Control& edit = At(dialog, dialog.focus);
  edit.text.pop_back();
  events.OnCommand(edit.id, Notification::TextChanged);
}

}  // namespace

void PressDialogKey(DialogModel& dialog, DialogEvents& events, DialogKey key) {
  switch (key) {
    case DialogKey::Tab:
    case DialogKey::ShiftTab: {
      const int next = dialog.NextTabStop(dialog.focus, key == DialogKey::Tab);
      if (next >= 0) dialog.focus = next;
      return;
    }
    case DialogKey::Up:
    case DialogKey::Left:
      return Arrow(dialog, events, false);
    case DialogKey::Down:
    case DialogKey::Right:
      return Arrow(dialog, events, true);
    case DialogKey::Space:
      if (TypeIntoDialog(dialog, events, L' ')) return;
      return Activate(dialog, events);
    case DialogKey::Enter:
      return Enter(dialog, events);
    case DialogKey::Escape:
      return events.OnCancelRequest();
    case DialogKey::Backspace:
      return Backspace(dialog, events);
  }
}

bool TypeIntoDialog(DialogModel& dialog, DialogEvents& events, wchar_t character) {
  const Control* focused = dialog.Focused();
  if (focused == nullptr || focused->kind != ControlKind::Edit || !focused->CanTakeFocus()) {
    return false;
  }
  Control& edit = At(dialog, dialog.focus);
  if (edit.textLimit > 0 && edit.text.size() >= edit.textLimit) return false;
  edit.text += character;
  events.OnCommand(edit.id, Notification::TextChanged);
  return true;
}

void ClickDialogControl(DialogModel& dialog, DialogEvents& events, int index) {
  if (index < 0 || index >= static_cast<int>(dialog.controls.size())) return;
  if (!At(dialog, index).CanTakeFocus()) return;
  dialog.focus = index;
  Activate(dialog, events);
}

}  // namespace ui
