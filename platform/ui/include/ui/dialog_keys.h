// What a person's keys and clicks do to a dialog box, independent of how it is drawn: the
// keyboard and mouse rules that a backend with a real screen plays on the DialogModel, telling
// the owner through DialogEvents as the window system would.
//
// - Tab and Shift-Tab move through the tab stops in template order (so not to radio buttons
//   without one); disabled and hidden controls never take the focus.
// - The arrow keys move inside the focused control's radio group and choose the button they reach;
//   on a drop-down list they choose the next or previous entry; elsewhere they move the focus to
//   the next or previous control that can take it.
// - Space toggles a check box, chooses a radio button, presses a push button and steps a
//   drop-down list to its next entry; Enter presses the focused push button, else the default
//   one; Escape asks the owner to cancel.
// - Typing goes to a focused edit field, up to its character limit; Backspace removes the last
//   character.
#pragma once

#include "ui/dialog_events.h"
#include "ui/dialog_model.h"

namespace ui {

enum class DialogKey { Tab, ShiftTab, Up, Down, Left, Right, Space, Enter, Escape, Backspace };

void PressDialogKey(DialogModel& dialog, DialogEvents& events, DialogKey key);
// False when the character was refused (no edit field has the focus, or it is full).
bool TypeIntoDialog(DialogModel& dialog, DialogEvents& events, wchar_t character);
// A mouse click on the control at `index`: it takes the focus and acts as Space does. Controls
// that cannot take the focus ignore it.
void ClickDialogControl(DialogModel& dialog, DialogEvents& events, int index);

}  // namespace ui
