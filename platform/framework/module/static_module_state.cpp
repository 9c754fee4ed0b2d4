// The per-module part of the framework, linked statically into every module: the module's own
// state and the registration of its resources. Everything here has hidden visibility, so each
// shared object that links it keeps its own copy.
#include <dlfcn.h>

#include "afxmodule.h"

namespace {

AFX_MODULE_LOCAL char anchor;

// The module's instance handle: the address its first segment is loaded at.
HINSTANCE ThisModule() {
  Dl_info info{};
  if (dladdr(&anchor, &info) == 0 || !info.dli_fbase) return nullptr;
  return static_cast<HINSTANCE>(info.dli_fbase);
}

}  // namespace

AFX_MODULE_STATE* AfxGetStaticModuleState() {
  static AFX_MODULE_STATE state(ThisModule());
  return &state;
}

bool AfxRegisterResourceScript(std::string_view text, std::string origin) {
  return AfxGetStaticModuleState()->AddResourceScript(text, std::move(origin));
}
