// A small plug-in module that exercises the host program from the inside: it is loaded by
// `quorlex` exactly as the real module is (dlopen, the two exports, initApp ... deleteModule) and
// offers commands that read system variables, prompt, select, show the save-file dialog, print
// success and failure lines and throw. Each lifecycle step prints one "probe: ..." line on
// standard output, so a test sees their order. Built twice: as a 2.05 module and, with
// PROBE_API_MAJOR=3, as one the host must refuse.
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "DbCommandContext.h"
#include "Ed/EdCommandStack.h"
#include "RxDynamicModule.h"
#include "StaticRxObject.h"
#include "afxdlgs.h"
#include "sds.h"

#ifndef PROBE_API_MAJOR
#define PROBE_API_MAJOR 2
#endif

namespace {

const wchar_t kGroup[] = L"Probe Commands";

using Body = std::function<void(OdDbUserIO&)>;

class ProbeCommand : public OdEdCommand {
 public:
  ProbeCommand(const wchar_t* name, Body body) : name_(name), body_(std::move(body)) {}
  const OdString groupName() const override { return kGroup; }
  const OdString globalName() const override { return name_; }
  void execute(OdEdCommandContext* context) override {
    OdDbCommandContextPtr dbContext = context;
    body_(*dbContext->dbUserIO());
  }

 private:
  OdString name_;
  Body body_;
};

void Print(OdDbUserIO& io, const OdString& text) { io.putString(text); }

void ShowVersion(OdDbUserIO& io) {
  resbuf* buffer = sds_newrb(RTSTR);
  const int result = sds_getvar(L"_VERNUM", buffer);
  Print(io, OdString::formatted(L"_VERNUM %ls (%d)\n",
                                result == RTNORM ? buffer->resval.rstring : L"-", result));
  sds_relrb(buffer);
}

void ShowSelection(OdDbUserIO& io) {
  OdDbSelectionSetPtr selection = io.select(L"Select objects:");
  OdString line = OdString::formatted(L"%u selected:", selection->numEntities());
  for (const OdDbObjectId& id : selection->objectIds()) line += L" " + id.getHandle().ascii();
  Print(io, line + L"\n");
}

void AskName(OdDbUserIO& io) {
  const OdString name = io.getString(L"Name <nobody>:", 0, L"nobody");
  const int count = io.getInt(L"Count:");
  Print(io, OdString::formatted(L"Hello %ls x%d\n", name.c_str(), count));
}

void ChooseFile(OdDbUserIO& io) {
  CFileDialog dialog(FALSE, L"txt", L"Export.txt", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                     L"Points Text Files (*.txt)|*.txt||");
  if (dialog.DoModal() != IDOK) return Print(io, L"Failure [Command cancelled]\n");
  Print(io, L"Chosen " + OdString(dialog.GetFileName().GetString()) + L"\n");
}

class ProbeModule : public OdRxModule {
 public:
  void initApp() override {
    std::printf("probe: initApp\n");
    if (const char* menu = std::getenv("QUORLEX_PROBE_MENU")) {
      const OdString path(menu, CP_UTF_8);
      sds_command(RTSTR, L"_menuload", RTSTR, path.c_str(), RTNONE);
      sds_menucmd(L"P10=+Probe.pop1");
    }
    Add(L"ProbeVersion", ShowVersion);
    Add(L"ProbeSelect", ShowSelection);
    Add(L"ProbeAsk", AskName);
    Add(L"ProbeFile", ChooseFile);
    Add(L"ProbeSucceed", [](OdDbUserIO& io) { Print(io, L"Successfully processed 3 points\n"); });
    Add(L"ProbeFail", [](OdDbUserIO& io) { Print(io, L"\nFailure [Probe refused]"); });
    Add(L"ProbeThrow",
        [](OdDbUserIO&) -> void { throw OdError(OdString(L"Probe broke\non entity 2A")); });
  }
  void uninitApp() override {
    std::printf("probe: uninitApp\n");
    odedRegCmds()->removeGroup(kGroup);
  }
  ~ProbeModule() override { std::printf("probe: deleted\n"); }

 private:
  void Add(const wchar_t* name, Body body) {
    commands_.push_back(std::make_unique<OdStaticRxObject<ProbeCommand>>(name, std::move(body)));
    odedRegCmds()->addCommand(commands_.back().get());
  }

  std::vector<std::unique_ptr<OdStaticRxObject<ProbeCommand>>> commands_;
};

}  // namespace

OdRxModule* odrxCreateModuleObject(HINSTANCE& instance) {
  instance = nullptr;
  return new OdRxWin32Module<ProbeModule>();
}

void odrxGetAPIVersion(int& major, int& minor, int& majorBuild, int& minorBuild) {
  major = PROBE_API_MAJOR;
  minor = 5;
  majorBuild = 1;
  minorBuild = 0;
}
