#include "ui/terminal_layout.h"

#include <algorithm>
#include <cstddef>

namespace ui {
namespace {

std::wstring Fit(std::wstring text, int width) {
  if (width < 0) width = 0;
  text.resize(static_cast<std::size_t>(width), L' ');
  return text;
}

std::wstring CheckMark(int checked) {
  if (checked == 1) return L"[x] ";
  if (checked == 2) return L"[-] ";
  return L"[ ] ";
}

std::wstring ButtonText(const std::wstring& label, int width) {
  const int inner = std::max(static_cast<int>(label.size()), width - 2);
  const int left = (inner - static_cast<int>(label.size())) / 2;
  return L"<" + Fit(std::wstring(static_cast<std::size_t>(left), L' ') + label, inner) + L">";
}

std::wstring ComboText(const Control& combo, int width) {
  const bool chosen = combo.selected >= 0 && combo.selected < static_cast<int>(combo.items.size());
  const std::wstring entry = chosen ? combo.items[static_cast<std::size_t>(combo.selected)] : L"";
  const int inner = std::max(static_cast<int>(entry.size()) + 1, width - 3);
  return L"[" + Fit(entry, inner) + L"v]";
}

std::wstring EditText(const Control& edit, int width) {
  const int inner = std::max(static_cast<int>(edit.text.size()), width - 2);
  return L"[" + Fit(edit.text, inner) + L"]";
}

bool SameRow(const CellRect& a, const CellRect& b) {
  return a.row < b.row + b.height && b.row < a.row + a.height;
}

// The column where the nearest control to the right on the same row begins, or -1.
int NextColumnOnRow(const std::vector<PlacedControl>& placed, const PlacedControl& control) {
  int limit = -1;
  for (const PlacedControl& other : placed) {
    if (&other == &control || other.cells.column <= control.cells.column) continue;
    if (!SameRow(other.cells, control.cells)) continue;
    if (limit < 0 || other.cells.column < limit) limit = other.cells.column;
  }
  return limit;
}

}  // namespace

CellRect ToCells(const Rect& units) {
  CellRect cells;
  cells.column = units.x / kUnitsPerColumn;
  cells.row = units.y / kUnitsPerRow;
  cells.width = std::max(1, (units.width + kUnitsPerColumn - 1) / kUnitsPerColumn);
  cells.height = std::max(1, units.height / kUnitsPerRow);
  return cells;
}

std::wstring WithoutMnemonics(const std::wstring& caption) {
  std::wstring out;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == L'&' && i + 1 < caption.size()) ++i;
    out += caption[i];
  }
  return out;
}

std::wstring ControlText(const Control& control, int width) {
  const std::wstring label = WithoutMnemonics(control.text);
  switch (control.kind) {
    case ControlKind::CheckBox:
      return CheckMark(control.checked) + label;
    case ControlKind::RadioButton:
      return (control.checked == 1 ? L"(*) " : L"( ) ") + label;
    case ControlKind::PushButton:
      return ButtonText(label, width);
    case ControlKind::ComboBox:
      return ComboText(control, width);
    case ControlKind::Edit:
      return EditText(control, width);
    case ControlKind::GroupBox:
    case ControlKind::Static:
      return label;
    case ControlKind::Line:
      return L"";
  }
  return label;
}

DialogLayout LayoutDialog(const DialogModel& dialog) {
  DialogLayout layout;
  const CellRect frame = ToCells(dialog.rect);
  layout.width = frame.width;
  layout.height = (dialog.rect.height + kUnitsPerRow - 1) / kUnitsPerRow;
  for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
    const Control& control = dialog.controls[i];
    if (!control.visible) continue;
    PlacedControl placed{static_cast<int>(i), ToCells(control.rect), L""};
    // A closed drop-down list is one row high; its height in the template is the open list's.
    if (control.kind == ControlKind::ComboBox) placed.cells.height = 1;
    layout.controls.push_back(placed);
  }
  for (PlacedControl& placed : layout.controls) {
    const Control& control = dialog.controls[static_cast<std::size_t>(placed.index)];
    std::wstring text = ControlText(control, placed.cells.width);
    const int limit = NextColumnOnRow(layout.controls, placed);
    if (limit >= 0 && placed.cells.column + static_cast<int>(text.size()) > limit) {
      text.resize(static_cast<std::size_t>(limit - placed.cells.column));
    }
    if (control.kind != ControlKind::Line) placed.cells.width = static_cast<int>(text.size());
    placed.text = std::move(text);
    layout.width = std::max(layout.width, placed.cells.column + placed.cells.width + 1);
    layout.height = std::max(layout.height, placed.cells.row + placed.cells.height);
  }
  return layout;
}

}  // namespace ui
