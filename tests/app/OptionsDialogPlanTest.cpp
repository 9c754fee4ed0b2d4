#include "app/OptionsDialogPlan.h"

#include <gtest/gtest.h>

namespace app {
namespace {

using namespace options_dialog;

constexpr int kSubOptions[] = {kEndPoints, kMidPoints,     kCenterPoints,
                               kVertices,  kControlPoints, kText};

ui::Control Box(ui::ControlKind kind, int id, int checked) {
  ui::Control control;
  control.kind = kind;
  control.id = id;
  control.checked = checked;
  return control;
}

// The dialog as it shows stored options: `checks` holds 0/1 for 204..211 and 224 in id order.
ui::DialogModel Shown(const std::string& checks, int format, int delimiter) {
  ui::DialogModel model;
  const int ids[] = {kPoints,   kExtract,       kEndPoints, kMidPoints,   kCenterPoints,
                     kVertices, kControlPoints, kText,      kCreatePoints};
  for (size_t i = 0; i < std::size(ids); ++i) {
    model.controls.push_back(Box(ui::ControlKind::CheckBox, ids[i], checks[i] == '1'));
  }
  ui::Control combo = Box(ui::ControlKind::ComboBox, kFormat, 0);
  combo.selected = format;
  model.controls.push_back(combo);
  for (int i = 0; i < 5; ++i) {
    model.controls.push_back(
        Box(ui::ControlKind::RadioButton, kFirstDelimiter + i, i == delimiter));
  }
  model.controls.push_back(Box(ui::ControlKind::Edit, kOtherText, 0));
  model.controls.push_back(Box(ui::ControlKind::PushButton, kOk, 0));
  return model;
}

// Plays a plan as the dialog reacts: sub-options are disabled while Extract is cleared, and a
// click on a disabled control is a failed script.
void Play(ui::DialogModel& model, const std::vector<DialogAction>& plan) {
  for (const DialogAction& action : plan) {
    ui::Control* control = model.Find(action.controlId);
    ASSERT_NE(control, nullptr) << action.controlId;
    const bool extract = model.Find(kExtract)->checked == 1;
    for (const int id : kSubOptions) {
      if (action.controlId == id) {
        ASSERT_TRUE(extract) << "clicked disabled " << id;
      }
    }
    if (action.kind == DialogAction::Kind::kChoose) control->selected = action.index;
    if (action.kind == DialogAction::Kind::kType) {
      ASSERT_EQ(model.Find(kFirstDelimiter + 4)->checked, 1) << "typed into a disabled field";
      control->text = action.text;
    }
    if (action.kind != DialogAction::Kind::kClick || action.controlId == kOk) continue;
    if (control->kind == ui::ControlKind::RadioButton) {
      model.CheckRadioInGroup(model.IndexOf(action.controlId));
    } else {
      control->checked = !control->checked;
    }
  }
  ASSERT_FALSE(plan.empty());
  EXPECT_EQ(plan.back(), (DialogAction{DialogAction::Kind::kClick, kOk, L"", -1}));
}

std::string Checks(const ui::DialogModel& model) {
  std::string checks;
  for (const int id : {kPoints, kExtract, kEndPoints, kMidPoints, kCenterPoints, kVertices,
                       kControlPoints, kText, kCreatePoints}) {
    checks += model.Find(id)->checked ? '1' : '0';
  }
  return checks;
}

OptionFlags Flags(std::initializer_list<std::pair<CheckOption, bool>> checks) {
  OptionFlags flags;
  for (const auto& [option, on] : checks) flags.Check(option) = on;
  return flags;
}

TEST(app_OptionsDialogPlan, CheckBoxesEndAsTheFlagsSayWithoutTouchingDisabledOnes) {
  using O = CheckOption;
  struct Case {
    const char* name;
    const char* shown;  // points extract end mid center vertices control text create
    OptionFlags flags;
    const char* result;
  };
  const Case cases[] = {
      {"no flags keep the stored options", "110101010", {}, "110101010"},
      {"clearing extract after the sub-options", "111111110",
       Flags({{O::kExtract, false}, {O::kEndPoints, false}, {O::kText, false}}), "100111100"},
      {"setting extract before the sub-options", "000000000",
       Flags({{O::kMidPoints, true}, {O::kExtract, true}, {O::kVertices, true}}), "010101000"},
      {"sub-options change while extract stays cleared", "100000000",
       Flags({{O::kEndPoints, true}, {O::kControlPoints, true}}), "101000100"},
      {"points and create points are always enabled", "011111110",
       Flags({{O::kPoints, true}, {O::kCreatePoints, true}}), "111111111"},
      {"flags that match the shown state click nothing", "111111111",
       Flags({{O::kExtract, true}, {O::kText, true}}), "111111111"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ui::DialogModel model = Shown(c.shown, 0, 2);
    const std::vector<DialogAction> plan = PlanOptionsDialog(model, c.flags);
    Play(model, plan);
    EXPECT_EQ(Checks(model), c.result);
  }
}

TEST(app_OptionsDialogPlan, NoFlagsIsJustOk) {
  const ui::DialogModel model = Shown("111111110", 0, 2);
  EXPECT_EQ(PlanOptionsDialog(model, {}).size(), 1u);
}

TEST(app_OptionsDialogPlan, FormatAndDelimiter) {
  OptionFlags flags;
  flags.format = CoordinateOrder::kYxz;
  flags.delimiter = DelimiterChoice::kOther;
  flags.otherText = L"|";
  ui::DialogModel model = Shown("111111110", 0, 2);
  Play(model, PlanOptionsDialog(model, flags));
  EXPECT_EQ(model.Find(kFormat)->selected, 1);
  EXPECT_EQ(model.Find(kFirstDelimiter + 4)->checked, 1);
  EXPECT_EQ(model.Find(kFirstDelimiter + 2)->checked, 0);
  EXPECT_EQ(model.Find(kOtherText)->text, L"|");

  flags.delimiter = DelimiterChoice::kTab;  // from a stored index outside the group
  ui::DialogModel none = Shown("111111110", -1, -1);
  Play(none, PlanOptionsDialog(none, flags));
  EXPECT_EQ(none.Find(kFirstDelimiter)->checked, 1);
  EXPECT_EQ(none.Find(kOtherText)->text, L"");  // untouched
}

TEST(app_OptionsDialogPlan, EmptyOtherTextIsTypedToo) {
  OptionFlags flags;
  flags.delimiter = DelimiterChoice::kOther;
  ui::DialogModel model = Shown("111111110", 0, 4);
  model.Find(kOtherText)->text = L"x";
  Play(model, PlanOptionsDialog(model, flags));
  EXPECT_EQ(model.Find(kOtherText)->text, L"");
}

}  // namespace
}  // namespace app
