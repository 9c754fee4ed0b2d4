#include "app/ShellBackend.h"

#include "app/HostBackend.h"
#include "app/Utf8.h"
#include "sds.h"
#include "ui/scripted_backend.h"

namespace app {
namespace {

bool IsQuestion(ui::MessageButtons buttons) {
  return buttons == ui::MessageButtons::YesNo || buttons == ui::MessageButtons::YesNoCancel;
}

}  // namespace

int FileDialogSetting() {
  resbuf value{};
  if (sds_getvar(L"FILEDIA", &value) != RTNORM || value.restype != RTSHORT) return 1;
  return value.resval.rint;
}

bool ShellBackend::RunModal(ui::DialogModel& dialog, ui::DialogEvents& events) {
  if (terminal_) return screen_.RunModal(dialog, events);
  output_.Line(OneLine(dialog.caption) + L" (needs a terminal; cancelled)");
  ui::ScriptedBackend script;
  script.Press(ui::Key::Escape);
  return script.RunModal(dialog, events);
}

ui::Answer ShellBackend::ShowMessageBox(const ui::MessageBoxRequest& request) {
  const bool prompted = request.caption == kConfirmSaveCaption && FileDialogSetting() == 0;
  if (terminal_ && !prompted) return screen_.ShowMessageBox(request);
  if (IsQuestion(request.buttons)) return AskOnCommandLine(request);
  output_.Line(OneLine(request.caption) + L": " + OneLine(request.text));
  return ui::FirstButton(request.buttons);
}

// "<text> [Yes/No] <No>:"; Cancel where the box has it, else No, for anything but a yes or no.
ui::Answer ShellBackend::AskOnCommandLine(const ui::MessageBoxRequest& request) {
  const bool cancel = request.buttons == ui::MessageButtons::YesNoCancel;
  const std::wstring fallback = cancel ? L"Cancel" : L"No";
  output_.Finish();
  const TypedLine line =
      lines_.Read(EncodeUtf8(OneLine(request.text) + L" [Yes/No" + (cancel ? L"/Cancel" : L"") +
                             L"] <" + fallback + L">: "));
  const std::wstring answer = AsciiUpper(DecodeUtf8(line.text).value_or(L""));
  if (line.status == LineStatus::kLine && (answer == L"Y" || answer == L"YES")) {
    return ui::Answer::Yes;
  }
  if (line.status == LineStatus::kLine && (answer == L"N" || answer == L"NO")) {
    return ui::Answer::No;
  }
  return cancel ? ui::Answer::Cancel : ui::Answer::No;
}

std::optional<std::wstring> ShellBackend::ShowFileDialog(const ui::FileDialogRequest& request) {
  if (FileDialogSetting() != 0) {
    if (terminal_) return screen_.ShowFileDialog(request);
    output_.Line(L"The file dialog needs a terminal (SETVAR FILEDIA 0 asks on the command line)");
    return std::nullopt;
  }
  output_.Finish();
  const TypedLine line =
      lines_.Read(EncodeUtf8(L"Enter file name <" + request.initialName + L">: "));
  if (line.status != LineStatus::kLine) return std::nullopt;
  if (line.text.empty()) return request.initialName;
  return DecodeUtf8(line.text).value_or(L"");
}

}  // namespace app
