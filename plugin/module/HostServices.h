// The module's services that tie it to the files installed beside it: the product menu, loaded
// when the module is initialised, the help file (command QuorlexHelp) and the About box (command
// QuorlexAbout).
#pragma once

#include "windows.h"

// Loads "Quorlex.mnu" from the module's own folder with the host command "_menuload" and inserts
// its pull-down menu "pop1" of menu group "Quorlex" at position 10 ("P10=+Quorlex.pop1"). Reports
// nothing: without the menu the commands still work from the command line. When the module's
// path cannot be told in full, no menu is loaded rather than a file from a wrong folder.
void LoadProductMenu(HINSTANCE moduleHandle);

// Rebuilds the product title and opens "Quorlex_Bricscad.chm" from the module's folder with the
// desktop's opener. When that fails (no such file, no opener, a module path that cannot be told
// in full) a message box "Error displaying help file" owned by *mainWindow tells the user.
void ShowHelp(HINSTANCE moduleHandle, HWND* mainWindow);

// Rebuilds the product title and shows the About box with it, owned by *mainWindow.
void ShowAbout(HWND* mainWindow);
