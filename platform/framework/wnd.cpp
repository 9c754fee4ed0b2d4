#include <cassert>

#include "afxdialog.h"
#include "afxwin.h"
#include "window_handles.h"

CWnd::~CWnd() {
  if (WindowHandles::IsLive(m_hWnd) && m_hWnd->attached == this) WindowHandles::Destroy(m_hWnd);
}

CWnd* CWnd::FromHandle(HWND handle) {
  if (!WindowHandles::IsLive(handle)) return nullptr;
  if (handle->attached) return handle->attached;
  if (!handle->temporary) {
    handle->temporary = std::make_unique<CWnd>();
    handle->temporary->m_hWnd = handle;
  }
  return handle->temporary.get();
}

BOOL CWnd::CreateTopLevel(LPCTSTR caption) {
  assert(!m_hWnd && "CWnd::CreateTopLevel on a window object that already has a window");
  if (m_hWnd) return FALSE;
  WindowHandles::Attach(this, WindowHandles::CreateTopLevel(caption ? caption : L""));
  return TRUE;
}

BOOL CWnd::DestroyWindow() {
  if (!WindowHandles::IsLive(m_hWnd)) return FALSE;
  WindowHandles::Destroy(m_hWnd);
  m_hWnd = nullptr;
  return TRUE;
}

CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(WindowHandles::Child(m_hWnd, id)); }

int CWnd::GetDlgCtrlID() const {
  ui::Control* control = WindowHandles::ControlOf(m_hWnd);
  return control ? control->id : 0;
}

BOOL CWnd::EnableWindow(BOOL enable) {
  if (!WindowHandles::IsLive(m_hWnd)) return FALSE;
  ui::Control* control = WindowHandles::ControlOf(m_hWnd);
  bool& enabled = control ? control->enabled : m_hWnd->enabled;
  BOOL wasDisabled = enabled ? FALSE : TRUE;
  enabled = enable != FALSE;
  return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const {
  if (!WindowHandles::IsLive(m_hWnd)) return FALSE;
  ui::Control* control = WindowHandles::ControlOf(m_hWnd);
  return (control ? control->enabled : m_hWnd->enabled) ? TRUE : FALSE;
}

void CWnd::SetWindowText(LPCTSTR text) {
  if (!WindowHandles::IsLive(m_hWnd)) return;
  std::wstring value = text ? text : L"";
  if (ui::Control* control = WindowHandles::ControlOf(m_hWnd)) {
    control->text = std::move(value);
  } else if (m_hWnd->dialog) {
    m_hWnd->dialog->caption = std::move(value);
  } else {
    m_hWnd->caption = std::move(value);
  }
}

void CWnd::GetWindowText(CString& text) const { text = CString(WindowHandles::CaptionOf(m_hWnd)); }

int CWnd::GetWindowTextLength() const {
  return static_cast<int>(WindowHandles::CaptionOf(m_hWnd).size());
}

CWnd* CWnd::SetFocus() {
  ui::Control* control = WindowHandles::ControlOf(m_hWnd);
  if (!control) return nullptr;
  ui::DialogModel& model = *m_hWnd->dialog;
  CWnd* previous = model.focus >= 0
                       ? FromHandle(m_hWnd->parent->children[static_cast<std::size_t>(model.focus)])
                       : nullptr;
  model.focus = m_hWnd->controlIndex;
  return previous;
}

void CWnd::CheckDlgButton(int id, UINT check) {
  if (ui::Control* control = WindowHandles::ControlOf(WindowHandles::Child(m_hWnd, id))) {
    control->checked = check <= 2 ? static_cast<int>(check) : 0;
  }
}

UINT CWnd::IsDlgButtonChecked(int id) const {
  ui::Control* control = WindowHandles::ControlOf(WindowHandles::Child(m_hWnd, id));
  return control ? static_cast<UINT>(control->checked) : 0;
}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
  CDataExchange dx(this, saveAndValidate);
  try {
    DoDataExchange(&dx);
  } catch (const CUserException&) {
    return FALSE;
  }
  return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}
