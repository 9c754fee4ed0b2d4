// What a dynamically loaded module defines: the template OdRxWin32Module<T, TBase> that supplies
// the module operations a module class leaves open, and the declarations of the two functions a
// module exports, odrxCreateModuleObject and odrxGetAPIVersion (found by the host with dlsym under
// their C++ names).
#pragma once

#include <dlfcn.h>

#include <climits>
#include <cstdlib>

#include "RxModule.h"

struct HINSTANCE__;
typedef HINSTANCE__* HINSTANCE;

// Exported by every module, defined there.
OdRxModule* odrxCreateModuleObject(HINSTANCE& hInstance);
void odrxGetAPIVersion(int& major, int& minor, int& majorBuild, int& minorBuild);

typedef OdRxModule* (*OdrxCreateModuleObjectFunc)(HINSTANCE& hInstance);
typedef void (*OdrxGetAPIVersionFunc)(int&, int&, int&, int&);

// T is the module class, TBase the class OdRxWin32Module derives from (usually T). The reference
// count is a plain int starting at 0 that release() never turns into a deletion: the module object
// lives until deleteModule(), which first clears the module's single module-object pointer (the
// slot given to the constructor, if any).
template <class T, class TBase = T>
class OdRxWin32Module : public TBase {
 public:
  explicit OdRxWin32Module(HINSTANCE hModule = nullptr, OdRxModule** moduleSlot = nullptr)
      : m_hModule(hModule), m_moduleSlot(moduleSlot) {}

  void addRef() override { ++m_nRefCounter; }
  void release() override { --m_nRefCounter; }
  long numRefs() const override { return m_nRefCounter; }

  void* sysData() override { return m_hModule; }
  void deleteModule() override {
    if (m_moduleSlot) *m_moduleSlot = nullptr;
    delete this;
  }
  // The path of the shared object this template was instantiated in, resolved to an absolute
  // path; empty when the loader cannot tell.
  OdString moduleName() const override {
    Dl_info info{};
    if (!dladdr(&s_anchor, &info) || !info.dli_fname) return {};
    char resolved[PATH_MAX];
    if (!realpath(info.dli_fname, resolved)) return OdString(info.dli_fname, CP_UTF_8);
    return OdString(resolved, CP_UTF_8);
  }

  void setInstanceHandle(HINSTANCE hModule) { m_hModule = hModule; }
  void setModuleSlot(OdRxModule** moduleSlot) { m_moduleSlot = moduleSlot; }
  void setRefCount(int count) { m_nRefCounter = count; }

 private:
  // An address inside the module that instantiates the template.
  static inline const char s_anchor = 0;

  int m_nRefCounter = 0;
  HINSTANCE m_hModule;
  OdRxModule** m_moduleSlot;
};
