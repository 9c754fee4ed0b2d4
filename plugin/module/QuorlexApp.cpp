#include "QuorlexApp.h"

// The map is empty, so the macro's ThisClass typedef goes unused.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-local-typedefs"
BEGIN_MESSAGE_MAP(CQuorlexApp, CWinApp)
END_MESSAGE_MAP()
#pragma GCC diagnostic pop

CQuorlexApp::CQuorlexApp() : CWinApp(nullptr) {}

BOOL CQuorlexApp::InitInstance() {
  CWinApp::InitInstance();
  return TRUE;
}

// Constructed when the module is loaded, destroyed when it is unloaded.
CQuorlexApp theApp;
