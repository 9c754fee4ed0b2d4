// `quorlex shell` in a 100 x 40 terminal, typed at as a person would: the command, the
// selection, the file name, keys that move through the options dialog and toggle its controls.
// The screen shows the dialogs as drawn; the point file and the settings store show the outcome.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "../app/ProgramRun.h"
#include "ShellTestSupport.h"
#include "TmuxTerminal.h"

namespace shell::test {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// Whether `text` on the screen (captured with attributes) is drawn dim: the attribute sequence
// right before it turns on SGR 2.
bool DrawnDim(const std::string& screen, const std::string& text) {
  const size_t at = screen.find(text);
  if (at == std::string::npos || at == 0 || screen[at - 1] != 'm') return false;
  const size_t start = screen.rfind("\x1b[", at);
  if (start == std::string::npos) return false;
  const std::string params = ";" + screen.substr(start + 2, at - 1 - start - 2) + ";";
  return params.find(";2;") != std::string::npos;
}

const char* const kSubOptions[] = {
    "End points of curve objects",
    "Mid points of curve objects",
    "Center points of arc, circle and ellipse objects",
    "Control points of spline objects",
    "Vertices of polyline, multiline, mesh, 2d solid and 3d face objects",
    "Start points of text objects"};

constexpr char kStoredTabNoExtract[] =
    "Windows Registry Editor Version 5.00\r\n\r\n"
    "[HKEY_CURRENT_USER\\Software\\ZELKOR\\Quorlex for IntelliCAD]\r\n"
    "\"Points\"=dword:00000001\r\n\"Extract\"=dword:00000000\r\n"
    "\"End Point\"=dword:00000001\r\n\"Mid Point\"=dword:00000000\r\n"
    "\"Center Point\"=dword:00000001\r\n\"Control Point\"=dword:00000000\r\n"
    "\"Vertex\"=dword:00000001\r\n\"Text\"=dword:00000000\r\n"
    "\"Format\"=dword:00000000\r\n\"Delimiter\"=dword:%DELIMITER%\r\n"
    "\"Other\"=\"%OTHER%\"\r\n\"Create Points\"=dword:00000000\r\n";

std::string StoredOptions(const std::string& delimiter, const std::string& other) {
  std::string text = kStoredTabNoExtract;
  text.replace(text.find("%DELIMITER%"), 11, delimiter);
  text.replace(text.find("%OTHER%"), 7, other);
  return text;
}

class shell_Terminal : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(EnsureTmux()) << "tmux is needed: run scripts/setup.sh"; }

  std::unique_ptr<TmuxTerminal> Start(const std::string& drawing = ShellFixture()) {
    return std::make_unique<TmuxTerminal>(
        std::vector<std::string>{app::test::ProgramPath(), "shell", drawing},
        std::vector<std::string>{"LANG=C.UTF-8", "QUORLEX_REGISTRY=" + folder_.Registry()},
        folder_.path());
  }

  // Types the export command up to the options dialog: the selection, then the file name.
  static std::string OpenOptionsDialog(TmuxTerminal& terminal, const std::string& selection,
                                       const std::string& file,
                                       const std::string& shown = "Quorlex Options") {
    EXPECT_THAT(terminal.WaitFor("Command:"), HasSubstr("Command:"));
    terminal.Type("quorlex");
    terminal.Keys({"Enter"});
    EXPECT_THAT(terminal.WaitFor("Select objects:"), HasSubstr("Select objects:"));
    terminal.Type(selection);
    terminal.Keys({"Enter"});
    EXPECT_THAT(terminal.WaitFor(" found"), HasSubstr(" found"));
    terminal.Keys({"Enter"});
    EXPECT_THAT(terminal.WaitFor("[Export.txt"), HasSubstr("File name: [Export.txt"));
    // The offered name stands selected: typing replaces it.
    if (!file.empty()) terminal.Type(file);
    terminal.Keys({"Enter"});
    return terminal.WaitFor(shown, true);
  }

  app::test::ProgramFolder folder_;
};

TEST_F(shell_Terminal, ExportThroughTheDialogsAndTheNextRunShowsTheSavedOptions) {
  {
    std::unique_ptr<TmuxTerminal> terminal = Start();
    std::string screen = OpenOptionsDialog(*terminal, "LAYER=SURVEY", "points");
    EXPECT_THAT(screen, HasSubstr("[x] Export point objects"));
    EXPECT_THAT(screen, HasSubstr("[x] Extract and export point data from other objects"));
    EXPECT_THAT(screen, HasSubstr("(*) Comma"));
    EXPECT_THAT(screen, HasSubstr("[X, Y, Z"));
    EXPECT_THAT(screen, HasSubstr("OK"));
    EXPECT_TRUE(DrawnDim(screen, "[   ]")) << "the Other field is off while Comma is chosen";
    EXPECT_FALSE(DrawnDim(screen, "[x] End points of curve objects"));

    terminal->Keys({"Tab", "Space"});  // the focus starts on the first tab stop
    screen = terminal->WaitFor("[ ] Extract", true);
    for (const char* option : kSubOptions) {
      EXPECT_TRUE(DrawnDim(screen, std::string("[x] ") + option)) << option;
    }
    // Tab passes over the disabled options and the radio buttons to "Create point objects";
    // Up goes back past the disabled Other field into the radio group, Left walks it.
    terminal->Keys({"Tab", "Tab", "Up", "Left", "Left", "Left", "Left"});
    screen = terminal->WaitFor("(*) Tab");
    EXPECT_THAT(screen, HasSubstr("( ) Comma"));
    terminal->Keys({"Enter"});
    EXPECT_THAT(terminal->WaitFor("Successfully processed"),
                HasSubstr("Successfully processed 3 points"));
    EXPECT_EQ(app::test::ReadText(folder_.File("points.txt")), "1\t2\t3\n4\t5\t6\n40\t50\t0\n");
    terminal->Type("QUIT");
    terminal->Keys({"Enter"});
    EXPECT_TRUE(terminal->WaitForExit());
  }
  std::unique_ptr<TmuxTerminal> terminal = Start();
  const std::string screen = OpenOptionsDialog(*terminal, "ALL", "");
  EXPECT_THAT(screen, HasSubstr("[ ] Extract and export point data from other objects"));
  EXPECT_THAT(screen, HasSubstr("(*) Tab"));
  EXPECT_TRUE(DrawnDim(screen, "[x] End points of curve objects"));
}

TEST_F(shell_Terminal, CancelInTheOptionsDialogWritesNothing) {
  const std::string stored = StoredOptions("00000000", "");
  app::test::WriteText(folder_.Registry(), stored);
  std::unique_ptr<TmuxTerminal> terminal = Start();
  std::string screen = OpenOptionsDialog(*terminal, "ALL", "");
  EXPECT_THAT(screen, HasSubstr("[ ] Extract"));
  EXPECT_THAT(screen, HasSubstr("[ ] Mid points of curve objects"));
  terminal->Keys({"Space", "Tab", "Space"});  // clear "Export point objects", check Extract
  screen = terminal->WaitFor("[x] Extract");
  EXPECT_THAT(screen, HasSubstr("[ ] Export point objects"));
  terminal->Keys({"Escape"});
  EXPECT_THAT(terminal->WaitFor("Failure ["), HasSubstr("Failure [Command cancelled]"));
  EXPECT_FALSE(std::filesystem::exists(folder_.File("Export.txt")));
  EXPECT_EQ(app::test::ReadText(folder_.Registry()), stored);
}

TEST_F(shell_Terminal, StoredTwoCharacterOtherIsRefusedUntilShortened) {
  app::test::WriteText(folder_.Registry(), StoredOptions("00000004", "ab"));
  std::unique_ptr<TmuxTerminal> terminal = Start();
  // The dialog's initialisation validates the stored text before the dialog is shown.
  OpenOptionsDialog(*terminal, "ALL", "", "Please enter");
  std::string screen = terminal->Screen();
  EXPECT_THAT(screen, HasSubstr("(!) Please enter no more than 1 characters."));
  terminal->Keys({"Enter"});  // closes the prompt
  screen = terminal->WaitFor("[ab");
  EXPECT_THAT(screen, Not(HasSubstr("Please enter")));
  EXPECT_THAT(screen, HasSubstr("(*) Other"));
  terminal->Keys({"Enter"});  // OK is refused: the prompt comes back
  screen = terminal->WaitFor("Please enter no more than 1 characters.");
  EXPECT_THAT(screen, HasSubstr("(!) Please enter"));
  EXPECT_THAT(screen, HasSubstr("Quorlex Options")) << "the prompt is drawn over the dialog";
  terminal->Keys({"Enter"});
  terminal->WaitFor("[ab");
  terminal->Keys({"BSpace"});  // the focus is on the field the prompt was about
  screen = terminal->WaitFor("[a ");
  terminal->Keys({"Enter"});
  EXPECT_THAT(terminal->WaitFor("Successfully processed"),
              HasSubstr("Successfully processed 3 points"));
  EXPECT_EQ(app::test::ReadText(folder_.File("Export.txt")), "1a2a3\n4a5a6\n40a50a0\n");
  EXPECT_THAT(app::test::ReadText(folder_.Registry()), HasSubstr("\"Other\"=\"a\""));
}

TEST_F(shell_Terminal, MenuItemRunsItsMacro) {
  std::unique_ptr<TmuxTerminal> terminal = Start();
  terminal->WaitFor("Command:");
  terminal->Type("menu");
  terminal->Keys({"Enter"});
  std::string screen = terminal->WaitFor("Choose a menu:");
  EXPECT_THAT(screen, HasSubstr("1 File"));
  EXPECT_THAT(screen, HasSubstr("10 Quorlex"));
  terminal->Type("10");
  terminal->Keys({"Enter"});
  screen = terminal->WaitFor("Choose an item:");
  EXPECT_THAT(screen, HasSubstr("1 Export Points..."));
  EXPECT_THAT(screen, HasSubstr("4 About Quorlex..."));
  terminal->Type("4");
  terminal->Keys({"Enter"});
  screen = terminal->WaitFor("Exports the 3D points");
  EXPECT_THAT(screen, HasSubstr("Exports the 3D points of drawing entities to delimited text"));
  EXPECT_THAT(screen, HasSubstr("(i)"));
  terminal->Keys({"Enter"});
  screen = terminal->WaitFor("Command: _QuorlexAbout");
  EXPECT_THAT(screen, HasSubstr("Command: _QuorlexAbout"));
}

size_t Count(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

TEST_F(shell_Terminal, PromptKeysAndQuittingWithUnsavedChanges) {
  const std::string drawing = folder_.File("site.dxf");
  std::filesystem::copy_file(ShellFixture(), drawing);
  std::unique_ptr<TmuxTerminal> terminal = Start(drawing);
  terminal->WaitFor("Command:");
  terminal->Type("lis");
  terminal->Keys({"C-c"});
  terminal->WaitFor("Command: *Cancel*");
  terminal->Type("getv");
  terminal->Keys({"Escape"});
  std::string screen = terminal->WaitFor("Command: *Cancel*\nCommand: *Cancel*\nCommand:");
  EXPECT_THAT(screen, HasSubstr("Command: *Cancel*\nCommand: *Cancel*\nCommand:"));
  terminal->Type("list");
  terminal->Keys({"Enter"});
  terminal->WaitFor("5 entities");
  terminal->Keys({"Up", "Enter"});  // the history gives the line back
  screen = terminal->WaitFor("5 entities in model space\nCommand: list\n");
  EXPECT_EQ(Count(screen, "5 entities in model space"), 2u) << screen;

  // Create point objects, reached backwards from the first tab stop past Cancel and OK.
  OpenOptionsDialog(*terminal, "LAYER=SURVEY", "");
  terminal->Keys({"BTab", "BTab", "BTab", "Space"});
  terminal->WaitFor("[x] Create point objects");
  terminal->Keys({"Enter"});
  EXPECT_THAT(terminal->WaitFor("Successfully processed"),
              HasSubstr("Successfully processed 3 points"));
  terminal->Type("quit");
  terminal->Keys({"Enter"});
  screen = terminal->WaitFor("Save changes to site.dxf?");
  EXPECT_THAT(screen, HasSubstr("(?) Save changes to site.dxf?"));
  EXPECT_THAT(screen, HasSubstr("Cancel"));
  terminal->Keys({"Escape"});  // stays
  terminal->WaitFor("Command: quit\nCommand:");
  terminal->Type("quit");
  terminal->Keys({"Enter"});
  terminal->WaitFor("Save changes to site.dxf?");
  terminal->Keys({"y"});
  EXPECT_TRUE(terminal->WaitForExit());
  EXPECT_EQ(app::test::ReadText(drawing + ".bak"), app::test::ReadText(ShellFixture()));
  EXPECT_EQ(Count(app::test::ReadText(drawing), "AcDbPoint"),
            Count(app::test::ReadText(ShellFixture()), "AcDbPoint") + 3);
}

}  // namespace
}  // namespace shell::test
