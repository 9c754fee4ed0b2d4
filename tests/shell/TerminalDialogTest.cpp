// The terminal backend's parts that need no screen: dialog units to cells, what each control
// shows, the keyboard rules played on a dialog model, and Tab completion of paths.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>

#include "ui/dialog_keys.h"
#include "ui/terminal_backend.h"
#include "ui/terminal_layout.h"

namespace shell::test {
namespace {

using ::testing::ElementsAre;
using ui::ControlKind;
using ui::DialogKey;

struct Event {
  int id;
  ui::Notification code;
  bool operator==(const Event&) const = default;
};

class RecordedEvents : public ui::DialogEvents {
 public:
  void OnCommand(int controlId, ui::Notification code) override {
    events.push_back({controlId, code});
  }
  void OnCancelRequest() override { ++cancels; }

  std::vector<Event> events;
  int cancels = 0;
};

ui::Control MakeControl(ControlKind kind, int id, std::wstring text, ui::Rect rect, bool tabStop,
                        bool group = false) {
  ui::Control control;
  control.kind = kind;
  control.id = id;
  control.text = std::move(text);
  control.rect = rect;
  control.tabStop = tabStop;
  control.group = group;
  control.autoToggle = kind == ControlKind::CheckBox || kind == ControlKind::RadioButton;
  return control;
}

// A part of the options dialog's template: a check box with a long caption, a drop-down list,
// the delimiter radio group with its Other field, the buttons and the labels that end the group.
ui::DialogModel OptionsLikeDialog() {
  ui::DialogModel dialog;
  dialog.caption = L"Options";
  dialog.rect = {0, 0, 257, 204};
  auto add = [&dialog](ui::Control control) { dialog.controls.push_back(std::move(control)); };
  add(MakeControl(ControlKind::CheckBox, 204, L"Export point objects", {7, 7, 78, 10}, true));
  add(MakeControl(ControlKind::CheckBox, 209,
                  L"Vertices of polyline, multiline, mesh, 2d solid and 3d face objects",
                  {21, 91, 217, 10}, true));
  ui::Control combo = MakeControl(ControlKind::ComboBox, 212, L"", {40, 122, 50, 72}, true);
  combo.items = {L"X, Y, Z", L"Y, X, Z"};
  combo.selected = 0;
  add(combo);
  add(MakeControl(ControlKind::RadioButton, 219, L"Tab", {40, 140, 29, 10}, false, true));
  add(MakeControl(ControlKind::RadioButton, 220, L"Semicolon", {70, 140, 49, 10}, false));
  add(MakeControl(ControlKind::RadioButton, 221, L"Comma", {120, 140, 39, 10}, false));
  add(MakeControl(ControlKind::RadioButton, 223, L"Other", {198, 140, 33, 10}, false));
  ui::Control edit = MakeControl(ControlKind::Edit, 218, L"", {232, 139, 18, 12}, true);
  edit.textLimit = 1;
  add(edit);
  ui::Control ok = MakeControl(ControlKind::PushButton, 1, L"&OK", {75, 183, 50, 14}, true);
  ok.defaultButton = true;
  add(ok);
  add(MakeControl(ControlKind::PushButton, 2, L"&Cancel", {133, 183, 50, 14}, true));
  add(MakeControl(ControlKind::Static, -1, L"Format", {7, 124, 22, 8}, false, true));
  dialog.controls[5].checked = 1;  // Comma
  return dialog;
}

int Index(const ui::DialogModel& dialog, int id) { return dialog.IndexOf(id); }

TEST(shell_TerminalLayout, DialogUnitsToCells) {
  struct Case {
    ui::Rect units;
    int column, row, width, height;
  };
  const Case cases[] = {
      {{0, 0, 4, 8}, 0, 0, 1, 1},         {{7, 7, 78, 10}, 1, 0, 20, 1},
      {{3, 15, 1, 1}, 0, 1, 1, 1},        {{75, 183, 50, 14}, 18, 22, 13, 1},
      {{232, 139, 18, 12}, 58, 17, 5, 1}, {{0, 0, 257, 204}, 0, 0, 65, 25},
  };
  for (const Case& c : cases) {
    const ui::CellRect cells = ui::ToCells(c.units);
    EXPECT_EQ(cells.column, c.column) << c.units.x;
    EXPECT_EQ(cells.row, c.row) << c.units.y;
    EXPECT_EQ(cells.width, c.width) << c.units.width;
    EXPECT_EQ(cells.height, c.height) << c.units.height;
  }
}

TEST(shell_TerminalLayout, ControlTexts) {
  EXPECT_EQ(ui::WithoutMnemonics(L"&OK"), L"OK");
  EXPECT_EQ(ui::WithoutMnemonics(L"Save && E&xit"), L"Save & Exit");
  ui::DialogModel dialog = OptionsLikeDialog();
  EXPECT_EQ(ui::ControlText(dialog.controls[0], 20), L"[ ] Export point objects");
  dialog.controls[0].checked = 1;
  EXPECT_EQ(ui::ControlText(dialog.controls[0], 20), L"[x] Export point objects");
  EXPECT_EQ(ui::ControlText(dialog.controls[5], 10), L"(*) Comma");
  EXPECT_EQ(ui::ControlText(dialog.controls[2], 13), L"[X, Y, Z   v]");
  EXPECT_EQ(ui::ControlText(dialog.controls[7], 5), L"[   ]");
  dialog.controls[7].text = L"ab";  // longer than the field: shown whole
  EXPECT_EQ(ui::ControlText(dialog.controls[7], 3), L"[ab]");
  EXPECT_EQ(ui::ControlText(dialog.controls[8], 13), L"<    OK     >");
}

TEST(shell_TerminalLayout, CaptionsReadInFullUnlessTheNextControlOnTheRowBegins) {
  const ui::DialogModel dialog = OptionsLikeDialog();
  const ui::DialogLayout layout = ui::LayoutDialog(dialog);
  std::vector<std::pair<int, std::wstring>> radioRow;
  for (const ui::PlacedControl& placed : layout.controls) {
    if (placed.cells.row == 17) radioRow.emplace_back(placed.cells.column, placed.text);
  }
  EXPECT_THAT(radioRow, ElementsAre(std::pair{10, std::wstring(L"( ) Tab")},
                                    std::pair{17, std::wstring(L"( ) Semicolon")},
                                    std::pair{30, std::wstring(L"(*) Comma")},
                                    std::pair{49, std::wstring(L"( ) Other")},
                                    std::pair{58, std::wstring(L"[   ]")}));
  // The vertices caption runs past the template's 64 columns; the dialog grows to hold it.
  const ui::PlacedControl& vertices = layout.controls[1];
  EXPECT_EQ(vertices.text, L"[ ] " + dialog.controls[1].text);
  EXPECT_EQ(layout.width, 5 + 4 + 67 + 1);
  EXPECT_EQ(layout.height, 26);
  EXPECT_EQ(layout.controls[2].cells.height, 1) << "a closed drop-down list is one row";
}

TEST(shell_TerminalLayout, ClippedWhereTheNextControlBegins) {
  ui::DialogModel dialog;
  dialog.rect = {0, 0, 80, 16};
  dialog.controls.push_back(
      MakeControl(ControlKind::Static, -1, L"A rather long label", {0, 0, 20, 8}, false));
  dialog.controls.push_back(MakeControl(ControlKind::Static, -1, L"Next", {32, 0, 16, 8}, false));
  const ui::DialogLayout layout = ui::LayoutDialog(dialog);
  EXPECT_EQ(layout.controls[0].text, L"A rather");
  EXPECT_EQ(layout.controls[1].text, L"Next");
}

TEST(shell_DialogKeys, TabSkipsRadioButtonsAndDisabledControls) {
  ui::DialogModel dialog = OptionsLikeDialog();
  dialog.controls[Index(dialog, 209)].enabled = false;
  dialog.controls[Index(dialog, 218)].enabled = false;
  RecordedEvents events;
  dialog.focus = 0;
  std::vector<int> visited;
  for (int i = 0; i < 4; ++i) {
    ui::PressDialogKey(dialog, events, DialogKey::Tab);
    visited.push_back(dialog.controls[static_cast<size_t>(dialog.focus)].id);
  }
  EXPECT_THAT(visited, ElementsAre(212, 1, 2, 204));
  ui::PressDialogKey(dialog, events, DialogKey::ShiftTab);
  EXPECT_EQ(dialog.focus, Index(dialog, 2));
  EXPECT_TRUE(events.events.empty()) << "moving the focus notifies nobody";
}

TEST(shell_DialogKeys, ArrowsChooseInsideTheRadioGroupPassingDisabledButtons) {
  ui::DialogModel dialog = OptionsLikeDialog();
  dialog.controls[Index(dialog, 220)].enabled = false;
  RecordedEvents events;
  dialog.focus = Index(dialog, 221);
  ui::PressDialogKey(dialog, events, DialogKey::Left);  // over disabled Semicolon to Tab
  EXPECT_EQ(dialog.focus, Index(dialog, 219));
  EXPECT_EQ(dialog.Find(219)->checked, 1);
  EXPECT_EQ(dialog.Find(221)->checked, 0);
  ui::PressDialogKey(dialog, events, DialogKey::Up);  // wraps to the group's last, Other
  EXPECT_EQ(dialog.focus, Index(dialog, 223));
  EXPECT_EQ(dialog.Find(223)->checked, 1);
  EXPECT_EQ(dialog.Find(219)->checked, 0);
  EXPECT_THAT(events.events, ElementsAre(Event{219, ui::Notification::Clicked},
                                         Event{223, ui::Notification::Clicked}));
}

TEST(shell_DialogKeys, SpaceEnterEscapeAndTyping) {
  ui::DialogModel dialog = OptionsLikeDialog();
  RecordedEvents events;
  dialog.focus = 0;
  ui::PressDialogKey(dialog, events, DialogKey::Space);
  EXPECT_EQ(dialog.controls[0].checked, 1);
  dialog.focus = Index(dialog, 212);
  ui::PressDialogKey(dialog, events, DialogKey::Down);
  ui::PressDialogKey(dialog, events, DialogKey::Down);  // no entry after the last
  EXPECT_EQ(dialog.Find(212)->selected, 1);
  ui::PressDialogKey(dialog, events, DialogKey::Space);  // Space wraps around
  EXPECT_EQ(dialog.Find(212)->selected, 0);
  dialog.focus = Index(dialog, 218);
  EXPECT_TRUE(ui::TypeIntoDialog(dialog, events, L';'));
  EXPECT_FALSE(ui::TypeIntoDialog(dialog, events, L'x')) << "the field holds one character";
  EXPECT_EQ(dialog.Find(218)->text, L";");
  ui::PressDialogKey(dialog, events, DialogKey::Enter);  // the default button
  dialog.focus = Index(dialog, 2);
  ui::PressDialogKey(dialog, events, DialogKey::Enter);  // the focused button
  ui::PressDialogKey(dialog, events, DialogKey::Escape);
  EXPECT_THAT(events.events, ElementsAre(Event{204, ui::Notification::Clicked},
                                         Event{212, ui::Notification::SelectionChanged},
                                         Event{212, ui::Notification::SelectionChanged},
                                         Event{218, ui::Notification::TextChanged},
                                         Event{1, ui::Notification::Clicked},
                                         Event{2, ui::Notification::Clicked}));
  EXPECT_EQ(events.cancels, 1);
}

TEST(shell_DialogKeys, ClicksOnDisabledControlsAndLabelsDoNothing) {
  ui::DialogModel dialog = OptionsLikeDialog();
  dialog.controls[0].enabled = false;
  RecordedEvents events;
  dialog.focus = Index(dialog, 1);
  ui::ClickDialogControl(dialog, events, 0);
  ui::ClickDialogControl(dialog, events, 10);  // the "Format" label
  EXPECT_EQ(dialog.focus, Index(dialog, 1));
  EXPECT_EQ(dialog.controls[0].checked, 0);
  ui::ClickDialogControl(dialog, events, Index(dialog, 219));
  EXPECT_EQ(dialog.Find(219)->checked, 1);
  EXPECT_THAT(events.events, ElementsAre(Event{219, ui::Notification::Clicked}));
}

TEST(shell_PathCompletion, CompletesToTheCommonPartAndMarksFolders) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("quorlex-complete-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder / "alps");
  std::ofstream(folder / "alpha.txt") << "";
  std::ofstream(folder / "beta.txt") << "";
  const std::string base = folder.string() + "/";
  std::vector<std::string> candidates;
  EXPECT_EQ(ui::CompletePath(base + "al", &candidates), base + "alp");
  EXPECT_THAT(candidates, ElementsAre("alpha.txt", "alps/"));
  EXPECT_EQ(ui::CompletePath(base + "alps"), base + "alps/");
  EXPECT_EQ(ui::CompletePath(base + "b"), base + "beta.txt");
  EXPECT_EQ(ui::CompletePath(base + "z", &candidates), base + "z");
  EXPECT_TRUE(candidates.empty());
  EXPECT_EQ(ui::CompletePath(base + "missing/x"), base + "missing/x");
  std::filesystem::remove_all(folder);
}

TEST(shell_MessageBoxes, ButtonsAndIconMarks) {
  EXPECT_THAT(ui::ButtonsOf(ui::MessageButtons::YesNoCancel),
              ElementsAre(ui::Answer::Yes, ui::Answer::No, ui::Answer::Cancel));
  EXPECT_EQ(ui::ButtonsOf(ui::MessageButtons::AbortRetryIgnore).front(), ui::Answer::Abort);
  EXPECT_EQ(ui::IconMark(ui::MessageIcon::Warning), L"(!)");
  EXPECT_EQ(ui::IconMark(ui::MessageIcon::None), L"");
  EXPECT_EQ(ui::ButtonCaption(ui::Answer::Retry), L"Retry");
}

}  // namespace
}  // namespace shell::test
