#include "ui/dialog_model.h"

namespace ui {

bool Control::CanTakeFocus() const {
  switch (kind) {
    case ControlKind::GroupBox:
    case ControlKind::Static:
    case ControlKind::Line:
      return false;
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::Edit:
    case ControlKind::ComboBox:
      return enabled && visible;
  }
  return false;
}

Control* DialogModel::Find(int id) {
  int index = IndexOf(id);
  return index < 0 ? nullptr : &controls[static_cast<std::size_t>(index)];
}

const Control* DialogModel::Find(int id) const {
  int index = IndexOf(id);
  return index < 0 ? nullptr : &controls[static_cast<std::size_t>(index)];
}

int DialogModel::IndexOf(int id) const {
  if (id == kNoControlId) return -1;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].id == id) return static_cast<int>(i);
  }
  return -1;
}

const Control* DialogModel::Focused() const {
  if (focus < 0 || focus >= static_cast<int>(controls.size())) return nullptr;
  return &controls[static_cast<std::size_t>(focus)];
}

int DialogModel::NextTabStop(int from, bool forward) const {
  const int count = static_cast<int>(controls.size());
  if (count == 0) return -1;
  int start = from < 0 ? (forward ? count - 1 : 0) : from;
  for (int step = 1; step <= count; ++step) {
    int index = ((start + (forward ? step : -step)) % count + count) % count;
    const Control& c = controls[static_cast<std::size_t>(index)];
    if (c.tabStop && c.CanTakeFocus()) return index;
  }
  return -1;
}

int DialogModel::FirstTabStop() const { return NextTabStop(-1, true); }

std::vector<int> DialogModel::RadioGroupFrom(int index) const {
  std::vector<int> group;
  const int count = static_cast<int>(controls.size());
  for (int i = index; i >= 0 && i < count; ++i) {
    const Control& c = controls[static_cast<std::size_t>(i)];
    if (i != index && c.group) break;
    if (c.kind == ControlKind::RadioButton) group.push_back(i);
  }
  return group;
}

void DialogModel::CheckRadioInGroup(int index) {
  int start = index;
  while (start > 0 && !controls[static_cast<std::size_t>(start)].group) --start;
  for (int i : RadioGroupFrom(start)) {
    controls[static_cast<std::size_t>(i)].checked = (i == index) ? 1 : 0;
  }
}

int DialogModel::DefaultButton() const {
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].kind == ControlKind::PushButton && controls[i].defaultButton) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

}  // namespace ui
