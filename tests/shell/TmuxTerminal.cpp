#include "TmuxTerminal.h"

#include "ShellTestSupport.h"

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace shell::test {
namespace {

constexpr auto kDeadline = std::chrono::seconds(30);
constexpr auto kPollInterval = std::chrono::milliseconds(50);

std::string UniqueSocket() {
  static int counter = 0;
  return "quorlex-shell-test-" + std::to_string(getpid()) + "-" + std::to_string(++counter);
}

}  // namespace

bool EnsureTmux() {
  static const bool available = [] {
    if (RunChild({"tmux", "-V"}).status == 0) return true;
    const char* source = std::getenv("QUORLEX_SOURCE_DIR");
    if (source == nullptr) return false;
    RunChild({"bash", std::string(source) + "/scripts/setup.sh"});
    return RunChild({"tmux", "-V"}).status == 0;
  }();
  return available;
}

TmuxTerminal::TmuxTerminal(const std::vector<std::string>& command,
                           const std::vector<std::string>& environment,
                           const std::filesystem::path& folder, int width, int height)
    : socket_(UniqueSocket()) {
  std::vector<std::string> args = {"start-server",
                                   ";",
                                   "set-option",
                                   "-g",
                                   "remain-on-exit",
                                   "on",
                                   ";",
                                   "new-session",
                                   "-d",
                                   "-s",
                                   "main",
                                   "-x",
                                   std::to_string(width),
                                   "-y",
                                   std::to_string(height),
                                   "-c",
                                   folder.string(),
                                   "env"};
  args.insert(args.end(), environment.begin(), environment.end());
  args.insert(args.end(), command.begin(), command.end());
  Tmux(args);
  socketPath_ = Tmux({"display-message", "-p", "#{socket_path}"});
  while (!socketPath_.empty() && socketPath_.back() == '\n') socketPath_.pop_back();
}

// The server leaves its socket file behind when it is killed.
TmuxTerminal::~TmuxTerminal() {
  RunChild({"tmux", "-L", socket_, "kill-server"});
  std::error_code ignored;
  if (!socketPath_.empty()) std::filesystem::remove(socketPath_, ignored);
}

std::string TmuxTerminal::Tmux(std::vector<std::string> args) const {
  args.insert(args.begin(), {"tmux", "-L", socket_, "-f", "/dev/null"});
  const ChildRun result = RunChild(args);
  if (result.status != 0) throw std::runtime_error("tmux " + args[5] + " failed");
  return result.out;
}

void TmuxTerminal::Keys(std::initializer_list<std::string> keys) {
  std::vector<std::string> args = {"send-keys", "-t", "main"};
  args.insert(args.end(), keys.begin(), keys.end());
  Tmux(args);
}

void TmuxTerminal::Type(const std::string& text) { Tmux({"send-keys", "-t", "main", "-l", text}); }

std::string TmuxTerminal::Screen(bool attributes) const {
  std::vector<std::string> args = {"capture-pane", "-p", "-t", "main"};
  if (attributes) args.push_back("-e");
  return Tmux(args);
}

std::string TmuxTerminal::WaitFor(const std::string& text, bool attributes) const {
  const auto deadline = std::chrono::steady_clock::now() + kDeadline;
  std::string screen = Screen(attributes);
  while (screen.find(text) == std::string::npos && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(kPollInterval);
    screen = Screen(attributes);
  }
  return screen;
}

bool TmuxTerminal::WaitForExit() const {
  const auto deadline = std::chrono::steady_clock::now() + kDeadline;
  for (;;) {
    if (Tmux({"display-message", "-p", "-t", "main", "#{pane_dead}"}).starts_with("1")) {
      return true;
    }
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(kPollInterval);
  }
}

}  // namespace shell::test
