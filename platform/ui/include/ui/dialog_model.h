// The window system's plain model of a dialog box: its controls with kind, id, text, rectangle in
// dialog units, styles and state, as a person sees them. Backends draw and drive this model; the
// application framework fills it from a dialog template and reads it back. Nothing here knows the
// framework.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace ui {

enum class ControlKind {
  PushButton,   // a button that only notifies
  CheckBox,     // two-state check box
  RadioButton,  // one of a group of exclusive choices
  GroupBox,     // a frame with a caption; never takes focus
  Edit,         // a single-line text field
  ComboBox,     // a drop-down list without typing
  Static,       // a text label; never takes focus
  Line,         // an etched separator line; never takes focus
};

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// Control id of labels and lines that no code addresses.
inline constexpr int kNoControlId = -1;

struct Control {
  ControlKind kind = ControlKind::Static;
  int id = kNoControlId;
  std::wstring text;  // caption of buttons and labels, content of edit fields
  Rect rect;          // dialog units
  bool tabStop = false;
  bool group = false;          // starts a group (radio buttons group up to the next such control)
  bool defaultButton = false;  // the push button that Enter presses
  bool autoToggle = false;     // check boxes and radio buttons that change state when clicked
  bool enabled = true;
  bool visible = true;
  int checked = 0;                  // 0 unchecked, 1 checked, 2 indeterminate
  std::size_t textLimit = 0;        // edit fields: most characters a person can type; 0 = no limit
  std::vector<std::wstring> items;  // combo boxes: the entries, in order
  int selected = -1;                // combo boxes: index of the chosen entry, -1 none

  // Whether a person can move the focus here (by clicking or with Tab, see DialogModel).
  bool CanTakeFocus() const;
};

struct DialogModel {
  std::wstring caption;
  Rect rect;
  std::wstring fontName;
  int fontSize = 0;
  std::vector<Control> controls;  // template order, which is the tab order
  int focus = -1;                 // index into controls, -1 when nothing has the focus
  bool ended = false;             // set by EndDialog: the modal loop stops
  int result = 0;                 // the value EndDialog was given

  // First control with this id, or null. Ids of addressed controls are unique in a template.
  Control* Find(int id);
  const Control* Find(int id) const;
  int IndexOf(int id) const;  // -1 when absent
  const Control* Focused() const;

  // Tab order: the next enabled, visible control with a tab stop after `from` (wrapping around),
  // or -1 when there is none. Radio buttons and labels without a tab stop are passed over.
  int NextTabStop(int from, bool forward) const;
  // The first control that the focus goes to when the dialog opens (a tab stop), or -1.
  int FirstTabStop() const;
  // Checks the radio button at `index` and unchecks every other radio button of its group. A
  // group runs from the nearest control at or before it that starts a group up to the next
  // control that starts one; only radio buttons in that run are touched.
  void CheckRadioInGroup(int index);
  // Indexes of the radio buttons in the group that starts at `index` (see CheckRadioInGroup).
  std::vector<int> RadioGroupFrom(int index) const;
  // The default push button's index, or -1.
  int DefaultButton() const;
};

}  // namespace ui
