#include "app/ShellLineSource.h"

#include <readline/history.h>
#include <readline/readline.h>
#include <termios.h>
#include <unistd.h>

#include <cassert>
#include <cstdio>
#include <cstdlib>

#include "app/Script.h"

namespace app {
namespace {

constexpr int kControlC = 3;

bool cancelled = false;
bool active = false;

// Ends the line at once; Read then rewrites it as "<prompt>*Cancel*".
int CancelLine(int, int) {
  cancelled = true;
  rl_done = 1;
  return 0;
}

// Readline keeps the terminal's signal keys; Ctrl-C must reach CancelLine as a key instead of
// stopping the program.
void PrepareTerminal(int meta) {
  rl_prep_terminal(meta);
  termios settings{};
  if (tcgetattr(STDIN_FILENO, &settings) != 0) return;
  settings.c_lflag &= ~static_cast<tcflag_t>(ISIG);
  tcsetattr(STDIN_FILENO, TCSADRAIN, &settings);
}

}  // namespace

ReadlineSource::ReadlineSource() {
  assert(!active && "readline's state is global: one ReadlineSource at a time");
  active = true;
  rl_readline_name = "quorlex";
  rl_catch_signals = 0;
  rl_prep_term_function = PrepareTerminal;
  rl_bind_key(kControlC, CancelLine);
  // Escape alone: the function a prefix key runs when nothing follows within keyseq-timeout.
  Keymap meta = rl_get_keymap_by_name("emacs-meta");
  if (meta != nullptr) {
    meta[ANYOTHERKEY].type = ISFUNC;
    meta[ANYOTHERKEY].function = CancelLine;
  }
  rl_variable_bind("keyseq-timeout", "150");
  using_history();
}

ReadlineSource::~ReadlineSource() {
  clear_history();
  active = false;
}

TypedLine ReadlineSource::Read(const std::string& prompt) {
  cancelled = false;
  char* line = readline(prompt.c_str());
  if (cancelled) {
    std::fprintf(rl_outstream ? rl_outstream : stdout, "\r\x1b[K%s*Cancel*\n", prompt.c_str());
    std::fflush(rl_outstream ? rl_outstream : stdout);
    std::free(line);
    return TypedLine{LineStatus::kCancelled, ""};
  }
  if (line == nullptr) return TypedLine{LineStatus::kEnd, ""};
  TypedLine typed{LineStatus::kLine, line};
  std::free(line);
  if (!typed.text.empty()) add_history(typed.text.c_str());
  return typed;
}

TypedLine StreamLineSource::Read(const std::string& prompt) {
  out_ << prompt << std::flush;
  std::string line;
  if (!std::getline(in_, line)) {
    out_ << "\n";
    return TypedLine{LineStatus::kEnd, ""};
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (IsCancelAnswer(line)) {
    out_ << "*Cancel*\n" << std::flush;
    return TypedLine{LineStatus::kCancelled, ""};
  }
  out_ << line << "\n" << std::flush;
  return TypedLine{LineStatus::kLine, line};
}

}  // namespace app
