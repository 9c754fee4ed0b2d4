// CDialog, the modal dialog over a template from the current module's resources, and the data
// exchange (CDataExchange, DDX_*, DDV_*) that moves values between controls and members.
#pragma once

#include <memory>

#include "afxwnd.h"

// The exception that ends a data exchange after a validation failure has been shown.
class CException : public CObject {};
class CUserException : public CException {};

class CDataExchange {
 public:
  CDataExchange(CWnd* dialog, BOOL saveAndValidate);

  BOOL m_bSaveAndValidate;  // TRUE: controls to members (and validate); FALSE: members to controls
  CWnd* m_pDlgWnd;
  int m_idLastControl = 0;  // the control the last DDX_ call touched
  BOOL m_bEditLastControl = FALSE;

  // The handle of control `id`, remembered as the control to focus on failure. Asserts that the
  // control exists: a template without it is a programmer's error.
  HWND PrepareCtrl(int id);
  HWND PrepareEditCtrl(int id);
  // Ends the exchange after a validation message: focuses the last prepared control (selecting an
  // edit field's whole text) and throws CUserException, so later fields are not exchanged.
  [[noreturn]] void Fail();
};

// Edit field text.
void DDX_Text(CDataExchange* dx, int id, CString& value);
// Check box state: 0, 1 or 2. Showing a value outside 0..2 shows it unchecked.
void DDX_Check(CDataExchange* dx, int id, int& value);
// Index of the checked radio button in the group that starts at control `id` (which must start a
// group) and ends before the next control that starts one; only radio buttons count. Reading
// gives -1 when none is checked; showing an index outside the group unchecks them all.
void DDX_Radio(CDataExchange* dx, int id, int& value);
// Selected entry of a drop-down list; -1 when none. Showing an index outside the list clears the
// selection.
void DDX_CBIndex(CDataExchange* dx, int id, int& index);
// Showing limits the edit field prepared last to `maxChars` characters of input; reading a text
// longer than that shows the prompt "Please enter no more than N characters." with the warning
// icon and fails the exchange.
void DDV_MaxChars(CDataExchange* dx, const CString& value, int maxChars);

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);
  ~CDialog() override;

  // Creates the dialog from template `templateId` of the current module state's resources, runs
  // OnInitDialog and the modal loop of the installed backend, and returns the EndDialog value.
  // Returns -1 when the dialog cannot be created: the template is not among the current module's
  // resources, or no window-system backend is installed. The owner (the parent given, else the
  // main window of the current thread) is disabled while the dialog runs.
  virtual INT_PTR DoModal();
  // Fills the drop-down lists from the template's init data and shows the members
  // (UpdateData(FALSE)). Returning TRUE lets the framework focus the first tab stop.
  virtual BOOL OnInitDialog();
  void EndDialog(int result);

 protected:
  virtual void OnOK();      // reads and validates; ends with IDOK when that succeeds
  virtual void OnCancel();  // ends with IDCANCEL without reading the controls

  UINT m_nIDHelp;
  UINT m_nIDTemplate;
  CWnd* m_pParentWnd;

  DECLARE_MESSAGE_MAP()

 private:
  friend class DialogSession;
};
