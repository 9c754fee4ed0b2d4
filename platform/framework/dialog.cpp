#include <algorithm>

#include "afxwin.h"
#include "dialog_template.h"
#include "ui/backend.h"
#include "window_handles.h"

// One modal run of a CDialog: the model the backend draws, the window handles over it, the
// owner disabled meanwhile, and the routing of a person's actions to the message map.
class DialogSession : public ui::DialogEvents {
 public:
  DialogSession(CDialog& dialog, const framework::DialogTemplate& source)
      : dialog_(dialog), model_(framework::MakeDialogModel(source)) {}

  ~DialogSession() override {
    WindowHandles::PopModal(dialog_.m_hWnd);
    WindowHandles::Destroy(dialog_.m_hWnd);
    dialog_.m_hWnd = nullptr;
    if (WindowHandles::IsLive(owner_)) owner_->enabled = ownerWasEnabled_;
  }

  INT_PTR Run(ui::Backend& backend) {
    owner_ = OwnerOf(dialog_);
    if (WindowHandles::IsLive(owner_)) {
      ownerWasEnabled_ = owner_->enabled;
      owner_->enabled = false;
    }
    WindowHandles::Attach(&dialog_, WindowHandles::CreateDialogWindow(&model_, owner_));
    WindowHandles::PushModal(dialog_.m_hWnd);
    if (dialog_.OnInitDialog()) model_.focus = model_.FirstTabStop();
    if (!model_.ended && !backend.RunModal(model_, *this)) return -1;
    return model_.ended ? model_.result : IDCANCEL;
  }

  void OnCommand(int controlId, ui::Notification code) override {
    dialog_.OnCmdMsg(static_cast<UINT>(controlId), NotifyCode(code));
  }

  void OnCancelRequest() override { dialog_.OnCmdMsg(IDCANCEL, BN_CLICKED); }

 private:
  static HWND OwnerOf(const CDialog& dialog) {
    if (dialog.m_pParentWnd) return dialog.m_pParentWnd->m_hWnd;
    CWnd* main = AfxGetMainWnd();
    return main ? main->m_hWnd : nullptr;
  }

  static int NotifyCode(ui::Notification code) {
    switch (code) {
      case ui::Notification::Clicked:
        return BN_CLICKED;
      case ui::Notification::SelectionChanged:
        return CBN_SELCHANGE;
      case ui::Notification::TextChanged:
        return EN_CHANGE;
    }
    return BN_CLICKED;
  }

  CDialog& dialog_;
  ui::DialogModel model_;
  HWND owner_ = nullptr;
  bool ownerWasEnabled_ = true;
};

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent)
    : m_nIDHelp(templateId), m_nIDTemplate(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog() = default;

INT_PTR CDialog::DoModal() {
  ui::Backend* backend = ui::CurrentBackend();
  const framework::DialogTemplate* source = AfxGetModuleState()->FindDialogTemplate(m_nIDTemplate);
  if (!backend || !source || m_hWnd) return -1;
  DialogSession session(*this, *source);
  return session.Run(*backend);
}

namespace {

// Replays the template's init data: every add-string entry adds an entry to its drop-down list
// (in sorted position for a sorted list).
void ExecuteInitData(CWnd& dialog, const framework::DialogTemplate& source) {
  for (const auto& entry : source.initData) {
    if (entry.message != CB_ADDSTRING_RC && entry.message != CB_ADDSTRING) continue;
    ui::Control* list =
        WindowHandles::ControlOf(WindowHandles::Child(dialog.m_hWnd, entry.controlId));
    if (!list || list->kind != ui::ControlKind::ComboBox) continue;
    auto control =
        std::find_if(source.controls.begin(), source.controls.end(),
                     [&](const framework::ControlTemplate& c) { return c.id == entry.controlId; });
    bool sorted = control != source.controls.end() && (control->style & CBS_SORT) != 0;
    auto where = sorted ? std::lower_bound(list->items.begin(), list->items.end(), entry.text)
                        : list->items.end();
    list->items.insert(where, entry.text);
  }
}

}  // namespace

BOOL CDialog::OnInitDialog() {
  if (const auto* source = AfxGetModuleState()->FindDialogTemplate(m_nIDTemplate)) {
    ExecuteInitData(*this, *source);
  }
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::EndDialog(int result) {
  if (!WindowHandles::IsLive(m_hWnd) || !m_hWnd->dialog) return;
  m_hWnd->dialog->ended = true;
  m_hWnd->dialog->result = result;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }
