#include "options/options_dialog.h"

extern const char kQuorlexOptionsResourceScript[];

namespace {

enum ControlId {
  kPoints = 204,
  kExtract = 205,
  kEndPoint = 206,
  kMidPoint = 207,
  kCenterPoint = 208,
  kVertex = 209,
  kControlPoint = 210,
  kText = 211,
  kFormat = 212,
  kOther = 218,
  kTab = 219,
  kSemicolon = 220,
  kComma = 221,
  kSpace = 222,
  kOtherDelimiter = 223,
  kCreatePoints = 224,
};

constexpr int kDelimiterOther = 4;

[[maybe_unused]] const bool registeredAtLoad = RegisterOptionsDialogResources();

}  // namespace

bool RegisterOptionsDialogResources() {
  return AfxRegisterResourceScript(kQuorlexOptionsResourceScript, "options_dialog.rc");
}

CQuorlexOptionsDlg::CQuorlexOptionsDlg(CWnd* parent) : CDialog(IDD, parent) {}

CQuorlexOptionsDlg::~CQuorlexOptionsDlg() = default;

BEGIN_MESSAGE_MAP(CQuorlexOptionsDlg, CDialog)
ON_BN_CLICKED(kExtract, OnOptionClicked)
ON_BN_CLICKED(kTab, OnOptionClicked)
ON_BN_CLICKED(kSemicolon, OnOptionClicked)
ON_BN_CLICKED(kComma, OnOptionClicked)
ON_BN_CLICKED(kSpace, OnOptionClicked)
ON_BN_CLICKED(kOtherDelimiter, OnOptionClicked)
END_MESSAGE_MAP()

void CQuorlexOptionsDlg::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_CBIndex(dx, kFormat, m_options.format);
  DDX_Check(dx, kCenterPoint, m_options.centerPoint);
  DDX_Check(dx, kControlPoint, m_options.controlPoint);
  DDX_Check(dx, kEndPoint, m_options.endPoint);
  DDX_Check(dx, kExtract, m_options.extract);
  DDX_Check(dx, kMidPoint, m_options.midPoint);
  DDX_Check(dx, kPoints, m_options.points);
  DDX_Check(dx, kText, m_options.text);
  DDX_Check(dx, kVertex, m_options.vertex);
  DDX_Text(dx, kOther, m_options.other);
  DDV_MaxChars(dx, m_options.other, 1);
  DDX_Radio(dx, kTab, m_options.delimiter);
  DDX_Check(dx, kCreatePoints, m_options.createPoints);
}

BOOL CQuorlexOptionsDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  LoadExportOptions(m_options);
  UpdateData(FALSE);
  EnableControls();
  return TRUE;
}

void CQuorlexOptionsDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  SaveExportOptions(m_options);
  CDialog::OnOK();
}

void CQuorlexOptionsDlg::OnOptionClicked() { EnableControls(); }

void CQuorlexOptionsDlg::EnableControls() {
  UpdateData(TRUE);  // a failed validation has been shown; the rules below follow the record
  for (int id : {kEndPoint, kMidPoint, kCenterPoint, kControlPoint, kVertex, kText}) {
    GetDlgItem(id)->EnableWindow(m_options.extract);
  }
  GetDlgItem(kOther)->EnableWindow(m_options.delimiter == kDelimiterOther);
}

bool ShowOptionsDialog(HWND* parent, ExportOptions& options) {
  AFX_MAINTAIN_STATE2 moduleState(AfxGetStaticModuleState());
  CWnd* parentWindow = parent ? CWnd::FromHandle(*parent) : nullptr;
  CQuorlexOptionsDlg dialog(parentWindow);
  INT_PTR result = dialog.DoModal();
  // -1 means the dialog was never shown: nothing was chosen, so it is no acceptance.
  if (result == IDCANCEL || result == -1) return false;
  options = dialog.m_options;
  return true;
}
