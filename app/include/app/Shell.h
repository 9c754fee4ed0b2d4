// `quorlex shell [DRAWING]`: the host as a CAD user knows it, a "Command:" prompt.
//
// A command is typed by name, case-insensitively, with or without a leading "_" (or "."); words
// after the name answer the command's next prompts, as a space does on a CAD command line. An
// empty line repeats the last command; Ctrl-C or Escape at a prompt cancels ("*Cancel*"). The
// host's own commands:
//   OPEN [FILE]          opens another drawing (asking first about unsaved changes)
//   SAVE                 writes the drawing back, keeping the previous file as FILE.bak
//   SAVEAS [FILE]        writes it to another file, which becomes the open drawing's file
//   QUIT (EXIT)          ends the shell, asking first about unsaved changes
//   LIST                 entity counts in model space by class
//   SETVAR NAME VALUE, GETVAR NAME   the host's system variables (FILEDIA, CMDECHO, ...)
//   APPLOAD FILE         loads another module (.drx) and starts it
//   MENU                 the menu bar; choosing a pull-down item runs its macro
//   HELP                 these commands and the modules' commands on the menu bar
// Every other name goes to the command stack (the module's Quorlex, QuorlexHelp, QuorlexAbout).
//
// At a terminal lines are read with readline and windows drawn by the terminal backend; without
// one, lines come from standard input and the shell can be scripted (see app/ShellBackend.h).
// Opening a drawing shows the share of the file read on standard error while that is a terminal.
#pragma once

#include <istream>
#include <ostream>

#include "app/CommandLine.h"

namespace app {

// The exit status: 0, or 2 when the drawing or the module cannot be used.
int RunShell(const ShellRequest& request, std::istream& in, std::ostream& out,
             std::ostream& errors);

}  // namespace app
