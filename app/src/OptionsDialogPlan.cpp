#include "app/OptionsDialogPlan.h"

#include <map>

namespace app {
namespace options_dialog {

int ControlId(CheckOption option) {
  switch (option) {
    case CheckOption::kPoints:
      return kPoints;
    case CheckOption::kExtract:
      return kExtract;
    case CheckOption::kEndPoints:
      return kEndPoints;
    case CheckOption::kMidPoints:
      return kMidPoints;
    case CheckOption::kCenterPoints:
      return kCenterPoints;
    case CheckOption::kControlPoints:
      return kControlPoints;
    case CheckOption::kVertices:
      return kVertices;
    case CheckOption::kText:
      return kText;
    case CheckOption::kCreatePoints:
      return kCreatePoints;
  }
  return kPoints;
}

}  // namespace options_dialog

namespace {

using namespace options_dialog;

// Follows the check marks as the planned clicks change them.
class CheckBoxes {
 public:
  explicit CheckBoxes(const ui::DialogModel& shown) : shown_(shown) {}

  bool Checked(int id) const {
    const auto changed = changed_.find(id);
    if (changed != changed_.end()) return changed->second;
    const ui::Control* control = shown_.Find(id);
    return control != nullptr && control->checked == 1;
  }
  // Clicks `id` when its state differs from `wanted`.
  void Set(int id, bool wanted, std::vector<DialogAction>& plan) {
    if (Checked(id) == wanted) return;
    plan.push_back(DialogAction{DialogAction::Kind::kClick, id, L"", -1});
    changed_[id] = wanted;
  }

 private:
  const ui::DialogModel& shown_;
  std::map<int, bool> changed_;
};

void PlanCheckBoxes(CheckBoxes& boxes, const OptionFlags& flags, std::vector<DialogAction>& plan) {
  const bool extractShown = boxes.Checked(kExtract);
  const bool extractWanted = flags.Check(CheckOption::kExtract).value_or(extractShown);
  bool subOptionChanges = false;
  for (size_t i = 0; i < kCheckOptionCount; ++i) {
    const auto option = static_cast<CheckOption>(i);
    const std::optional<bool>& wanted = flags.Check(option);
    if (IsExtractSubOption(option) && wanted && *wanted != boxes.Checked(ControlId(option))) {
      subOptionChanges = true;
    }
  }
  if (subOptionChanges) boxes.Set(kExtract, true, plan);
  for (size_t i = 0; i < kCheckOptionCount; ++i) {
    const auto option = static_cast<CheckOption>(i);
    const std::optional<bool>& wanted = flags.Check(option);
    if (wanted && option != CheckOption::kExtract) boxes.Set(ControlId(option), *wanted, plan);
  }
  boxes.Set(kExtract, extractWanted, plan);
}

void PlanDelimiter(const ui::DialogModel& shown, const OptionFlags& flags,
                   std::vector<DialogAction>& plan) {
  if (!flags.delimiter) return;
  const int radio = kFirstDelimiter + static_cast<int>(*flags.delimiter);
  const ui::Control* control = shown.Find(radio);
  if (control == nullptr || control->checked != 1) {
    plan.push_back(DialogAction{DialogAction::Kind::kClick, radio, L"", -1});
  }
  if (*flags.delimiter == DelimiterChoice::kOther) {
    plan.push_back(DialogAction{DialogAction::Kind::kType, kOtherText, flags.otherText, -1});
  }
}

}  // namespace

std::vector<DialogAction> PlanOptionsDialog(const ui::DialogModel& shown,
                                            const OptionFlags& flags) {
  std::vector<DialogAction> plan;
  CheckBoxes boxes(shown);
  PlanCheckBoxes(boxes, flags, plan);
  if (flags.format) {
    const int index = static_cast<int>(*flags.format);
    const ui::Control* combo = shown.Find(kFormat);
    if (combo == nullptr || combo->selected != index) {
      plan.push_back(DialogAction{DialogAction::Kind::kChoose, kFormat, L"", index});
    }
  }
  PlanDelimiter(shown, flags, plan);
  plan.push_back(DialogAction{DialogAction::Kind::kClick, kOk, L"", -1});
  return plan;
}

}  // namespace app
