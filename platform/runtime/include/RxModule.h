// OdRxModule: a loadable module as the host sees it. The host creates it through the module's
// exported odrxCreateModuleObject, calls initApp once, uninitApp before unloading, then
// deleteModule, which destroys it.
#pragma once

#include "RxObject.h"
#include "SmartPtr.h"

class OdRxModule : public OdRxObject {
  ODRX_DECLARE_MEMBERS(OdRxModule);

 public:
  // The module's operating-system handle (on this platform the value given at creation).
  virtual void* sysData() = 0;
  virtual void deleteModule() = 0;
  virtual void initApp() = 0;
  virtual void uninitApp() = 0;
  // The module's full file path.
  virtual OdString moduleName() const = 0;
};

typedef OdSmartPtr<OdRxModule> OdRxModulePtr;
