// LoadedModule: a plug-in module (.drx, an ELF shared library) loaded and started as the host
// does it, and stopped and unloaded when the object goes.
//
// Load: dlopen, look up odrxGetAPIVersion and odrxCreateModuleObject under their C++ (mangled)
// names, refuse a module built for another runtime than 2.05, create the module object, call
// initApp. Destruction: uninitApp, deleteModule, dlclose, in that order.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

#include "RxModule.h"

namespace app {

class ModuleError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The file name of the plug-in module, looked for beside the program.
inline constexpr char kModuleFileName[] = "Quorlex_Bricscad_2.05_8.drx";
// The runtime version this host offers, as odrxGetAPIVersion reports it.
inline constexpr int kRuntimeMajor = 2;
inline constexpr int kRuntimeMinor = 5;

// The folder of the running program (with a trailing "/").
std::string ProgramFolder();

class LoadedModule {
 public:
  // Throws ModuleError with one line naming the file and what is wrong; an OdError from
  // initApp is passed on after the module has been deleted and unloaded.
  static std::unique_ptr<LoadedModule> Load(const std::string& path);
  ~LoadedModule();
  LoadedModule(const LoadedModule&) = delete;
  LoadedModule& operator=(const LoadedModule&) = delete;

  OdRxModule& module() { return *module_; }

 private:
  LoadedModule(void* library, OdRxModule* module) : library_(library), module_(module) {}

  void* library_;
  OdRxModule* module_;
};

}  // namespace app
