#include <cassert>

#include "afxthread.h"

namespace {
thread_local CWinThread* currentThread = nullptr;
}  // namespace

CWinApp::CWinApp(LPCTSTR appName, AFX_MODULE_STATE* owner) : m_pszAppName(appName), owner_(owner) {
  assert(owner && "CWinApp needs the module state it belongs to");
  assert(!owner->m_pCurrentWinApp && "a module has one application object");
  owner_->m_pCurrentWinApp = this;
  if (appName) owner_->m_strAppName = appName;
}

CWinApp::~CWinApp() {
  if (owner_->m_pCurrentWinApp == this) owner_->m_pCurrentWinApp = nullptr;
}

CWinThread* AfxGetThread() { return currentThread; }

CWinThread* AfxSetThread(CWinThread* thread) {
  CWinThread* previous = currentThread;
  currentThread = thread;
  return previous;
}

CWinApp* AfxGetApp() { return AfxGetModuleState()->m_pCurrentWinApp; }

LPCTSTR AfxGetAppName() {
  AFX_MODULE_STATE* state = AfxGetModuleState();
  if (state->m_strAppName.empty()) {
    wchar_t path[MAX_PATH] = {};
    wchar_t name[_MAX_FNAME] = {};
    GetModuleFileNameW(state->m_hCurrentInstanceHandle, path, MAX_PATH);
    _wsplitpath(path, nullptr, nullptr, name, nullptr);
    state->m_strAppName = name;
  }
  return state->m_strAppName.c_str();
}

CWnd* AfxGetMainWnd() {
  CWinThread* thread = AfxGetThread();
  return thread ? thread->GetMainWnd() : nullptr;
}
