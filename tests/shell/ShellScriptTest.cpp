// `quorlex shell` with its input from a pipe instead of a terminal: the host's own commands,
// system variables, window and crossing selection, the command-line file prompt of FILEDIA 0 and
// its overwrite question, saving, and a session without a drawing.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "../app/ProgramRun.h"
#include "ShellTestSupport.h"

namespace shell::test {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// Runs `quorlex shell ARGS` in `folder` with `input` as standard input; standard output and
// standard error together.
ChildRun RunShell(const app::test::ProgramFolder& folder, const std::vector<std::string>& args,
                  const std::string& input) {
  const std::string inputFile = folder.File("input.txt");
  app::test::WriteText(inputFile, input);
  std::vector<std::string> argv = {app::test::ProgramPath(), "shell"};
  argv.insert(argv.end(), args.begin(), args.end());
  return RunChild(
      argv,
      ChildOptions{
          inputFile, folder.path().string(), {"QUORLEX_REGISTRY=" + folder.Registry()}, true});
}

TEST(shell_Script, HostCommandsAndSystemVariables) {
  app::test::ProgramFolder folder;
  const ChildRun run = RunShell(folder, {ShellFixture()},
                                "getvar filedia\n"
                                "SETVAR FILEDIA 0\n"
                                "_GetVar\n"
                                "filedia\n"
                                "setvar dwgname other.dxf\n"
                                "setvar filedia two\n"
                                ".list\n"
                                "\n"
                                "bogus\n"
                                "quit\n");
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_THAT(run.out, HasSubstr("Command: getvar filedia\nEnter variable name: filedia\n"
                                 "FILEDIA = 1\n"));
  EXPECT_THAT(run.out, HasSubstr("Enter variable name: filedia\nFILEDIA = 0\n"));
  EXPECT_THAT(run.out, HasSubstr("Cannot set DWGNAME to other.dxf."));
  EXPECT_THAT(run.out, HasSubstr("Cannot set FILEDIA to two."));
  EXPECT_THAT(run.out, HasSubstr("  AcDbCircle (CIRCLE): 1\n  AcDbLine (LINE): 1\n"
                                 "  AcDbPoint (POINT): 3\n5 entities in model space\n"
                                 "Command: \nRepeating .list\n  AcDbCircle"));
  EXPECT_THAT(run.out, HasSubstr("Unknown command \"bogus\"."));
}

TEST(shell_Script, WindowAndCrossingSelectionAddUp) {
  app::test::ProgramFolder folder;
  const ChildRun run = RunShell(folder, {ShellFixture()},
                                "setvar filedia 0\n"
                                "quorlex\n"
                                "w\n0,0\n5,6\n"          // the points at 1,2 and 4,5, the line
                                "C\n9.5,9.5\n1.5,1.5\n"  // the point at 4,5, the line, the circle
                                "junk\n"
                                "\n"
                                "*Cancel*\n");
  EXPECT_THAT(run.out, HasSubstr("Select objects: w\nSpecify first corner: 0,0\n"
                                 "Specify opposite corner: 5,6\n3 found, 3 total\n"));
  EXPECT_THAT(run.out, HasSubstr("3 found (2 duplicate), 4 total\n"));
  EXPECT_THAT(run.out, HasSubstr("Select objects: junk\nInvalid selection"));
  EXPECT_THAT(run.out, HasSubstr("Enter file name <Export.txt>: "));
  EXPECT_THAT(run.out, HasSubstr("Failure [Command cancelled]"));
}

TEST(shell_Script, FileNamePromptAndItsOverwriteQuestion) {
  app::test::ProgramFolder folder;
  app::test::WriteText(folder.File("out.txt"), "keep me\n");
  const ChildRun run = RunShell(folder, {ShellFixture()},
                                "setvar filedia 0\n"
                                "quorlex all\n"
                                "\n"
                                "out\n"    // the dialog adds .txt; the file exists
                                "no\n"     // so it asks again
                                "new\n");  // then the options dialog, which needs a terminal
  EXPECT_THAT(run.out, HasSubstr("Enter file name <Export.txt>: out\n"));
  EXPECT_THAT(run.out, HasSubstr("[Yes/No] <No>: no\nEnter file name <Export.txt>: new\n"));
  EXPECT_THAT(run.out, HasSubstr("Quorlex Options (needs a terminal; cancelled)"));
  EXPECT_THAT(run.out, HasSubstr("Failure [Command cancelled]"));
  EXPECT_EQ(app::test::ReadText(folder.File("out.txt")), "keep me\n");
  EXPECT_FALSE(std::filesystem::exists(folder.File("new.txt")));
}

TEST(shell_Script, SaveAsThenSaveKeepsTheBackupAndOpenReportsBadFiles) {
  app::test::ProgramFolder folder;
  const std::string copy = folder.File("copy.dxf");
  const ChildRun run = RunShell(folder, {ShellFixture()},
                                "saveas " + copy +
                                    "\n"
                                    "save\n"
                                    "getvar dwgname\n"
                                    "open missing.dxf\n"
                                    "open " +
                                    copy +
                                    "\n"
                                    "list\n");
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_THAT(run.out, HasSubstr("Drawing saved to " + copy +
                                 "\nCommand: save\n"
                                 "Drawing saved to " +
                                 copy + "\n"));
  EXPECT_TRUE(std::filesystem::exists(copy + ".bak"));
  EXPECT_THAT(run.out, HasSubstr("DWGNAME = \"copy.dxf\""));
  EXPECT_EQ(app::test::ReadText(copy), app::test::ReadText(ShellFixture()))
      << "an unchanged drawing is saved as it was read";
  EXPECT_THAT(run.out, HasSubstr("missing.dxf"));
  EXPECT_THAT(run.out, HasSubstr("Opened " + copy + "\nCommand: list\n"));
  EXPECT_THAT(run.out, HasSubstr("5 entities in model space"));
}

TEST(shell_Script, WithoutADrawing) {
  app::test::ProgramFolder folder;
  const ChildRun run = RunShell(folder, {}, "quorlex\nlist\nsave\nhelp\n");
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_THAT(run.out, HasSubstr("This command needs an active drawing"));
  EXPECT_THAT(run.out, HasSubstr("Command: list\nNo drawing is open.\n"));
  EXPECT_THAT(run.out, HasSubstr("Module commands on the menu bar: QUORLEX QUORLEXHELP "
                                 "QUORLEXABOUT"));
  EXPECT_THAT(run.out, Not(HasSubstr("Successfully")));
}

TEST(shell_Script, UnusableDrawingEndsTheShell) {
  app::test::ProgramFolder folder;
  const ChildRun run = RunShell(folder, {folder.File("none.dxf")}, "list\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.out, HasSubstr("quorlex: "));
  EXPECT_THAT(run.out, HasSubstr("none.dxf"));
}

}  // namespace
}  // namespace shell::test
