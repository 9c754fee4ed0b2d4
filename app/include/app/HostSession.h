// HostSession: one drawing open in the host with the plug-in module loaded, ready to run
// commands; and the two ways the program drives it, `export` and `run`.
//
// Opening reads the drawing (dxf::readDxfFile), installs the host's SDS functions, its
// window-system backend and its main window, then loads the module (LoadedModule). Closing
// releases the drawing first and then stops and unloads the module.
#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "DbDatabase.h"
#include "app/CommandLine.h"
#include "app/CommandLineOutput.h"
#include "app/CommandLineUserIO.h"
#include "app/HostBackend.h"
#include "app/MenuBar.h"
#include "dxf/DxfReader.h"
#include "ui/backend.h"

namespace app {

class HostSession {
 public:
  // Throws OdError (dxf::DxfError for a drawing that cannot be read) or ModuleError.
  HostSession(const DrawingRequest& request, CommandLineOutput& output, PromptAnswers& prompts,
              DialogAnswers& dialogs);
  // A session whose windows `backend` shows (the interactive shell's); `request.drawing` may be
  // empty for a session with no drawing open. `read` is passed to the DXF reader.
  HostSession(const DrawingRequest& request, CommandLineOutput& output, PromptAnswers& prompts,
              ui::Backend& backend, const dxf::ReadOptions& read = {});
  ~HostSession();
  HostSession(const HostSession&) = delete;
  HostSession& operator=(const HostSession&) = delete;

  // Runs one command by name as typed ("Quorlex", "_QuorlexAbout"). An error that leaves the
  // command is shown on one line and noted as a failure; the session goes on.
  void RunCommand(const std::wstring& name);
  // Saves as the request says, or says in one line that new entities were not saved. False
  // when saving failed (the reason went to `errors`).
  bool Save(std::ostream& errors);

  // The open drawing, or null when none is.
  OdDbDatabase* database();
  MenuBar& menus();
  // Replaces the open drawing with the one at `path`. Throws OdError; the open drawing then stays.
  void Open(const std::string& path, const dxf::ReadOptions& read = {});
  // Writes the open drawing to `path` (an existing file is kept as `path`.bak), which becomes the
  // drawing's file (DWGNAME, DWGPREFIX). Throws OdError.
  void SaveTo(const std::string& path);

  // For a process that ends as soon as the session closes: the open drawing is then not
  // destroyed object by object (for a drawing of a million entities a twentieth of a batch run)
  // but handed to the operating system with the rest of the process's memory. It stays
  // reachable until the process ends; the session closes as usual otherwise (the module is
  // stopped and unloaded). Call it only after every file has been written and closed: nothing
  // that destroying the drawing would do is left undone (it writes nothing and holds no file).
  void KeepDrawingUntilExit();

 private:
  class Impl;
  std::unique_ptr<Impl> impl_;
};

// How a batch run closes its session: the program, which exits right after, keeps the drawing
// until the exit (HostSession::KeepDrawingUntilExit); callers that go on running tear it down.
enum class SessionEnd { kTearDown, kProcessExit };

// `quorlex export`: the exit status (0 success, 1 failure, 2 drawing or module unusable).
int RunExport(const ExportRequest& request, std::ostream& out, std::ostream& errors,
              SessionEnd end = SessionEnd::kTearDown);
// `quorlex run`: 0, or 1 when a command printed a "Failure [...]" line or ended with an error
// (or the save failed), 2 as for export.
int RunScript(const RunRequest& request, std::ostream& out, std::ostream& errors,
              SessionEnd end = SessionEnd::kTearDown);

}  // namespace app
