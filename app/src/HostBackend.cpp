#include "app/HostBackend.h"

#include "app/OptionsDialogPlan.h"
#include "ui/scripted_backend.h"

namespace app {
namespace {

void Queue(ui::ScriptedBackend& script, const DialogAction& action) {
  switch (action.kind) {
    case DialogAction::Kind::kClick:
      script.Click(action.controlId);
      return;
    case DialogAction::Kind::kType:
      script.Type(action.controlId, action.text);
      return;
    case DialogAction::Kind::kChoose:
      script.Choose(action.controlId, action.index);
      return;
  }
}

void ShowDialogText(CommandLineOutput& output, const ui::DialogModel& dialog) {
  output.Line(OneLine(dialog.caption));
  for (const ui::Control& control : dialog.controls) {
    if (control.kind == ui::ControlKind::Static && !control.text.empty()) {
      output.Line(OneLine(control.text));
    }
  }
}

}  // namespace

bool HostBackend::RunModal(ui::DialogModel& dialog, ui::DialogEvents& events) {
  ui::ScriptedBackend script;
  if (dialog.caption != kOptionsDialogCaption) {
    ShowDialogText(output_, dialog);
    script.Press(ui::Key::Enter);
    return script.RunModal(dialog, events);
  }
  const std::optional<OptionFlags> options = answers_.Options();
  if (!options) {
    script.Click(options_dialog::kCancel);
  } else {
    for (const DialogAction& action : PlanOptionsDialog(dialog, *options)) Queue(script, action);
  }
  return script.RunModal(dialog, events);
}

ui::Answer HostBackend::ShowMessageBox(const ui::MessageBoxRequest& request) {
  if (request.caption == kConfirmSaveCaption && request.buttons == ui::MessageButtons::YesNo) {
    if (answers_.ReplaceExisting()) return ui::Answer::Yes;
    output_.Line(OneLine(request.text) + L" No");
    return ui::Answer::No;
  }
  output_.Line(OneLine(request.caption) + L": " + OneLine(request.text));
  return ui::FirstButton(request.buttons);
}

std::optional<std::wstring> HostBackend::ShowFileDialog(const ui::FileDialogRequest& request) {
  return answers_.SaveFile(request);
}

}  // namespace app
