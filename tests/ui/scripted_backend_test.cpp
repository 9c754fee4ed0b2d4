#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "ui/scripted_backend.h"

namespace {

// Stands in for the framework: records what the backend reports and ends the dialog on the OK
// (1) or cancel (2) commands and on a cancel request, as a dialog's owner does.
class RecordingOwner : public ui::DialogEvents {
 public:
  explicit RecordingOwner(ui::DialogModel& model) : model_(model) {}
  void OnCommand(int id, ui::Notification code) override {
    commands.emplace_back(id, code);
    if (code == ui::Notification::Clicked && (id == 1 || id == 2)) End(id);
  }
  void OnCancelRequest() override {
    ++cancelRequests;
    End(2);
  }
  std::vector<std::pair<int, ui::Notification>> commands;
  int cancelRequests = 0;

 private:
  void End(int result) {
    model_.ended = true;
    model_.result = result;
  }
  ui::DialogModel& model_;
};

ui::Control Make(ui::ControlKind kind, int id, bool tabStop = true) {
  ui::Control control;
  control.kind = kind;
  control.id = id;
  control.tabStop = tabStop;
  control.autoToggle = true;
  return control;
}

ui::DialogModel Sample() {
  using K = ui::ControlKind;
  ui::DialogModel model;
  model.caption = L"Sample";
  model.controls = {Make(K::CheckBox, 10),           Make(K::RadioButton, 20, false),
                    Make(K::RadioButton, 21, false), Make(K::Edit, 30),
                    Make(K::ComboBox, 40),           Make(K::PushButton, 1),
                    Make(K::PushButton, 2)};
  model.controls[1].group = true;
  model.controls[3].textLimit = 2;
  model.controls[4].items = {L"first", L"second"};
  model.controls[5].defaultButton = true;
  model.focus = 0;
  return model;
}

struct DialogRun {
  ui::DialogModel model = Sample();
  RecordingOwner owner{model};
  void Play(ui::ScriptedBackend& script) { ASSERT_TRUE(script.RunModal(model, owner)); }
};

TEST(UiScriptedBackend, ClicksToggleAutomaticButtonsMoveFocusAndNotify) {
  ui::ScriptedBackend script;
  script.Click(10).Click(21).Click(20).Click(10).Click(1);
  DialogRun run;
  run.Play(script);
  EXPECT_EQ(run.model.Find(10)->checked, 0) << "clicked twice";
  EXPECT_EQ(run.model.Find(20)->checked, 1);
  EXPECT_EQ(run.model.Find(21)->checked, 0) << "the group's other button is unchecked";
  EXPECT_EQ(run.model.result, 1);
  ASSERT_EQ(run.owner.commands.size(), 5u);
  EXPECT_EQ(run.owner.commands[1], std::make_pair(21, ui::Notification::Clicked));
  EXPECT_EQ(script.Dialogs().at(0).closed.focus, run.model.IndexOf(1));
}

TEST(UiScriptedBackend, SetCheckClicksOnlyWhenTheMarkDiffers) {
  ui::ScriptedBackend script;
  script.SetCheck(10, false).SetCheck(10, true).SetCheck(10, true).SetCheck(21, true);
  script.SetCheck(21, true).Click(2);
  DialogRun run;
  run.Play(script);
  EXPECT_EQ(run.model.Find(10)->checked, 1);
  EXPECT_EQ(run.model.Find(21)->checked, 1);
  ASSERT_EQ(run.owner.commands.size(), 3u) << "one click on 10, one on 21, Cancel";
  ui::ScriptedBackend unchecking;
  unchecking.SetCheck(21, false);
  DialogRun again;
  again.model.Find(21)->checked = 1;
  EXPECT_THROW(unchecking.RunModal(again.model, again.owner), ui::ScriptError);
}

TEST(UiScriptedBackend, TypingReplacesTheTextAndStopsAtTheLimit) {
  ui::ScriptedBackend script;
  script.Type(30, L"abc").Press(ui::Key::Enter);
  DialogRun run;
  run.Play(script);
  EXPECT_EQ(run.model.Find(30)->text, L"ab");
  EXPECT_EQ(run.owner.commands.front(), std::make_pair(30, ui::Notification::TextChanged));
  EXPECT_EQ(run.model.result, 1) << "Enter in an edit field presses the default button";
}

TEST(UiScriptedBackend, ChoosingAnEntrySelectsItByIndexOrText) {
  ui::ScriptedBackend script;
  script.Choose(40, L"second").Observe([](const ui::DialogModel& m) {
    EXPECT_EQ(m.Find(40)->selected, 1);
  });
  script.Choose(40, 0).Press(ui::Key::Escape);
  DialogRun run;
  run.Play(script);
  EXPECT_EQ(run.model.Find(40)->selected, 0);
  EXPECT_EQ(run.model.result, 2);
}

TEST(UiScriptedBackend, EnterPressesTheFocusedPushButton) {
  ui::ScriptedBackend script;
  script.Press(ui::Key::ShiftTab).Press(ui::Key::Enter);  // wraps from the check box to Cancel
  DialogRun run;
  run.Play(script);
  EXPECT_EQ(run.model.result, 2);
}

TEST(UiScriptedBackend, EnterDoesNothingWhenTheDefaultButtonIsDisabled) {
  ui::ScriptedBackend script;
  script.Press(ui::Key::Enter);
  DialogRun run;
  run.model.Find(1)->enabled = false;
  run.Play(script);
  EXPECT_TRUE(run.owner.commands.empty());
  EXPECT_TRUE(script.Dialogs().at(0).scriptRanOut);
}

TEST(UiScriptedBackend, ActionsAPersonCouldNotDoAreScriptErrors) {
  struct Case {
    const char* name;
    std::function<void(ui::ScriptedBackend&)> add;
    const char* message;
  };
  const Case cases[] = {
      {"missing", [](auto& s) { s.Click(99); }, "control 99 does not exist"},
      {"disabled", [](auto& s) { s.Click(10); }, "control 10 is disabled"},
      {"not an edit", [](auto& s) { s.Type(40, L"x"); }, "control 40 is not an edit field"},
      {"no such entry", [](auto& s) { s.Choose(40, L"third"); }, "has no entry \"third\""},
      {"index", [](auto& s) { s.Choose(40, 2); }, "has no entry 2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ui::ScriptedBackend script;
    c.add(script);
    DialogRun run;
    run.model.Find(10)->enabled = false;
    try {
      script.RunModal(run.model, run.owner);
      ADD_FAILURE() << "no ScriptError";
    } catch (const ui::ScriptError& error) {
      EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
      EXPECT_NE(std::string(error.what()).find("\"Sample\""), std::string::npos);
    }
  }
}

TEST(UiScriptedBackend, ARunOutScriptAndTheCloseBoxCancel) {
  ui::ScriptedBackend script;
  script.Press(ui::Key::CloseBox);
  DialogRun first;
  first.Play(script);
  EXPECT_EQ(first.owner.cancelRequests, 1);
  EXPECT_FALSE(script.Dialogs().at(0).scriptRanOut);
  DialogRun second;
  second.Play(script);
  EXPECT_EQ(second.owner.cancelRequests, 1);
  EXPECT_TRUE(script.Dialogs().at(1).scriptRanOut);
  EXPECT_EQ(script.Dialogs().at(1).opened.caption, L"Sample");
}

TEST(UiScriptedBackend, MessageBoxesTakeQueuedAnswersElseTheirFirstButton) {
  ui::ScriptedBackend script;
  script.AnswerMessageBox(ui::Answer::No).AnswerMessageBox(ui::Answer::Retry);
  ui::MessageBoxRequest yesNo{L"Replace?", L"Confirm", ui::MessageIcon::Warning,
                              ui::MessageButtons::YesNo, L"Main"};
  EXPECT_EQ(script.ShowMessageBox(yesNo), ui::Answer::No);
  EXPECT_EQ(script.ShowMessageBox(yesNo), ui::Answer::Yes) << "Retry is no button of Yes/No";
  ui::MessageBoxRequest ok{L"Done", L"Title", ui::MessageIcon::Information, ui::MessageButtons::Ok,
                           L""};
  EXPECT_EQ(script.ShowMessageBox(ok), ui::Answer::Ok);
  ASSERT_EQ(script.MessageBoxes().size(), 3u);
  EXPECT_EQ(script.MessageBoxes()[0].request.text, L"Replace?");
  EXPECT_EQ(script.MessageBoxes()[0].request.icon, ui::MessageIcon::Warning);
  EXPECT_EQ(script.MessageBoxes()[1].answer, ui::Answer::Yes);
}

TEST(UiScriptedBackend, FileDialogsTakeQueuedAnswersElseCancel) {
  ui::ScriptedBackend script;
  script.AnswerFileDialog(L"/tmp/a.txt").CancelFileDialog();
  ui::FileDialogRequest request;
  request.initialName = L"Export.txt";
  EXPECT_EQ(script.ShowFileDialog(request), std::optional<std::wstring>(L"/tmp/a.txt"));
  EXPECT_EQ(script.ShowFileDialog(request), std::nullopt);
  EXPECT_EQ(script.ShowFileDialog(request), std::nullopt);
  EXPECT_EQ(script.FileDialogs().size(), 3u);
}

TEST(UiBackend, ScopedBackendPutsThePreviousOneBack) {
  ui::ScriptedBackend outer;
  ui::ScriptedBackend inner;
  ui::ScopedBackend a(&outer);
  {
    ui::ScopedBackend b(&inner);
    EXPECT_EQ(ui::CurrentBackend(), &inner);
  }
  EXPECT_EQ(ui::CurrentBackend(), &outer);
}

}  // namespace
