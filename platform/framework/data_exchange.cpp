#include <cassert>

#include "afxwin.h"
#include "window_handles.h"

namespace {

ui::Control* Prepared(CDataExchange* dx, int id, bool edit) {
  HWND handle = edit ? dx->PrepareEditCtrl(id) : dx->PrepareCtrl(id);
  return WindowHandles::ControlOf(handle);
}

}  // namespace

CDataExchange::CDataExchange(CWnd* dialog, BOOL saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

HWND CDataExchange::PrepareCtrl(int id) {
  HWND handle = WindowHandles::Child(m_pDlgWnd ? m_pDlgWnd->m_hWnd : nullptr, id);
  assert(handle && "data exchange names a control that the dialog does not have");
  m_idLastControl = id;
  m_bEditLastControl = FALSE;
  return handle;
}

HWND CDataExchange::PrepareEditCtrl(int id) {
  HWND handle = PrepareCtrl(id);
  m_bEditLastControl = TRUE;
  return handle;
}

void CDataExchange::Fail() {
  if (m_bSaveAndValidate && m_idLastControl != 0 && m_pDlgWnd) {
    if (CWnd* control = m_pDlgWnd->GetDlgItem(m_idLastControl)) control->SetFocus();
  }
  throw CUserException();
}

void DDX_Text(CDataExchange* dx, int id, CString& value) {
  ui::Control* control = Prepared(dx, id, true);
  if (!control) return;
  if (dx->m_bSaveAndValidate) {
    value = CString(control->text);
  } else {
    control->text = value.str();
  }
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
  ui::Control* control = Prepared(dx, id, false);
  if (!control) return;
  if (dx->m_bSaveAndValidate) {
    value = control->checked;
  } else {
    control->checked = (value >= 0 && value <= 2) ? value : 0;
  }
}

void DDX_Radio(CDataExchange* dx, int id, int& value) {
  HWND first = dx->PrepareCtrl(id);
  ui::Control* control = WindowHandles::ControlOf(first);
  if (!control) return;
  assert(control->group && "DDX_Radio must name the first control of a group");
  std::vector<int> group = first->dialog->RadioGroupFrom(first->controlIndex);
  if (dx->m_bSaveAndValidate) value = -1;
  for (std::size_t k = 0; k < group.size(); ++k) {
    ui::Control& button = first->dialog->controls[static_cast<std::size_t>(group[k])];
    if (dx->m_bSaveAndValidate) {
      if (button.checked != 0) value = static_cast<int>(k);
    } else {
      button.checked = static_cast<int>(k) == value ? 1 : 0;
    }
  }
}

void DDX_CBIndex(CDataExchange* dx, int id, int& index) {
  ui::Control* control = Prepared(dx, id, false);
  if (!control) return;
  if (dx->m_bSaveAndValidate) {
    index = control->selected;
  } else {
    bool inRange = index >= 0 && index < static_cast<int>(control->items.size());
    control->selected = inRange ? index : -1;
  }
}

void DDV_MaxChars(CDataExchange* dx, const CString& value, int maxChars) {
  assert(maxChars >= 1 && "DDV_MaxChars needs a positive limit");
  if (!dx->m_bSaveAndValidate) {
    HWND last = WindowHandles::Child(dx->m_pDlgWnd->m_hWnd, dx->m_idLastControl);
    ui::Control* control = WindowHandles::ControlOf(last);
    if (control && dx->m_bEditLastControl) control->textLimit = static_cast<std::size_t>(maxChars);
    return;
  }
  if (value.GetLength() <= maxChars) return;
  CString prompt;
  prompt.Format(L"Please enter no more than %d characters.", maxChars);
  AfxMessageBox(prompt, MB_ICONEXCLAMATION);
  dx->Fail();
}
