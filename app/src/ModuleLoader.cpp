#include "app/ModuleLoader.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>

#include "OdError.h"
#include "RxDynamicModule.h"

namespace app {
namespace {

// The exports' Itanium C++ names: odrxGetAPIVersion(int&, int&, int&, int&) and
// odrxCreateModuleObject(HINSTANCE__*&).
constexpr char kVersionSymbol[] = "_Z17odrxGetAPIVersionRiS_S_S_";
constexpr char kCreateSymbol[] = "_Z22odrxCreateModuleObjectRP11HINSTANCE__";

std::string LastDlError() {
  const char* error = dlerror();
  return error != nullptr ? error : "unknown error";
}

// Unloads the library unless released.
struct LibraryGuard {
  void* library;
  ~LibraryGuard() {
    if (library != nullptr) dlclose(library);
  }
};

void* Symbol(void* library, const char* name, const std::string& path, const char* what) {
  dlerror();
  void* symbol = dlsym(library, name);
  if (symbol == nullptr) throw ModuleError(path + " is not a module of this host: no " + what);
  return symbol;
}

void CheckVersion(void* library, const std::string& path) {
  auto version = reinterpret_cast<OdrxGetAPIVersionFunc>(
      Symbol(library, kVersionSymbol, path, "odrxGetAPIVersion"));
  int major = -1, minor = -1, majorBuild = -1, minorBuild = -1;
  version(major, minor, majorBuild, minorBuild);
  if (major == kRuntimeMajor && minor == kRuntimeMinor) return;
  throw ModuleError(path + " is built for runtime " + std::to_string(major) + "." +
                    std::to_string(minor) + "; this host runs " + std::to_string(kRuntimeMajor) +
                    ".0" + std::to_string(kRuntimeMinor));
}

}  // namespace

std::string ProgramFolder() {
  char path[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return "./";
  const std::string program(path, static_cast<size_t>(length));
  return program.substr(0, program.rfind('/') + 1);
}

std::unique_ptr<LoadedModule> LoadedModule::Load(const std::string& path) {
  LibraryGuard guard{dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)};
  if (guard.library == nullptr) throw ModuleError("cannot load module: " + LastDlError());
  CheckVersion(guard.library, path);
  auto create = reinterpret_cast<OdrxCreateModuleObjectFunc>(
      Symbol(guard.library, kCreateSymbol, path, "odrxCreateModuleObject"));
  HINSTANCE instance = static_cast<HINSTANCE>(guard.library);
  OdRxModule* module = create(instance);
  if (module == nullptr) throw ModuleError(path + ": odrxCreateModuleObject gave no module");
  try {
    module->initApp();
  } catch (...) {
    module->deleteModule();
    throw;
  }
  std::unique_ptr<LoadedModule> loaded(new LoadedModule(guard.library, module));
  guard.library = nullptr;
  return loaded;
}

LoadedModule::~LoadedModule() {
  try {
    module_->uninitApp();
  } catch (const OdError&) {
    // Stopping goes on: the module must still be deleted and unloaded.
  }
  module_->deleteModule();
  dlclose(library_);
}

}  // namespace app
