// The module's two exported entry points. Everything else in the module is local to it (see
// exports.map).
#include "QuorlexModule.h"
#include "RxDynamicModule.h"

namespace {

typedef OdRxWin32Module<ZLKQuorlexModule, ZLKQuorlexModule> QuorlexModuleObject;

// The single module object, from its creation to deleteModule, which clears this pointer.
OdRxModule* g_moduleObject = nullptr;

}  // namespace

// A second call returns the same object and leaves the caller's handle alone; the first takes
// the handle over and sets the caller's variable to null.
OdRxModule* odrxCreateModuleObject(HINSTANCE& instance) {
  if (g_moduleObject != nullptr) return g_moduleObject;
  QuorlexModuleObject* module = new QuorlexModuleObject(instance, &g_moduleObject);
  module->setRefCount(0);
  instance = nullptr;
  g_moduleObject = module;
  return module;
}

// The runtime version the module is built against, 2.05, then 1 and 0.
void odrxGetAPIVersion(int& major, int& minor, int& majorBuild, int& minorBuild) {
  major = 2;
  minor = 5;
  majorBuild = 1;
  minorBuild = 0;
}
