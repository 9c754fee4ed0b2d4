// CommandLineOutput: the host's command line, written to a stream as UTF-8.
//
// What a command prints (putString) appears exactly as given, line breaks included. The host's
// own lines (prompts with the answer they got, messages) always start on a fresh line, as a CAD
// command line does; Finish() ends a line left open, so the output ends with a line break.
// The output also notes whether a command reported success ("Successfully processed ...") or a
// failure ("Failure [...]", possibly after line breaks), which decides the exit status.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace app {

// `text` with its line breaks as blanks, for what is shown on one line of the command line.
std::wstring OneLine(std::wstring text);

class CommandLineOutput {
 public:
  explicit CommandLineOutput(std::ostream& out) : out_(out) {}

  // Text as a command gives it.
  void Print(std::wstring_view text);
  // "<prompt> <answer>" as the user saw it after typing the answer and Enter ("<prompt>" alone
  // for an empty answer).
  void Prompt(std::wstring_view prompt, std::wstring_view answer);
  // One line of the host's own.
  void Line(std::wstring_view text);
  void Finish();

  bool sawSuccess() const { return success_; }
  bool sawFailure() const { return failure_; }
  // The host's own failures (an error that ended a command) count as failures too.
  void NoteFailure() { failure_ = true; }

 private:
  void Write(std::wstring_view text);
  void StartLine();

  std::ostream& out_;
  bool atLineStart_ = true;
  bool success_ = false;
  bool failure_ = false;
};

}  // namespace app
