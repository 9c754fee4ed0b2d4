// What the shell's tests share: running a child program with its output captured, and the paths
// of the shell's fixture drawings.
#pragma once

#include <string>
#include <vector>

namespace shell::test {

struct ChildRun {
  std::string out;  // standard output, and standard error when asked for
  int status = -1;  // exit status; 128 + signal number when killed by a signal
};

struct ChildOptions {
  std::string input;                     // file for standard input; empty keeps the test's
  std::string folder;                    // working directory; empty keeps the test's
  std::vector<std::string> environment;  // "NAME=value" additions
  bool withErrors = false;               // standard error into `out` too
};

// Runs argv[0] (looked up on PATH) without a shell.
ChildRun RunChild(const std::vector<std::string>& argv, const ChildOptions& options = {});

// tests/data/shell/NAME in the source tree.
std::string ShellFixture(const std::string& name = "shell.dxf");

}  // namespace shell::test
