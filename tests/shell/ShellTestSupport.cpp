#include "ShellTestSupport.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <stdexcept>

namespace shell::test {
namespace {

[[noreturn]] void StartChild(const std::vector<std::string>& argv, const ChildOptions& options,
                             int output) {
  if (!options.input.empty()) {
    const int in = open(options.input.c_str(), O_RDONLY);
    if (in < 0) _exit(126);
    dup2(in, STDIN_FILENO);
  }
  dup2(output, STDOUT_FILENO);
  if (options.withErrors) dup2(output, STDERR_FILENO);
  close(output);  // else a server the child starts (tmux) keeps the pipe open
  if (!options.folder.empty() && chdir(options.folder.c_str()) != 0) _exit(126);
  for (const std::string& entry : options.environment) putenv(const_cast<char*>(entry.c_str()));
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  execvp(args[0], args.data());
  _exit(127);
}

}  // namespace

ChildRun RunChild(const std::vector<std::string>& argv, const ChildOptions& options) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) throw std::runtime_error("pipe failed");
  const pid_t child = fork();
  if (child == 0) {
    close(pipeEnds[0]);
    StartChild(argv, options, pipeEnds[1]);
  }
  close(pipeEnds[1]);
  ChildRun run;
  std::array<char, 4096> buffer{};
  for (ssize_t n; (n = read(pipeEnds[0], buffer.data(), buffer.size())) > 0;) {
    run.out.append(buffer.data(), static_cast<size_t>(n));
  }
  close(pipeEnds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return run;
}

std::string ShellFixture(const std::string& name) {
  const char* source = std::getenv("QUORLEX_SOURCE_DIR");
  return std::string(source ? source : QUORLEX_SOURCE_DIR) + "/tests/data/shell/" + name;
}

}  // namespace shell::test
