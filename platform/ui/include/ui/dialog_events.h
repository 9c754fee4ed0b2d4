// The callbacks through which a backend tells the owner of a modal dialog what a person did. The
// application framework implements them; the backend has already changed the model (check marks,
// texts, focus) before it calls.
#pragma once

namespace ui {

enum class Notification {
  Clicked = 0,           // a button was pressed (also check boxes and radio buttons)
  SelectionChanged = 1,  // a combo box got another entry
  TextChanged = 2,       // an edit field's text changed
};

// The command id a dialog receives for Enter when it has no default push button; by the window
// system's convention this is the OK command.
inline constexpr int kOkCommandId = 1;

class DialogEvents {
 public:
  virtual ~DialogEvents() = default;
  // A control's notification. Enter arrives as a click on the focused push button, else on the
  // default push button, else as kOkCommandId.
  virtual void OnCommand(int controlId, Notification code) = 0;
  // Escape or the close box: the owner normally ends the dialog with its cancel result.
  virtual void OnCancelRequest() = 0;
};

}  // namespace ui
