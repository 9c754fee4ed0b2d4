#include "dialog_template.h"

#include "afxres.h"

namespace framework {

namespace {

ui::ControlKind ButtonKind(DWORD style, bool& autoToggle, bool& isDefault) {
  switch (style & BS_TYPEMASK) {
    case BS_DEFPUSHBUTTON:
      isDefault = true;
      return ui::ControlKind::PushButton;
    case BS_AUTOCHECKBOX:
    case BS_AUTO3STATE:
      autoToggle = true;
      return ui::ControlKind::CheckBox;
    case BS_CHECKBOX:
    case BS_3STATE:
      return ui::ControlKind::CheckBox;
    case BS_AUTORADIOBUTTON:
      autoToggle = true;
      return ui::ControlKind::RadioButton;
    case BS_RADIOBUTTON:
      return ui::ControlKind::RadioButton;
    case BS_GROUPBOX:
      return ui::ControlKind::GroupBox;
    default:
      return ui::ControlKind::PushButton;
  }
}

ui::ControlKind KindOf(const ControlTemplate& control, bool& autoToggle, bool& isDefault) {
  if (control.className == L"Button") return ButtonKind(control.style, autoToggle, isDefault);
  if (control.className == L"Edit") return ui::ControlKind::Edit;
  if (control.className == L"ComboBox") return ui::ControlKind::ComboBox;
  DWORD type = control.style & SS_TYPEMASK;
  bool etched = type == SS_ETCHEDHORZ || type == SS_ETCHEDVERT || type == 0x12u;
  return etched ? ui::ControlKind::Line : ui::ControlKind::Static;
}

ui::Control MakeControl(const ControlTemplate& source) {
  ui::Control control;
  control.kind = KindOf(source, control.autoToggle, control.defaultButton);
  control.id = source.id;
  control.text = source.text;
  control.rect = {source.x, source.y, source.cx, source.cy};
  control.tabStop = (source.style & WS_TABSTOP) != 0;
  control.group = (source.style & WS_GROUP) != 0;
  control.enabled = (source.style & WS_DISABLED) == 0;
  control.visible = (source.style & WS_VISIBLE) != 0;
  return control;
}

}  // namespace

ui::DialogModel MakeDialogModel(const DialogTemplate& dialog) {
  ui::DialogModel model;
  model.caption = dialog.caption;
  model.rect = {dialog.x, dialog.y, dialog.cx, dialog.cy};
  model.fontName = dialog.fontName;
  model.fontSize = dialog.fontSize;
  for (const auto& control : dialog.controls) model.controls.push_back(MakeControl(control));
  return model;
}

}  // namespace framework
