#include <dlfcn.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "afxwin.h"
#include "ui/scripted_backend.h"

namespace {

class TestApp : public CWinApp {
 public:
  BOOL InitInstance() override {
    ++initCount;
    return TRUE;
  }
  int initCount = 0;
};

TestApp theApp;

// The test module, loaded once for all tests, as a host loads a plug-in.
class LoadedModule {
 public:
  LoadedModule() : handle_(dlopen(FRAMEWORK_TEST_MODULE, RTLD_NOW | RTLD_LOCAL)) {}
  template <typename F>
  F* Function(const char* name) const {
    return handle_ ? reinterpret_cast<F*>(dlsym(handle_, name)) : nullptr;
  }
  bool loaded() const { return handle_ != nullptr; }

 private:
  void* handle_;
};

const LoadedModule& Module() {
  static LoadedModule module;
  return module;
}

TEST(FrameworkModuleState, ApplicationBelongsToItsModuleAndInitialisesOnce) {
  EXPECT_EQ(AfxGetApp(), nullptr) << "the program's own state has no application";
  {
    AFX_MAINTAIN_STATE2 state(AfxGetStaticModuleState());
    EXPECT_EQ(AfxGetApp(), &theApp);
    EXPECT_EQ(theApp.initCount, 1);
  }
  AFX_MAINTAIN_STATE2 again(AfxGetStaticModuleState());
  EXPECT_EQ(theApp.initCount, 1);
}

TEST(FrameworkModuleState, TheStateIsRestoredOnEveryExit) {
  AFX_MODULE_STATE* before = AfxGetModuleState();
  try {
    AFX_MAINTAIN_STATE2 state(AfxGetStaticModuleState());
    EXPECT_EQ(AfxGetModuleState(), AfxGetStaticModuleState());
    throw std::runtime_error("leave");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(AfxGetModuleState(), before);
}

TEST(FrameworkModuleState, EachModuleHasItsOwnStateAndResources) {
  ASSERT_TRUE(Module().loaded()) << dlerror();
  auto* state = Module().Function<AFX_MODULE_STATE*()>("TestModuleState");
  auto* show = Module().Function<INT_PTR()>("TestModuleShowDialog");
  auto* initCount = Module().Function<int()>("TestModuleInitCount");
  auto* appName = Module().Function<const wchar_t*()>("TestModuleAppName");
  ASSERT_TRUE(state && show && initCount && appName);
  EXPECT_NE(state(), AfxGetStaticModuleState());
  EXPECT_NE(state()->m_hCurrentInstanceHandle, AfxGetStaticModuleState()->m_hCurrentInstanceHandle);
  EXPECT_NE(state()->FindDialogTemplate(500), nullptr);

  ui::ScriptedBackend script;
  ui::ScopedBackend installed(&script);
  script.Press(ui::Key::Enter);
  EXPECT_EQ(show(), IDOK);
  EXPECT_EQ(script.Dialogs().at(0).opened.caption, L"Module dialog");
  EXPECT_EQ(initCount(), 1);
  EXPECT_EQ(std::wstring(appName()), L"Test Module");

  AFX_MAINTAIN_STATE2 own(AfxGetStaticModuleState());
  CDialog foreign(500);
  EXPECT_EQ(foreign.DoModal(), -1) << "another module's template is not found in this state";
}

TEST(FrameworkModuleState, ModuleFileNameComesFromTheInstanceHandle) {
  ASSERT_TRUE(Module().loaded()) << dlerror();
  auto* state = Module().Function<AFX_MODULE_STATE*()>("TestModuleState");
  wchar_t path[MAX_PATH] = {};
  DWORD length = GetModuleFileNameW(state()->m_hCurrentInstanceHandle, path, MAX_PATH);
  std::wstring expected = Utf8ToWide(FRAMEWORK_TEST_MODULE);
  EXPECT_EQ(std::wstring(path, length), expected);

  wchar_t program[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, program, MAX_PATH);
  wchar_t own[MAX_PATH] = {};
  GetModuleFileNameW(AfxGetStaticModuleState()->m_hCurrentInstanceHandle, own, MAX_PATH);
  EXPECT_EQ(std::wstring(own), std::wstring(program)) << "this test program is its own module";
  EXPECT_EQ(program[0], L'/');

  wchar_t small[6];
  EXPECT_EQ(GetModuleFileNameW(nullptr, small, 6), 5u);
  EXPECT_EQ(std::wstring(small), std::wstring(program).substr(0, 5));
  EXPECT_EQ(GetModuleFileNameW(reinterpret_cast<HMODULE>(8), path, MAX_PATH), 0u);
}

TEST(FrameworkModuleState, AppNameFallsBackToTheModuleFileName) {
  wchar_t program[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, program, MAX_PATH);
  wchar_t name[_MAX_FNAME] = {};
  _wsplitpath(program, nullptr, nullptr, name, nullptr);
  EXPECT_EQ(std::wstring(AfxGetAppName()), std::wstring(name));
}

TEST(FrameworkThread, TheHostSetsTheThreadAndItsMainWindow) {
  EXPECT_EQ(AfxGetMainWnd(), nullptr);
  CWinThread thread;
  CWnd main;
  main.CreateTopLevel(L"Host");
  thread.m_pMainWnd = &main;
  CWinThread* previous = AfxSetThread(&thread);
  EXPECT_EQ(AfxGetThread(), &thread);
  EXPECT_EQ(AfxGetMainWnd(), &main);
  EXPECT_EQ(CWnd::FromHandle(main.m_hWnd), &main);
  AfxSetThread(previous);
  HWND handle = main.m_hWnd;
  main.DestroyWindow();
  EXPECT_EQ(CWnd::FromHandle(handle), nullptr) << "a destroyed handle is no window";
}

}  // namespace
