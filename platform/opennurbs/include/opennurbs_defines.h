// Constants shared by every geometry class: pi, the zero and square-root-epsilon tolerances and
// the "unset" sentinels, plus the validity test for doubles that every IsValid() relies on.
#pragma once

#include <cfloat>

#define ON_PI 3.141592653589793238462643
#define ON_EPSILON DBL_EPSILON
#define ON_SQRT_EPSILON 1.490116119385e-8
#define ON_DBL_MIN DBL_MIN
// The older, tighter zero tolerance; every tolerance test of this library uses it.
#define ON_ZERO_TOLERANCE 1.0e-12
#define ON_UNSET_VALUE -1.23432101234321e+308
#define ON_UNSET_FLOAT -1.234321e+38f

// True when x is finite and is not the ON_UNSET_VALUE sentinel.
bool ON_IsValid(double x);
#define ON_IS_VALID(x) ON_IsValid(x)

// Namespace-like holder of the enumerations the annotation classes use.
class ON {
 public:
  enum eAnnotationType {
    dtNothing = 0,
    dtDimLinear = 1,
    dtDimAligned = 2,
    dtDimAngular = 3,
    dtDimDiameter = 4,
    dtDimRadius = 5,
    dtLeader = 6,
    dtTextBlock = 7,
    dtDimOrdinate = 8,
  };
  enum eTextDisplayMode {
    dtNormal = 0,
    dtHorizontal = 1,
    dtAboveLine = 2,
    dtInLine = 3,
  };
};
