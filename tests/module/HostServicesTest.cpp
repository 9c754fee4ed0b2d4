// The help and About commands and the menu, run through the loaded module as the host runs them,
// with the host's main window set and the scripted window system recording what the user sees.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "DbBlockTableRecord.h"
#include "DbCommandContext.h"
#include "DbPoint.h"
#include "DbScriptedUserIO.h"
#include "Ed/EdCommandStack.h"
#include "LoadedModule.h"
#include "afxwin.h"
#include "ui/scripted_backend.h"

namespace {

using quorlex_test::BinDir;
using quorlex_test::BuiltModulePath;
using quorlex_test::LoadedModule;
using quorlex_test::RecordingSdsHost;
namespace fs = std::filesystem;

fs::path TestFolder() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  return fs::temp_directory_path() /
         ("quorlex_module_" + std::string(info->name()) + "_" + std::to_string(::getpid()));
}

// The platform's shared libraries from bin, loaded before a copy of the module is, so that the
// copy binds to these and needs nothing beside it but itself.
void PreloadPlatformLibraries() {
  for (const auto& entry : fs::directory_iterator(BinDir())) {
    if (entry.path().extension() == ".so") dlopen(entry.path().c_str(), RTLD_NOW | RTLD_GLOBAL);
  }
}

// The module loaded from `path`, created and initialised, with a host main window; undone in
// reverse on destruction.
class RunningModule {
 public:
  explicit RunningModule(const fs::path& path) : m_module(path) {
    if (!m_module.loaded()) return;
    HINSTANCE instance = nullptr;
    m_object = m_module.create()(instance);
    m_object->initApp();
    m_mainWindow.CreateTopLevel(L"Host main window");
    m_thread.m_pMainWnd = &m_mainWindow;
    m_previousThread = AfxSetThread(&m_thread);
  }
  ~RunningModule() {
    if (m_object == nullptr) return;
    AfxSetThread(m_previousThread);
    m_mainWindow.DestroyWindow();
    m_object->uninitApp();
    m_object->deleteModule();
  }
  bool ready() const { return m_object != nullptr; }
  const std::string& error() const { return m_module.error(); }
  void Run(const wchar_t* command, OdEdCommandContext* context = nullptr) {
    odedRegCmds()->executeCommand(command, context);
  }

 private:
  LoadedModule m_module;
  OdRxModule* m_object = nullptr;
  CWnd m_mainWindow;
  CWinThread m_thread;
  CWinThread* m_previousThread = nullptr;
};

class ModuleHostServices : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = TestFolder();
    fs::remove_all(folder);
    fs::create_directories(folder);
    // An opener that only notes what it was asked to open, so no desktop program starts.
    opener = folder / "opener.sh";
    openedList = folder / "opened.txt";
    std::ofstream(opener) << "#!/bin/sh\nprintf '%s\\n' \"$@\" >> '" << openedList.string()
                          << "'\n";
    fs::permissions(opener, fs::perms::owner_all);
    ::setenv("QUORLEX_OPENER", opener.c_str(), 1);
    sds.variables[L"_VERNUM"] = L"10.4.2";
  }
  void TearDown() override {
    ::unsetenv("QUORLEX_OPENER");
    fs::remove_all(folder);
  }
  std::string Opened() const {
    std::ifstream in(openedList);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  // A copy of the module alone in a folder of its own: no menu file and no help file beside it.
  fs::path LoneModuleCopy() {
    PreloadPlatformLibraries();
    const fs::path copy = folder / "lone" / BuiltModulePath().filename();
    fs::create_directories(copy.parent_path());
    fs::copy_file(BuiltModulePath(), copy);
    return copy;
  }

  fs::path folder, opener, openedList;
  RecordingSdsHost sds;
  ui::ScriptedBackend backend;
  ui::ScopedBackend installed{&backend};
};

TEST_F(ModuleHostServices, HelpOpensChmBesideModule) {
  RunningModule module(BuiltModulePath());
  ASSERT_TRUE(module.ready()) << module.error();
  module.Run(L"QuorlexHelp");
  EXPECT_EQ(Opened(), (BuiltModulePath().parent_path() / "Quorlex_Bricscad.chm").string() + "\n");
  EXPECT_TRUE(backend.MessageBoxes().empty());
  EXPECT_TRUE(fs::exists(BinDir() / "Quorlex_Bricscad.chm"));
}

TEST_F(ModuleHostServices, MissingHelpFileShowsWarningWithCurrentTitle) {
  const fs::path copy = LoneModuleCopy();
  RunningModule module(copy);
  ASSERT_TRUE(module.ready()) << module.error();
  ASSERT_EQ(sds.commands.size(), 1u);
  EXPECT_EQ(sds.commands[0][1], (copy.parent_path() / "Quorlex.mnu").wstring())
      << "the menu is looked for in the folder of the module that was loaded";

  module.Run(L"QuorlexHelp");
  sds.variables[L"_VERNUM"] = L"11.0";
  module.Run(L"QuorlexHelp");
  EXPECT_EQ(Opened(), "") << "the opener is not asked for a file that is not there";
  ASSERT_EQ(backend.MessageBoxes().size(), 2u);
  const ui::MessageBoxRequest& first = backend.MessageBoxes()[0].request;
  EXPECT_EQ(first.text, L"Error displaying help file");
  EXPECT_EQ(first.caption, L"Quorlex for Bricscad 10 version 1.0");
  EXPECT_EQ(first.icon, ui::MessageIcon::Warning);
  EXPECT_EQ(first.owner, L"Host main window");
  EXPECT_EQ(backend.MessageBoxes()[1].request.caption, L"Quorlex for Bricscad 11 version 1.0")
      << "the title is rebuilt from the host version at every command";
}

TEST_F(ModuleHostServices, NoOpenerShowsWarning) {
  ::setenv("QUORLEX_OPENER", (folder / "no-such-opener").c_str(), 1);
  RunningModule module(BuiltModulePath());
  ASSERT_TRUE(module.ready()) << module.error();
  module.Run(L"QuorlexHelp");
  ASSERT_EQ(backend.MessageBoxes().size(), 1u);
  EXPECT_EQ(backend.MessageBoxes()[0].request.text, L"Error displaying help file");
}

TEST_F(ModuleHostServices, AboutShowsCurrentTitleOwnedByMainWindow) {
  RunningModule module(BuiltModulePath());
  ASSERT_TRUE(module.ready()) << module.error();
  sds.variables[L"_VERNUM"] = L"9.2";
  module.Run(L"QuorlexAbout");
  ASSERT_EQ(backend.MessageBoxes().size(), 1u);
  const ui::MessageBoxRequest& box = backend.MessageBoxes()[0].request;
  EXPECT_EQ(box.caption, L"Quorlex for Bricscad 9 version 1.0");
  EXPECT_EQ(box.owner, L"Host main window");
}

// The export command as the host runs it: its options dialog comes from the module's own
// resources, which only the loaded module holds.
TEST_F(ModuleHostServices, ExportCommandRunsWithModuleResources) {
  ::setenv("QUORLEX_REGISTRY", (folder / "registry.reg").c_str(), 1);
  RunningModule module(BuiltModulePath());
  ASSERT_TRUE(module.ready()) << module.error();
  OdDbDatabasePtr database = OdDbDatabase::createObject();
  OdDbObjectId id;
  {
    OdDbBlockTableRecordPtr modelSpace =
        database->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
    OdDbPointPtr point = OdDbPoint::createObject();
    point->setPosition(OdGePoint3d(512345.125, 6543210.5, 101.75));
    id = modelSpace->appendOdDbEntity(point);
  }
  OdDbScriptedUserIOPtr userIO = OdDbScriptedUserIO::createObject();
  userIO->queueSelection({id});
  const fs::path output = folder / "points.txt";
  backend.AnswerFileDialog(output.wstring());
  backend.Click(IDOK);
  module.Run(L"Quorlex", OdDbCommandContext::createObject(database, userIO));
  ::unsetenv("QUORLEX_REGISTRY");

  EXPECT_EQ(userIO->output().toUtf8(), "Successfully processed 1 points\n");
  ASSERT_EQ(backend.Dialogs().size(), 1u);
  EXPECT_EQ(backend.Dialogs()[0].opened.caption, L"Quorlex Options");
  EXPECT_EQ(backend.FileDialogs().at(0).owner, L"Host main window");
  std::ifstream in(output);
  std::ostringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(), "512345.125,6543210.5,101.75\n");
}

}  // namespace
