// The host program end to end with a probe module: loading and unloading, system variables,
// prompts, selections, the file dialog, menu loading, errors that leave a command, exit statuses
// and usage errors. These run without the plug-in.
#include <gtest/gtest.h>

#include "ProgramRun.h"

namespace app::test {
namespace {

const std::string kProbe = PROBE_MODULE;
const std::string kProbeV3 = PROBE_MODULE_V3;

class app_Host : public ::testing::Test {
 protected:
  // `quorlex run flow.dxf` with the probe module and this script.
  ProgramResult RunScript(const std::string& script, std::vector<std::string> extraArgs = {},
                          const std::vector<std::string>& environment = {}) {
    WriteText(folder_.File("probe.scr"), script);
    std::vector<std::string> args = {
        "run", FixturePath("flow.dxf"), "--script", "probe.scr", "--module", kProbe};
    args.insert(args.end(), extraArgs.begin(), extraArgs.end());
    return folder_.Run(args, environment);
  }

  ProgramFolder folder_;
};

TEST_F(app_Host, RunsCommandsInOrderAndGoesOnAfterErrors) {
  const ProgramResult result = RunScript(
      "; a probe session\n"
      "ProbeVersion\n"
      "\n"
      "_ProbeThrow\r\n"
      "ProbeSelect\n"
      "LAYER=curves\n"
      "NoSuchCommand\n"
      "probesucceed\n",
      {"--host-version", "11.2.5"});
  EXPECT_EQ(result.out,
            "probe: initApp\n"
            "Command: ProbeVersion\n"
            "_VERNUM 11.2.5 (5100)\n"
            "Command: _ProbeThrow\n"
            "Probe broke on entity 2A\n"  // the description on one line
            "Command: ProbeSelect\n"
            "Select objects: LAYER=curves\n"
            "4 selected: 37 38 39 3E\n"
            "Command: NoSuchCommand\n"
            "Unknown command \"NoSuchCommand\".\n"
            "Command: probesucceed\n"
            "Successfully processed 3 points\n"
            "probe: uninitApp\n"
            "probe: deleted\n");
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.status, 1);  // a command ended with an error
}

TEST_F(app_Host, ExitStatusFollowsTheCommandsReports) {
  struct Case {
    const char* script;
    int status;
  };
  const Case cases[] = {{"ProbeSucceed\n", 0},
                        {"ProbeVersion\n", 0},
                        {"ProbeFail\n", 1},
                        {"ProbeSucceed\nProbeFail\n", 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    EXPECT_EQ(RunScript(c.script).status, c.status);
  }
}

TEST_F(app_Host, DefaultHostVersionAndSelections) {
  const ProgramResult result = RunScript(
      "ProbeVersion\nProbeSelect\nALL\nProbeSelect\nTYPE=LWPOLYLINE,Point\nProbeSelect\n"
      "HANDLE=3e,35,FFFF\nProbeSelect\nNONE\nProbeSelect\nCOLOR=red\n");
  EXPECT_EQ(result.out,
            "probe: initApp\n"
            "Command: ProbeVersion\n"
            "_VERNUM 10.3.1 (5100)\n"
            "Command: ProbeSelect\n"
            "Select objects: ALL\n"
            "12 selected: 35 36 37 38 39 3A 3B 3C 3D 3E 3F 44\n"
            "Command: ProbeSelect\n"
            "Select objects: TYPE=LWPOLYLINE,Point\n"
            "3 selected: 36 3A 3B\n"
            "Command: ProbeSelect\n"
            "Select objects: HANDLE=3e,35,FFFF\n"
            "2 selected: 35 3E\n"
            "Command: ProbeSelect\n"
            "Select objects: NONE\n"
            "0 selected:\n"
            "Command: ProbeSelect\n"
            "Select objects: COLOR=red\n"
            "Invalid selection: unknown selection 'COLOR=red' (use ALL, NONE, LAYER=..., TYPE=... "
            "or HANDLE=...)\n"
            "*Cancel*\n"
            "probe: uninitApp\n"
            "probe: deleted\n");
  EXPECT_EQ(result.status, 1);
}

TEST_F(app_Host, PromptsTakeDefaultsRetryBadInputAndCancelAtTheEnd) {
  const ProgramResult result =
      RunScript("ProbeAsk\n\nmany\n7\nProbeAsk\nAda\n*cancel*\nProbeAsk\n");
  EXPECT_EQ(result.out,
            "probe: initApp\n"
            "Command: ProbeAsk\n"
            "Name <nobody>:\n"
            "Count: many\n"
            "Requires an integer value.\n"
            "Count: 7\n"
            "Hello nobody x7\n"
            "Command: ProbeAsk\n"
            "Name <nobody>: Ada\n"
            "Count: *Cancel*\n"
            "Command: ProbeAsk\n"
            "Name <nobody>: *Cancel*\n"
            "probe: uninitApp\n"
            "probe: deleted\n");
}

TEST_F(app_Host, FileDialogAnswersAndTheOverwriteQuestion) {
  WriteText(folder_.File("Export.txt"), "keep\n");
  const ProgramResult result = RunScript(
      "ProbeFile\n"
      "\n"          // the offered Export.txt exists and is not replaced ...
      "*Cancel*\n"  // ... so the dialog asks again
      "ProbeFile\n"
      "Export.txt\n"  // named: replaced
      "ProbeFile\n"
      "points\n"  // the default extension is added
      "ProbeFile\n");
  EXPECT_EQ(result.out,
            "probe: initApp\n"
            "Command: ProbeFile\n"
            "Export.txt already exists. Do you want to replace it? No\n"
            "Failure [Command cancelled]\n"
            "Command: ProbeFile\n"
            "Chosen Export.txt\n"
            "Command: ProbeFile\n"
            "Chosen points.txt\n"
            "Command: ProbeFile\n"
            "Failure [Command cancelled]\n"
            "probe: uninitApp\n"
            "probe: deleted\n");
}

TEST_F(app_Host, MenuFilesAreLoadedAndInsertedOrTheReasonShown) {
  WriteText(folder_.File("Probe.mnu"),
            "***MENUGROUP=Probe\n***POP1\n**pop1\n[&Probe]\n[&Version]^C^C_ProbeVersion\n");
  WriteText(folder_.File("Broken.mnu"), "***MENUGROUP=Probe\n***POP1\n[&Probe\n");
  struct Case {
    std::string menu;
    std::string lines;
  };
  const Case cases[] = {
      {folder_.File("Probe.mnu"), ""},
      {folder_.File("Missing.mnu"), "Menu not loaded: " + folder_.File("Missing.mnu") +
                                        ": No such file or directory\n"
                                        "Menu command failed: no menu group loaded for "
                                        "'Probe.pop1'\n"},
      {folder_.File("Broken.mnu"), "Menu not loaded: " + folder_.File("Broken.mnu") +
                                       ":3: missing ']' after '[' in a menu item\n"
                                       "Menu command failed: no menu group loaded for "
                                       "'Probe.pop1'\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.menu);
    const ProgramResult result = RunScript("ProbeSucceed\n", {}, {"QUORLEX_PROBE_MENU=" + c.menu});
    EXPECT_EQ(result.out, "probe: initApp\n" + c.lines +
                              "Command: ProbeSucceed\n"
                              "Successfully processed 3 points\n"
                              "probe: uninitApp\n"
                              "probe: deleted\n");
    EXPECT_EQ(result.status, 0);
  }
}

TEST_F(app_Host, ModulesThatCannotBeUsedAreRefused) {
  const std::string library = ProgramPath().substr(0, ProgramPath().rfind('/')) + "/libkvlib.so";
  const std::string missing = folder_.File("Nothing.drx");
  struct Case {
    std::string module;
    std::string error;
  };
  const Case cases[] = {
      {kProbeV3, kProbeV3 + " is built for runtime 3.5; this host runs 2.05"},
      {library, library + " is not a module of this host: no odrxGetAPIVersion"},
      {missing, "cannot load module: " + missing +
                    ": cannot open shared object file: No such "
                    "file or directory"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.module);
    WriteText(folder_.File("probe.scr"), "ProbeSucceed\n");
    const ProgramResult result = folder_.Run(
        {"run", FixturePath("flow.dxf"), "--script", "probe.scr", "--module", c.module});
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "quorlex: " + c.error + "\n");
    EXPECT_EQ(result.status, 2);
  }
}

TEST_F(app_Host, BadCommandLinesDrawingsAndScripts) {
  const std::string usageStart = "usage: quorlex export DRAWING";
  struct Case {
    std::vector<std::string> args;
    std::string error;
    bool usage;
  };
  const std::string bad = FixturePath("bad.dxf");
  const Case cases[] = {
      {{"export"}, "quorlex: no drawing given", true},
      {{"export", "a.dxf", "--delimiter", "other:ab"},
       "quorlex: the delimiter after 'other:' must be at most one character, not 'ab'",
       true},
      {{"export", "a.dxf", "--select", "LAYER="},
       "quorlex: --select: empty name in selection "
       "'LAYER='",
       true},
      {{"run", "a.dxf"}, "quorlex: run needs --script FILE", true},
      {{"export", "missing.dxf", "--module", kProbe},
       "quorlex: missing.dxf: cannot open the file: No such file or directory",
       false},
      {{"run", FixturePath("flow.dxf"), "--script", "none.scr", "--module", kProbe},
       "quorlex: none.scr: No such file or directory",
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.error);
    const ProgramResult result = folder_.Run(c.args);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.substr(0, result.err.find('\n')), c.error);
    EXPECT_EQ(result.err.find(usageStart) != std::string::npos, c.usage);
    EXPECT_EQ(result.status, 2);
  }
  const ProgramResult result = folder_.Run({"export", bad, "--module", kProbe});
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err.rfind("quorlex: " + bad + ", line 9: ", 0), 0u) << result.err;
  EXPECT_EQ(result.status, 2);
}

}  // namespace
}  // namespace app::test
