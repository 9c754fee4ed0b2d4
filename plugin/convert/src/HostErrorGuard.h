// GuardHostErrors: the single place where a converter turns a host error into its failure result.
#pragma once

#include "OdError.h"

namespace convert_internal {

// Runs body and returns its result (1 or 0). An OdError of any kind raised inside gives 0; the
// references the body held are released by their destructors on the way out. Exceptions of any
// other type (a failed allocation, a programmer error) are not the host's and pass to the caller.
template <typename Body>
int GuardHostErrors(Body&& body) {
  try {
    return body() ? 1 : 0;
  } catch (const OdError&) {
    return 0;
  }
}

}  // namespace convert_internal
