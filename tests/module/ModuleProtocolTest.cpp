// The module as the host sees it: loaded from the build's bin folder with dlopen, driven only
// through its two exported entry points and the objects they give.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include "Ed/EdCommandStack.h"
#include "LoadedModule.h"

namespace {

using quorlex_test::BuiltModulePath;
using quorlex_test::LoadedModule;
using quorlex_test::RecordingSdsHost;

const wchar_t* const kGroup = L"Quorlex Commands";
const wchar_t* const kCommandNames[] = {L"Quorlex", L"QuorlexHelp", L"QuorlexAbout"};

HINSTANCE FakeHandle(std::uintptr_t value) { return reinterpret_cast<HINSTANCE>(value); }

class ModuleProtocol : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(module.loaded()) << module.error();
    ASSERT_NE(module.create(), nullptr);
    ASSERT_NE(module.version(), nullptr);
  }

  // Creates the module object as the host does; the caller deletes it.
  OdRxModule* CreateModule(HINSTANCE instance = FakeHandle(0x1000)) {
    return module.create()(instance);
  }

  RecordingSdsHost sds;
  LoadedModule module{BuiltModulePath()};
};

TEST_F(ModuleProtocol, ReportsRuntimeVersion205) {
  int major = -1, minor = -1, majorBuild = -1, minorBuild = -1;
  module.version()(major, minor, majorBuild, minorBuild);
  EXPECT_EQ(major, 2);
  EXPECT_EQ(minor, 5);
  EXPECT_EQ(majorBuild, 1);
  EXPECT_EQ(minorBuild, 0);
}

TEST_F(ModuleProtocol, ExportsNothingButTheEntryPoints) {
  // The export command is a plain C++ function of the module; it must not be reachable from
  // outside, or another module's copy could bind to it.
  EXPECT_EQ(dlsym(module.handle(), "_Z9RunExportP18OdEdCommandContextPP6HWND__"), nullptr);
  EXPECT_EQ(dlsym(module.handle(), "theApp"), nullptr);
  EXPECT_EQ(dlsym(module.handle(), "_Z17BuildProductTitlev"), nullptr);
}

TEST_F(ModuleProtocol, SecondCreateGivesSameObjectAndLeavesHandleAlone) {
  HINSTANCE first = FakeHandle(0x1000);
  OdRxModule* created = module.create()(first);
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(first, nullptr) << "the first call takes the handle over";
  EXPECT_EQ(created->sysData(), FakeHandle(0x1000));

  HINSTANCE second = FakeHandle(0x2000);
  EXPECT_EQ(module.create()(second), created);
  EXPECT_EQ(second, FakeHandle(0x2000));
  EXPECT_EQ(created->sysData(), FakeHandle(0x1000));
  created->deleteModule();
}

TEST_F(ModuleProtocol, ReleaseNeverDestroysOnlyDeleteModuleDoes) {
  const long before = odrxLiveObjectCount();
  OdRxModule* created = CreateModule();
  const long withModule = odrxLiveObjectCount();
  EXPECT_GT(withModule, before);
  EXPECT_EQ(created->numRefs(), 0);

  created->addRef();
  created->release();
  created->release();
  created->release();
  EXPECT_EQ(created->numRefs(), -2);
  EXPECT_EQ(odrxLiveObjectCount(), withModule);
  {
    OdRxModulePtr held(created);
    EXPECT_EQ(created->numRefs(), -1);
  }
  EXPECT_EQ(odrxLiveObjectCount(), withModule);
  HINSTANCE again = nullptr;
  EXPECT_EQ(module.create()(again), created) << "still the module's object";

  created->deleteModule();
  EXPECT_EQ(odrxLiveObjectCount(), before) << "the module and its three commands are gone";
  OdRxModule* recreated = CreateModule();
  EXPECT_EQ(recreated->numRefs(), 0) << "a fresh object after deleteModule";
  recreated->deleteModule();
}

TEST_F(ModuleProtocol, ModuleNameIsTheLoadedFile) {
  OdRxModule* created = CreateModule();
  EXPECT_EQ(std::filesystem::path(created->moduleName().toUtf8()),
            std::filesystem::canonical(BuiltModulePath()));
  created->deleteModule();
}

TEST_F(ModuleProtocol, InitAppLoadsMenuThenRegistersCommands) {
  OdEdCommandStackPtr stack = odedRegCmds();
  bool commandsExistedAtMenuLoad = true;
  sds.onCommand = [&](const std::vector<std::wstring>&) {
    commandsExistedAtMenuLoad = !stack->lookupCmd(L"Quorlex", kGroup).isNull();
  };
  OdRxModule* created = CreateModule();
  created->initApp();

  const std::filesystem::path menu = BuiltModulePath().parent_path() / "Quorlex.mnu";
  ASSERT_EQ(sds.commands.size(), 1u);
  EXPECT_EQ(sds.commands[0], (std::vector<std::wstring>{L"_menuload", menu.wstring()}));
  EXPECT_TRUE(std::filesystem::exists(menu)) << "the menu file is installed beside the module";
  EXPECT_EQ(sds.menuCommands, std::vector<std::wstring>{L"P10=+Quorlex.pop1"});
  EXPECT_FALSE(commandsExistedAtMenuLoad) << "menu is loaded before any command is registered";

  for (const wchar_t* name : kCommandNames) {
    SCOPED_TRACE(OdString(name).toUtf8());
    OdEdCommandPtr command = stack->lookupCmd(name, kGroup);
    ASSERT_FALSE(command.isNull());
    EXPECT_EQ(command->groupName(), kGroup);
    EXPECT_EQ(command->globalName(), name);
    EXPECT_EQ(command->localName(), command->globalName());
  }
  created->uninitApp();
  created->deleteModule();
}

TEST_F(ModuleProtocol, UninitAppRemovesCommandsAndKeepsMenu) {
  OdEdCommandStackPtr stack = odedRegCmds();
  const size_t commandsBefore = stack->commands().size();
  OdRxModule* created = CreateModule();
  created->initApp();
  EXPECT_EQ(stack->commands().size(), commandsBefore + 3);
  const auto hostCommands = sds.commands;
  const auto menuCommands = sds.menuCommands;

  created->uninitApp();
  for (const wchar_t* name : kCommandNames) {
    SCOPED_TRACE(OdString(name).toUtf8());
    EXPECT_TRUE(stack->lookupCmd(name).isNull());
  }
  EXPECT_EQ(stack->commands().size(), commandsBefore);
  EXPECT_EQ(sds.commands, hostCommands) << "nothing unloads the menu";
  EXPECT_EQ(sds.menuCommands, menuCommands);
  created->deleteModule();
}

}  // namespace
