#include <gtest/gtest.h>

#include "afxwin.h"
#include "ui/scripted_backend.h"

namespace {

const char kSampleScript[] = R"(
300 DIALOGEX 0, 0, 200, 100
STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU
CAPTION "Sample"
FONT 8, "MS Sans Serif"
BEGIN
    AUTOCHECKBOX    "First",10,5,5,50,10
    CONTROL         "A",20,"Button",BS_AUTORADIOBUTTON | WS_GROUP,5,20,20,10
    EDITTEXT        30,30,20,20,12,ES_AUTOHSCROLL
    CONTROL         "B",21,"Button",BS_AUTORADIOBUTTON,55,20,20,10
    CONTROL         "C",22,"Button",BS_AUTORADIOBUTTON | WS_GROUP,80,20,20,10
    COMBOBOX        40,5,40,60,50,CBS_DROPDOWNLIST | CBS_SORT | WS_TABSTOP
    AUTOCHECKBOX    "Last",11,5,60,50,10
    DEFPUSHBUTTON   "OK",IDOK,40,80,50,14
    PUSHBUTTON      "Cancel",IDCANCEL,100,80,50,14
END
300 DLGINIT
BEGIN
    40, 0x403, 5, 0
"zeta\000"
    40, 0x403, 6, 0
0x6c61, 0x6870, 0x0061,
    0
END
)";

class SampleDlg : public CDialog {
 public:
  explicit SampleDlg(CWnd* parent = nullptr) : CDialog(300, parent) {}
  int first = 0;
  int radio = -1;
  CString text;
  int combo = -1;
  int last = 0;
  int firstClicks = 0;
  int exchanges = 0;

 protected:
  void DoDataExchange(CDataExchange* dx) override {
    ++exchanges;
    DDX_Check(dx, 10, first);
    DDX_Text(dx, 30, text);
    DDV_MaxChars(dx, text, 3);
    DDX_Radio(dx, 20, radio);
    DDX_CBIndex(dx, 40, combo);
    DDX_Check(dx, 11, last);
  }
  void OnFirstClicked() { ++firstClicks; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SampleDlg, CDialog)
ON_BN_CLICKED(10, OnFirstClicked)
END_MESSAGE_MAP()

class FrameworkDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    AfxGetStaticModuleState()->RemoveResourceScripts();
    ASSERT_TRUE(AfxRegisterResourceScript(kSampleScript, "sample.rc"))
        << AfxGetStaticModuleState()->LastResourceError();
  }
  INT_PTR RunModal(SampleDlg& dialog) {
    AFX_MAINTAIN_STATE2 state(AfxGetStaticModuleState());
    return dialog.DoModal();
  }
  ui::ScriptedBackend script;
  ui::ScopedBackend installed{&script};
};

TEST_F(FrameworkDialog, ShowsTheMembersAndReadsThemBackOnOk) {
  SampleDlg dialog;
  dialog.first = 1;
  dialog.radio = 1;
  dialog.text = L"ab";
  dialog.combo = 1;
  script.Observe([](const ui::DialogModel& m) {
    EXPECT_EQ(m.caption, L"Sample");
    EXPECT_EQ(m.Find(10)->checked, 1);
    EXPECT_EQ(m.Find(20)->checked, 0);
    EXPECT_EQ(m.Find(21)->checked, 1);
    EXPECT_EQ(m.Find(30)->text, L"ab");
    EXPECT_EQ(m.Find(30)->textLimit, 3u);
    EXPECT_EQ(m.Find(40)->items, (std::vector<std::wstring>{L"alpha", L"zeta"}));
    EXPECT_EQ(m.Find(40)->selected, 1);
    EXPECT_EQ(m.Focused()->id, 10) << "the first tab stop has the focus";
  });
  script.Click(20).Choose(40, L"alpha").Type(30, L"xyzw").Click(11).Click(IDOK);
  EXPECT_EQ(RunModal(dialog), IDOK);
  EXPECT_EQ(dialog.radio, 0);
  EXPECT_EQ(dialog.combo, 0);
  EXPECT_EQ(dialog.text, L"xyz");
  EXPECT_EQ(dialog.last, 1);
  EXPECT_EQ(dialog.m_hWnd, nullptr) << "the window is gone after the modal loop";
}

TEST_F(FrameworkDialog, CancelDoesNotReadTheControls) {
  for (ui::Key key : {ui::Key::Escape, ui::Key::CloseBox}) {
    SampleDlg dialog;
    script.Click(10).Press(key);
    EXPECT_EQ(RunModal(dialog), IDCANCEL);
    EXPECT_EQ(dialog.first, 0);
    EXPECT_EQ(dialog.exchanges, 1) << "only the transfer to the controls";
  }
  SampleDlg dialog;
  script.Click(IDCANCEL);
  EXPECT_EQ(RunModal(dialog), IDCANCEL);
}

TEST_F(FrameworkDialog, RadioIndexCountsOnlyTheGroupsRadioButtons) {
  struct Case {
    int click;
    int expected;
  };
  for (Case c : {Case{20, 0}, Case{21, 1}, Case{22, -1}}) {
    SCOPED_TRACE(c.click);
    SampleDlg dialog;
    dialog.radio = 7;  // outside the group: nothing checked
    script.Observe(
        [](const ui::DialogModel& m) { EXPECT_EQ(m.Find(20)->checked + m.Find(21)->checked, 0); });
    script.Click(c.click).Click(IDOK);
    EXPECT_EQ(RunModal(dialog), IDOK);
    EXPECT_EQ(dialog.radio, c.expected);
  }
}

TEST_F(FrameworkDialog, ValidationFailurePromptsFocusesAndStopsTheExchange) {
  SampleDlg dialog;
  dialog.text = L"abcd";  // longer than the limit: only code can put it there
  script.Observe([](const ui::DialogModel& m) { EXPECT_EQ(m.Find(30)->text, L"abcd"); });
  script.Click(21).Click(11).Click(IDOK);
  script.Observe([&](const ui::DialogModel& m) {
    EXPECT_FALSE(m.ended) << "OK is refused";
    EXPECT_EQ(m.Focused()->id, 30);
    EXPECT_EQ(dialog.radio, -1) << "fields after the failed one are not read back";
    EXPECT_EQ(dialog.last, 0);
  });
  script.Type(30, L"ab").Click(IDOK);
  EXPECT_EQ(RunModal(dialog), IDOK);
  ASSERT_EQ(script.MessageBoxes().size(), 1u);
  const ui::MessageBoxRequest& prompt = script.MessageBoxes()[0].request;
  EXPECT_EQ(prompt.text, L"Please enter no more than 3 characters.");
  EXPECT_EQ(prompt.icon, ui::MessageIcon::Warning);
  EXPECT_EQ(prompt.owner, L"Sample") << "the running dialog owns the prompt";
  EXPECT_EQ(dialog.radio, 1);
  EXPECT_EQ(dialog.last, 1);
}

TEST_F(FrameworkDialog, MessageMapRoutesClicksToTheHandler) {
  SampleDlg dialog;
  script.Click(10).Click(11).Click(10).Press(ui::Key::Escape);
  RunModal(dialog);
  EXPECT_EQ(dialog.firstClicks, 2);
}

TEST_F(FrameworkDialog, TheOwnerIsDisabledWhileTheDialogRuns) {
  CWnd main;
  ASSERT_TRUE(main.CreateTopLevel(L"Main window"));
  SampleDlg dialog(&main);
  script.Observe([&](const ui::DialogModel&) { EXPECT_FALSE(main.IsWindowEnabled()); });
  script.Press(ui::Key::Enter);
  EXPECT_EQ(RunModal(dialog), IDOK) << "Enter presses the default button";
  EXPECT_TRUE(main.IsWindowEnabled());
}

TEST_F(FrameworkDialog, ControlsAreReachableThroughTheirHandles) {
  SampleDlg dialog;
  script.Observe([&](const ui::DialogModel& m) {
    CWnd* edit = dialog.GetDlgItem(30);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(CWnd::FromHandle(edit->m_hWnd), edit);
    EXPECT_EQ(edit->GetDlgCtrlID(), 30);
    EXPECT_EQ(edit->EnableWindow(FALSE), FALSE) << "it was enabled";
    EXPECT_FALSE(m.Find(30)->enabled);
    EXPECT_EQ(dialog.GetDlgItem(999), nullptr);
    edit->SetWindowText(L"set");
  });
  script.Press(ui::Key::Tab).Observe([](const ui::DialogModel& m) {
    EXPECT_EQ(m.Focused()->id, 40) << "Tab skips radio buttons and the disabled edit field";
  });
  script.Click(IDOK);
  RunModal(dialog);
  EXPECT_EQ(dialog.text, L"set");
}

TEST_F(FrameworkDialog, DoModalFailsWithoutTemplateOrBackend) {
  SampleDlg dialog;
  {
    AFX_MAINTAIN_STATE2 program(AfxGetAppModuleState());
    EXPECT_EQ(dialog.DoModal(), -1) << "the template belongs to another module";
  }
  ui::ScopedBackend none(nullptr);
  EXPECT_EQ(RunModal(dialog), -1);
  EXPECT_EQ(dialog.exchanges, 0);
}

TEST_F(FrameworkDialog, ABadScriptIsRefusedAndKeepsItsError) {
  AFX_MODULE_STATE* state = AfxGetStaticModuleState();
  EXPECT_FALSE(state->AddResourceScript("300 DIALOGEX 0,0,1\n", "broken.rc"));
  EXPECT_EQ(state->LastResourceError(),
            "broken.rc:2: expected ',' after the dialog's width, "
            "found the end of the script");
  SampleDlg dialog;
  script.Press(ui::Key::Escape);
  EXPECT_EQ(RunModal(dialog), IDCANCEL) << "the earlier script's template is still there";
}

}  // namespace
