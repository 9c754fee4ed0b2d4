#include <cassert>

#include "afxmodule.h"
#include "afxthread.h"
#include "framework/resource_script.h"

namespace {

AFX_MODULE_STATE& ProgramState() {
  static AFX_MODULE_STATE state(nullptr);
  return state;
}

thread_local AFX_MODULE_STATE* current = nullptr;

}  // namespace

AFX_MODULE_STATE::AFX_MODULE_STATE(HINSTANCE instance)
    : m_hCurrentInstanceHandle(instance), m_hCurrentResourceHandle(instance) {}

AFX_MODULE_STATE::~AFX_MODULE_STATE() = default;

bool AFX_MODULE_STATE::AddResourceScript(std::string_view text, std::string origin) {
  try {
    auto script =
        std::make_unique<framework::ResourceScript>(framework::ResourceScript::Parse(text, origin));
    scripts_.push_back(std::move(script));
    lastResourceError_.clear();
    return true;
  } catch (const framework::ResourceScriptError& error) {
    lastResourceError_ = error.what();
    return false;
  }
}

void AFX_MODULE_STATE::RemoveResourceScripts() { scripts_.clear(); }

const framework::DialogTemplate* AFX_MODULE_STATE::FindDialogTemplate(UINT id) const {
  for (auto it = scripts_.rbegin(); it != scripts_.rend(); ++it) {
    if (const auto* dialog = (*it)->FindDialog(static_cast<int>(id))) return dialog;
  }
  return nullptr;
}

void AFX_MODULE_STATE::InitApplicationOnce() {
  if (appInitialised_ || !m_pCurrentWinApp) return;
  appInitialised_ = true;
  m_pCurrentWinApp->InitInstance();
}

AFX_MODULE_STATE* AfxGetAppModuleState() { return &ProgramState(); }

AFX_MODULE_STATE* AfxGetModuleState() { return current ? current : &ProgramState(); }

AFX_MODULE_STATE* AfxSetModuleState(AFX_MODULE_STATE* state) {
  AFX_MODULE_STATE* previous = AfxGetModuleState();
  current = state;
  return previous;
}

HINSTANCE AfxGetInstanceHandle() { return AfxGetModuleState()->m_hCurrentInstanceHandle; }

HINSTANCE AfxGetResourceHandle() { return AfxGetModuleState()->m_hCurrentResourceHandle; }

AFX_MAINTAIN_STATE2::AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* state) {
  assert(state && "AFX_MAINTAIN_STATE2 needs a module state");
  previous_ = AfxSetModuleState(state ? state : AfxGetModuleState());
  AfxGetModuleState()->InitApplicationOnce();
}

AFX_MAINTAIN_STATE2::~AFX_MAINTAIN_STATE2() { AfxSetModuleState(previous_); }
