// Script: the lines of a script file for `quorlex run`, and ScriptAnswers, which answers the
// command line's prompts and the dialogs from them, one line each, in the order they are asked.
//
// Script format (UTF-8 text, LF or CR LF):
//   ; a comment                   lines starting with ";" are skipped everywhere
//   Quorlex                       at the "Command:" prompt: a command name ("_" in front is fine);
//                                 blank lines between commands are skipped
//   LAYER=SURVEY-POINTS           an answer to a prompt ("Select objects:" takes a selection
//                                 spec: ALL, NONE, LAYER=..., TYPE=..., HANDLE=...)
//   out/points.txt                the save-file dialog: the file to write (an existing one is
//                                 replaced); a blank line takes the name the dialog offers
//                                 ("Export.txt"), which is not replaced when it exists
//   --no-extract --delimiter tab  the options dialog: the export option flags of `quorlex export`
//                                 (words split at blanks, "double quotes" keep blanks), then OK;
//                                 a blank line is OK with the stored options
//   *Cancel*                      cancels the prompt or dialog it answers
// When the script ends, a prompt or dialog still waiting is cancelled and the run stops.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/CommandLineOutput.h"
#include "app/CommandLineUserIO.h"
#include "app/HostBackend.h"

namespace app {

class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Script {
 public:
  // Throws ScriptError ("FILE: reason", "FILE:LINE: not UTF-8 text").
  static Script Load(const std::string& path);
  static Script FromText(std::string_view text, const std::string& name);

  // The next line that is not a comment, or nothing at the end.
  std::optional<std::string> NextLine();
  // The next line that is neither a comment nor blank.
  std::optional<std::string> NextCommand();

 private:
  std::vector<std::string> lines_;
  size_t next_ = 0;
};

// True for the answer "*Cancel*" (any case, blanks around allowed).
bool IsCancelAnswer(const std::string& line);

class ScriptAnswers : public PromptAnswers, public DialogAnswers {
 public:
  ScriptAnswers(Script& script, CommandLineOutput& output) : script_(script), output_(output) {}

  std::optional<std::string> NextAnswer() override;
  std::optional<std::wstring> SaveFile(const ui::FileDialogRequest& request) override;
  bool ReplaceExisting() override { return replace_; }
  std::optional<OptionFlags> Options() override;

 private:
  Script& script_;
  CommandLineOutput& output_;
  bool replace_ = false;
};

}  // namespace app
