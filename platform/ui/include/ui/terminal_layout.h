// Where a dialog box's controls go on a character terminal, and what each shows. A template's
// dialog units become cells at four horizontal units to a column and eight vertical units to a
// row (the window system's own ratio for an 8-point font, whose average character is 4 by 8
// units). A control starts at the cell its top-left corner falls in; its text takes its natural
// length, clipped only where the next control on the same row begins, so that captions wider
// than the template allowed for still read in full; the dialog grows to hold the widest.
#pragma once

#include <string>
#include <vector>

#include "ui/dialog_model.h"

namespace ui {

inline constexpr int kUnitsPerColumn = 4;
inline constexpr int kUnitsPerRow = 8;

struct CellRect {
  int column = 0;
  int row = 0;
  int width = 0;
  int height = 0;
};

// Position by the cell of the top-left corner; width rounded up to whole columns, height down to
// whole rows; both at least one cell.
CellRect ToCells(const Rect& units);

// A caption without its mnemonic marks ("&OK" -> "OK", "&&" -> "&").
std::wstring WithoutMnemonics(const std::wstring& caption);

// What a control shows in `width` cells: "[x] label", "( ) label", "[entry   v]", "[text]",
// "<  OK  >", a label. Line separators show nothing (the backend draws the line).
std::wstring ControlText(const Control& control, int width);

struct PlacedControl {
  int index = -1;  // into DialogModel::controls
  CellRect cells;  // the cells the text takes, inside the dialog's client area
  std::wstring text;
};

struct DialogLayout {
  int width = 0;                        // client area in cells
  int height = 0;                       // client area in rows
  std::vector<PlacedControl> controls;  // visible controls, in template order
};

DialogLayout LayoutDialog(const DialogModel& dialog);

}  // namespace ui
