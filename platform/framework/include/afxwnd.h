// CWnd: the framework's window object over a window handle (HWND). Windows here are the host's
// top-level main window, modal dialogs and their controls; their state lives in the window-system
// backend's dialog model, so what these calls change is what a person sees.
#pragma once

#include "afxobject.h"
#include "afxstr.h"

class CDataExchange;

class CWnd : public CCmdTarget {
 public:
  CWnd() = default;
  ~CWnd() override;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND m_hWnd = nullptr;

  // The window object attached to `handle`, or a temporary one that lives as long as the handle.
  // Null for a null or destroyed handle.
  static CWnd* FromHandle(HWND handle);
  HWND GetSafeHwnd() const { return m_hWnd; }
  operator HWND() const { return m_hWnd; }  // NOLINT: as in the framework

  // Creates a top-level window with this caption and attaches it: the host program's main window.
  BOOL CreateTopLevel(LPCTSTR caption);
  // Destroys the attached window and every child of it. The handle becomes invalid.
  BOOL DestroyWindow();

  // The child control with this id of this dialog window, or null.
  CWnd* GetDlgItem(int id) const;
  int GetDlgCtrlID() const;
  // Enables or disables input. Returns nonzero when the window was disabled before.
  BOOL EnableWindow(BOOL enable = TRUE);
  BOOL IsWindowEnabled() const;
  void SetWindowText(LPCTSTR text);
  void GetWindowText(CString& text) const;
  int GetWindowTextLength() const;
  // Gives this window the keyboard focus; returns the window that had it, or null.
  CWnd* SetFocus();
  void CheckDlgButton(int id, UINT check);
  UINT IsDlgButtonChecked(int id) const;

  // A message box owned by this window; a null caption takes the application's name.
  int MessageBox(LPCTSTR text, LPCTSTR caption = nullptr, UINT type = MB_OK);

  // Moves data between the controls and the members named by DoDataExchange; with
  // saveAndValidate it reads and validates, else it shows. FALSE when validation failed.
  BOOL UpdateData(BOOL saveAndValidate = TRUE);

 protected:
  virtual void DoDataExchange(CDataExchange* dx);

 private:
  friend class DialogSession;
  friend class WindowHandles;
};
