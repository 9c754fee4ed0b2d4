#include "app/OptionFlags.h"

namespace app {

bool IsExtractSubOption(CheckOption option) {
  switch (option) {
    case CheckOption::kEndPoints:
    case CheckOption::kMidPoints:
    case CheckOption::kCenterPoints:
    case CheckOption::kControlPoints:
    case CheckOption::kVertices:
    case CheckOption::kText:
      return true;
    case CheckOption::kPoints:
    case CheckOption::kExtract:
    case CheckOption::kCreatePoints:
      return false;
  }
  return false;
}

std::string_view FlagName(CheckOption option) {
  switch (option) {
    case CheckOption::kPoints:
      return "points";
    case CheckOption::kExtract:
      return "extract";
    case CheckOption::kEndPoints:
      return "end-points";
    case CheckOption::kMidPoints:
      return "mid-points";
    case CheckOption::kCenterPoints:
      return "center-points";
    case CheckOption::kControlPoints:
      return "control-points";
    case CheckOption::kVertices:
      return "vertices";
    case CheckOption::kText:
      return "text";
    case CheckOption::kCreatePoints:
      return "create-points";
  }
  return "";
}

}  // namespace app
