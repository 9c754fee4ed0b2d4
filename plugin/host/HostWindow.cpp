#include "host/HostWindow.h"

HWND FindHostMainWindow() {
  CWinThread* thread = AfxGetThread();
  if (thread == nullptr) return nullptr;
  CWnd* window = thread->GetMainWnd();
  return window ? window->GetSafeHwnd() : nullptr;
}

CWnd* OwnerWindow(HWND* mainWindow) {
  if (mainWindow == nullptr || *mainWindow == nullptr) return nullptr;
  return CWnd::FromHandle(*mainWindow);
}
