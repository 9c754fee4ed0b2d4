// Module state: each module (the program, each plug-in) has its own state with its instance
// handle, its application object and its resources. Exactly one state is current at a time;
// dialog templates are looked up only in the current one. A module switches to its own state with
// AFX_MAINTAIN_STATE2(AfxGetStaticModuleState()) for the duration of a scope.
//
// AfxGetStaticModuleState and AfxRegisterResourceScript come from the small static library
// framework_module that every module links. Their symbols are hidden, so each shared object gets
// its own state rather than one resolved from another module.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "windows.h"

#define AFX_MODULE_LOCAL __attribute__((visibility("hidden")))

class CWinApp;
namespace framework {
class ResourceScript;
struct DialogTemplate;
}  // namespace framework

class AFX_MODULE_STATE {
 public:
  explicit AFX_MODULE_STATE(HINSTANCE instance);
  ~AFX_MODULE_STATE();
  AFX_MODULE_STATE(const AFX_MODULE_STATE&) = delete;
  AFX_MODULE_STATE& operator=(const AFX_MODULE_STATE&) = delete;

  HINSTANCE m_hCurrentInstanceHandle;
  HINSTANCE m_hCurrentResourceHandle;
  CWinApp* m_pCurrentWinApp = nullptr;
  const wchar_t* m_lpszCurrentAppName = nullptr;
  std::wstring m_strAppName;  // what AfxGetAppName gives while this state is current

  // Parses a resource script (.rc text) and adds its dialogs to this module's resources; `origin`
  // names it in errors. On a parse error nothing is added, the error ("origin:line: what") is
  // kept in LastResourceError() and false is returned. A later script's dialog of the same id
  // replaces an earlier one.
  bool AddResourceScript(std::string_view text, std::string origin);
  void RemoveResourceScripts();
  const framework::DialogTemplate* FindDialogTemplate(UINT id) const;
  const std::string& LastResourceError() const { return lastResourceError_; }

  // Runs the application object's InitInstance the first time the state becomes current, as the
  // loader does when a module is attached. Later calls do nothing.
  void InitApplicationOnce();

 private:
  std::vector<std::unique_ptr<framework::ResourceScript>> scripts_;
  std::string lastResourceError_;
  bool appInitialised_ = false;
};

// The current module state; the program's own (AfxGetAppModuleState) until a module switches.
AFX_MODULE_STATE* AfxGetModuleState();
AFX_MODULE_STATE* AfxGetAppModuleState();
// Makes `state` current and returns the previous one. Prefer AFX_MAINTAIN_STATE2.
AFX_MODULE_STATE* AfxSetModuleState(AFX_MODULE_STATE* state);

// The calling module's own state (from framework_module).
AFX_MODULE_LOCAL AFX_MODULE_STATE* AfxGetStaticModuleState();
// Registers a resource script with the calling module's own state; see AddResourceScript.
AFX_MODULE_LOCAL bool AfxRegisterResourceScript(std::string_view text, std::string origin);

HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();

// Makes a module state current for one scope and restores the previous one on every exit. The
// first time a module's state becomes current, its application's InitInstance runs.
class AFX_MAINTAIN_STATE2 {
 public:
  explicit AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* state);
  ~AFX_MAINTAIN_STATE2();
  AFX_MAINTAIN_STATE2(const AFX_MAINTAIN_STATE2&) = delete;
  AFX_MAINTAIN_STATE2& operator=(const AFX_MAINTAIN_STATE2&) = delete;

 private:
  AFX_MODULE_STATE* previous_;
};
