// OdGeContext: process-wide geometry settings. gTol is the host's default tolerance of point and
// vector comparisons, 1e-10 drawing units.
#pragma once

#include "Ge/GeTol.h"

struct OdGeContext {
  static OdGeTol gTol;
};
