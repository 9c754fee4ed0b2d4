// Test helpers for the module's tests: the built module loaded with dlopen as the host loads it,
// and an SDS host that answers system variables from a table and records the host and menu
// commands it is asked to run.
#pragma once

#include <dlfcn.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "RxDynamicModule.h"
#include "SdsHost.h"

namespace quorlex_test {

inline std::filesystem::path BinDir() { return QUORLEX_BIN_DIR; }
inline std::filesystem::path BuiltModulePath() { return BinDir() / "Quorlex_Bricscad_2.05_8.drx"; }

// The module loaded from `path` for the lifetime of this object, with its two entry points
// looked up under their C++ names, as the host does.
class LoadedModule {
 public:
  explicit LoadedModule(const std::filesystem::path& path)
      : m_handle(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {
    if (m_handle == nullptr) {
      m_error = dlerror();
      return;
    }
    m_create = reinterpret_cast<OdrxCreateModuleObjectFunc>(
        dlsym(m_handle, "_Z22odrxCreateModuleObjectRP11HINSTANCE__"));
    m_version =
        reinterpret_cast<OdrxGetAPIVersionFunc>(dlsym(m_handle, "_Z17odrxGetAPIVersionRiS_S_S_"));
  }
  ~LoadedModule() {
    if (m_handle != nullptr) dlclose(m_handle);
  }
  LoadedModule(const LoadedModule&) = delete;
  LoadedModule& operator=(const LoadedModule&) = delete;

  bool loaded() const { return m_handle != nullptr; }
  const std::string& error() const { return m_error; }
  void* handle() const { return m_handle; }
  OdrxCreateModuleObjectFunc create() const { return m_create; }
  OdrxGetAPIVersionFunc version() const { return m_version; }

 private:
  void* m_handle;
  std::string m_error;
  OdrxCreateModuleObjectFunc m_create = nullptr;
  OdrxGetAPIVersionFunc m_version = nullptr;
};

// Stands in for the host program behind the SDS functions: the host is a program of its own that
// a test cannot link, so this records what the module asks of it.
class RecordingSdsHost : public OdSdsHost {
 public:
  RecordingSdsHost() : m_previous(odSdsSetHost(this)) {}
  ~RecordingSdsHost() override { odSdsSetHost(m_previous); }

  // Text variables; a name not in the table cannot be read.
  std::map<std::wstring, std::wstring> variables;
  // Every host command with its arguments (strings only), and every menu command, in order.
  std::vector<std::vector<std::wstring>> commands;
  std::vector<std::wstring> menuCommands;
  // Called when a host command arrives, before it is recorded.
  std::function<void(const std::vector<std::wstring>&)> onCommand;

  int getVar(const wchar_t* name, resbuf* result) override {
    auto found = variables.find(name);
    if (found == variables.end()) return RTERROR;
    result->restype = RTSTR;
    return odSdsSetString(result, found->second.c_str());
  }
  int setVar(const wchar_t*, const resbuf*) override { return RTERROR; }
  int command(const resbuf* arguments) override {
    std::vector<std::wstring> words;
    for (const resbuf* rb = arguments; rb != nullptr; rb = rb->rbnext)
      words.push_back(rb->restype == RTSTR && rb->resval.rstring ? rb->resval.rstring : L"?");
    if (onCommand) onCommand(words);
    commands.push_back(words);
    return RTNORM;
  }
  int menuCmd(const wchar_t* command) override {
    menuCommands.push_back(command);
    return RTNORM;
  }

 private:
  OdSdsHost* m_previous;
};

}  // namespace quorlex_test
