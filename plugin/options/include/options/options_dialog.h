// The options dialog "Quorlex Options" (template 200 of the module's resources) and its runner
// ShowOptionsDialog, which loads the stored options, lets the user change them and saves and
// returns them on OK.
#pragma once

#include "afxwin.h"
#include "options/export_options.h"

class CQuorlexOptionsDlg : public CDialog {
 public:
  enum { IDD = 200 };

  explicit CQuorlexOptionsDlg(CWnd* parent = nullptr);
  ~CQuorlexOptionsDlg() override;

  // The record the controls exchange with; holds the values before loading until OnInitDialog.
  ExportOptions m_options;

  BOOL OnInitDialog() override;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  void OnOK() override;
  void OnOptionClicked();
  // Reads the controls (validation failures included) and enables the six extraction
  // sub-options while "extract" is set and the Other edit field while delimiter 4 is chosen.
  void EnableControls();

  DECLARE_MESSAGE_MAP()
};

// Runs the dialog modally in the calling module's own module state, owned by *parent (or the
// framework's choice when null). Returns true and fills all twelve fields of `options` on OK;
// returns false and leaves `options` untouched when the user cancels and when the dialog cannot
// be shown at all (no template 200 in the module's resources, no window-system backend).
bool ShowOptionsDialog(HWND* parent, ExportOptions& options);

// Adds the dialog's resource script to the calling module's own state. Runs by itself when the
// module is loaded; calling it again replaces the template with the same one.
bool RegisterOptionsDialogResources();
