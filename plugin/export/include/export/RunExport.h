// RunExport: the body of the Quorlex command. Asks for a selection, the output file and the export
// options, collects the points of the selected entities, optionally adds a point entity at each,
// and hands the list to the point-file writer; reports the outcome in one command-line line.
#pragma once

#include "Ed/EdCommandContext.h"
#include "windows.h"

// `context` is the command's context (null: no active drawing, which is reported in a message
// box); `mainWindow` points to the host's main window handle, the owner of the dialogs, or is null
// when there is none. True only when the file was written.
//
// Messages, on the command line unless said otherwise:
//   no context                 message box "This command needs an active drawing"
//   empty selection            "\nFailure [No entities selected]"
//   a dialog cancelled         "Failure [Command cancelled]\n"
//   writer failed              "Failure [<KVPoints::GetError()>]\n"
//   written                    "Successfully processed <n> points\n"
// Host errors (a context or user IO of another class, a cancelled selection prompt, an entity that
// cannot be opened) are not caught: they end the command in the host before anything is written.
// Point entities, when asked for, are created before the file is written and stay in the drawing
// when writing fails.
bool RunExport(OdEdCommandContext* context, HWND* mainWindow);
