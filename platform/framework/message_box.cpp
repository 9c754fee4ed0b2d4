#include "afxwin.h"
#include "ui/backend.h"
#include "window_handles.h"

namespace {

ui::MessageButtons ButtonsOf(UINT type) {
  switch (type & 0xFu) {
    case MB_OKCANCEL:
      return ui::MessageButtons::OkCancel;
    case MB_ABORTRETRYIGNORE:
      return ui::MessageButtons::AbortRetryIgnore;
    case MB_YESNOCANCEL:
      return ui::MessageButtons::YesNoCancel;
    case MB_YESNO:
      return ui::MessageButtons::YesNo;
    case MB_RETRYCANCEL:
      return ui::MessageButtons::RetryCancel;
    default:
      return ui::MessageButtons::Ok;
  }
}

ui::MessageIcon IconOf(UINT type) {
  switch (type & 0xF0u) {
    case MB_ICONHAND:
      return ui::MessageIcon::Error;
    case MB_ICONQUESTION:
      return ui::MessageIcon::Question;
    case MB_ICONEXCLAMATION:
      return ui::MessageIcon::Warning;
    case MB_ICONASTERISK:
      return ui::MessageIcon::Information;
    default:
      return ui::MessageIcon::None;
  }
}

}  // namespace

int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
  ui::Backend* backend = ui::CurrentBackend();
  if (!backend) return 0;
  ui::MessageBoxRequest request;
  request.text = text ? text : L"";
  request.caption = caption ? caption : L"Error";
  request.icon = IconOf(type);
  request.buttons = ButtonsOf(type);
  request.owner = WindowHandles::CaptionOf(owner);
  return static_cast<int>(backend->ShowMessageBox(request));
}

// Owned by the running modal dialog, else by the main window, as the active window would be.
int AfxMessageBox(LPCTSTR text, UINT type, UINT) {
  HWND owner = WindowHandles::ActiveModal();
  CWnd* main = AfxGetMainWnd();
  if (!owner && main) owner = main->m_hWnd;
  return MessageBoxW(owner, text, AfxGetAppName(), type);
}

int CWnd::MessageBox(LPCTSTR text, LPCTSTR caption, UINT type) {
  return MessageBoxW(m_hWnd, text, caption ? caption : AfxGetAppName(), type);
}
