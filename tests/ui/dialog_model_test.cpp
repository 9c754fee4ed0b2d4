#include <gtest/gtest.h>

#include "ui/dialog_model.h"

namespace {

ui::Control Make(ui::ControlKind kind, int id, bool tabStop, bool group = false) {
  ui::Control control;
  control.kind = kind;
  control.id = id;
  control.tabStop = tabStop;
  control.group = group;
  return control;
}

// check(1) radio(2,group) radio(3) edit(4) radio(5) label(-1,group) radio(6) button(7)
ui::DialogModel Sample() {
  using K = ui::ControlKind;
  ui::DialogModel model;
  model.controls = {Make(K::CheckBox, 1, true),     Make(K::RadioButton, 2, false, true),
                    Make(K::RadioButton, 3, false), Make(K::Edit, 4, true),
                    Make(K::RadioButton, 5, false), Make(K::Static, -1, false, true),
                    Make(K::RadioButton, 6, true),  Make(K::PushButton, 7, true)};
  return model;
}

TEST(UiDialogModel, TabOrderVisitsOnlyEnabledTabStopsAndWraps) {
  ui::DialogModel model = Sample();
  EXPECT_EQ(model.FirstTabStop(), 0);
  EXPECT_EQ(model.NextTabStop(0, true), 3);
  EXPECT_EQ(model.NextTabStop(3, true), 6);
  EXPECT_EQ(model.NextTabStop(7, true), 0);
  EXPECT_EQ(model.NextTabStop(0, false), 7);
  model.controls[3].enabled = false;
  EXPECT_EQ(model.NextTabStop(0, true), 6);
  model.controls[6].visible = false;
  EXPECT_EQ(model.NextTabStop(0, true), 7);
}

TEST(UiDialogModel, TabStopIsMinusOneWhenNothingCanTakeFocus) {
  ui::DialogModel model;
  EXPECT_EQ(model.FirstTabStop(), -1);
  model.controls = {Make(ui::ControlKind::Static, -1, true)};
  EXPECT_EQ(model.FirstTabStop(), -1);
}

TEST(UiDialogModel, RadioGroupRunsToTheNextGroupAndCountsOnlyRadioButtons) {
  ui::DialogModel model = Sample();
  EXPECT_EQ(model.RadioGroupFrom(1), (std::vector<int>{1, 2, 4}));
  EXPECT_EQ(model.RadioGroupFrom(6), (std::vector<int>{6}));
  model.controls[4].checked = 1;
  model.controls[6].checked = 1;
  model.CheckRadioInGroup(2);
  EXPECT_EQ(model.controls[1].checked, 0);
  EXPECT_EQ(model.controls[2].checked, 1);
  EXPECT_EQ(model.controls[4].checked, 0);
  EXPECT_EQ(model.controls[6].checked, 1) << "a radio button of another group is left alone";
}

TEST(UiDialogModel, FindIgnoresUnaddressedControls) {
  ui::DialogModel model = Sample();
  EXPECT_EQ(model.Find(ui::kNoControlId), nullptr);
  ASSERT_NE(model.Find(4), nullptr);
  EXPECT_EQ(model.Find(4)->kind, ui::ControlKind::Edit);
  EXPECT_EQ(model.IndexOf(99), -1);
}

}  // namespace
