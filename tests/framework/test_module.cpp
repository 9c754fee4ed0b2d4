// A module of its own for the module state tests: it links the per-module part of the framework,
// has an application object and registers a resource script with dialog 500.
#include "afxwin.h"

namespace {

class TestModuleApp : public CWinApp {
 public:
  TestModuleApp() : CWinApp(L"Test Module") {}
  BOOL InitInstance() override {
    ++initCount;
    return CWinApp::InitInstance();
  }
  int initCount = 0;
};

TestModuleApp theApp;

const bool registered = AfxRegisterResourceScript(R"(
500 DIALOGEX 0, 0, 100, 40
CAPTION "Module dialog"
BEGIN
    DEFPUSHBUTTON "OK",IDOK,10,10,40,14
END
)",
                                                  "module.rc");

}  // namespace

extern "C" __attribute__((visibility("default"))) AFX_MODULE_STATE* TestModuleState() {
  return AfxGetStaticModuleState();
}

extern "C" __attribute__((visibility("default"))) INT_PTR TestModuleShowDialog() {
  AFX_MAINTAIN_STATE2 state(AfxGetStaticModuleState());
  CDialog dialog(500);
  return dialog.DoModal();
}

extern "C" __attribute__((visibility("default"))) int TestModuleInitCount() {
  return registered ? theApp.initCount : -1;
}

extern "C" __attribute__((visibility("default"))) const wchar_t* TestModuleAppName() {
  AFX_MAINTAIN_STATE2 state(AfxGetStaticModuleState());
  return AfxGetAppName();
}
