// TmuxTerminal: a program run in a terminal of fixed size as a person would use it: tmux runs it
// in a detached session on a server of its own, send-keys types, capture-pane reads the screen.
// Waiting for screen content polls with a bounded deadline.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

namespace shell::test {

class TmuxTerminal {
 public:
  // Runs `command` (program and arguments) with "NAME=value" `environment` additions in
  // `folder`, in a width x height terminal.
  TmuxTerminal(const std::vector<std::string>& command, const std::vector<std::string>& environment,
               const std::filesystem::path& folder, int width = 100, int height = 40);
  ~TmuxTerminal();
  TmuxTerminal(const TmuxTerminal&) = delete;
  TmuxTerminal& operator=(const TmuxTerminal&) = delete;

  // tmux key names: "Enter", "Tab", "BTab", "Space", "Escape", "Down", "C-c", ...
  void Keys(std::initializer_list<std::string> keys);
  // Text typed literally.
  void Type(const std::string& text);
  // The screen as text; with `attributes` its SGR escape sequences (dim is "\x1b[2m").
  std::string Screen(bool attributes = false) const;
  // Polls until `text` is on the screen or the deadline passes; returns the last screen seen.
  std::string WaitFor(const std::string& text, bool attributes = false) const;
  // Polls until the program has ended; false when it is still running at the deadline.
  bool WaitForExit() const;

 private:
  std::string Tmux(std::vector<std::string> args) const;

  std::string socket_;
  std::string socketPath_;
};

// Whether tmux runs here; when it does not, the project's scripts/setup.sh is run once to
// install it, as the terminal tests need it.
bool EnsureTmux();

}  // namespace shell::test
