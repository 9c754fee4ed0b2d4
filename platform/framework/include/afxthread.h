// CWinThread and CWinApp: the thread object that knows the main window, and the application
// object of a module. The host program sets the current thread (AfxSetThread) and its main window
// (m_pMainWnd); a plug-in's one static CWinApp belongs to the plug-in's own module state.
#pragma once

#include "afxmodule.h"
#include "afxwnd.h"

class CWinThread : public CCmdTarget {
 public:
  CWinThread() = default;
  CWnd* m_pMainWnd = nullptr;
  virtual CWnd* GetMainWnd() { return m_pMainWnd; }
  virtual BOOL InitInstance() { return FALSE; }
  virtual int ExitInstance() { return 0; }
};

class CWinApp : public CWinThread {
 public:
  // Belongs to the module that constructs it: the constructor is compiled into that module and
  // registers with that module's own state.
  AFX_MODULE_LOCAL explicit CWinApp(LPCTSTR appName = nullptr)
      : CWinApp(appName, AfxGetStaticModuleState()) {}
  CWinApp(LPCTSTR appName, AFX_MODULE_STATE* owner);
  ~CWinApp() override;

  BOOL InitInstance() override { return TRUE; }

  LPCTSTR m_pszAppName;  // null when constructed without a name

 private:
  AFX_MODULE_STATE* owner_;
};

// The current thread's thread object, or null when the program set none.
CWinThread* AfxGetThread();
// Sets the current thread's thread object (the host program does this once); returns the old one.
CWinThread* AfxSetThread(CWinThread* thread);
// The application of the current module state, or null.
CWinApp* AfxGetApp();
// The application's name, else the current module's file name without folder and extension.
LPCTSTR AfxGetAppName();
// The current thread's main window, or null.
CWnd* AfxGetMainWnd();
