// Turns a dialog template from the resources into the window system's dialog model: control
// kinds from class and style bits, tab stops, groups, the default button and the enabled state.
// Private to the framework.
#pragma once

#include "framework/resource_script.h"
#include "ui/dialog_model.h"

namespace framework {

ui::DialogModel MakeDialogModel(const DialogTemplate& dialog);

}  // namespace framework
