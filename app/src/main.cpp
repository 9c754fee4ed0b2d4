// quorlex: the host program. See app/CommandLine.h for the command line.
#include <exception>
#include <iostream>
#include <string_view>
#include <vector>

#include "app/CommandLine.h"
#include "app/HostSession.h"
#include "app/Shell.h"

namespace {

constexpr int kUsageError = 2;

// The batch commands end the process as soon as they return, so their drawing is left to the
// exit rather than destroyed object by object; the shell opens and closes drawings as it goes.
int Dispatch(const app::Request& request) {
  if (const auto* exportRequest = std::get_if<app::ExportRequest>(&request)) {
    return app::RunExport(*exportRequest, std::cout, std::cerr, app::SessionEnd::kProcessExit);
  }
  if (const auto* runRequest = std::get_if<app::RunRequest>(&request)) {
    return app::RunScript(*runRequest, std::cout, std::cerr, app::SessionEnd::kProcessExit);
  }
  if (const auto* shellRequest = std::get_if<app::ShellRequest>(&request)) {
    return app::RunShell(*shellRequest, std::cin, std::cout, std::cerr);
  }
  std::cout << app::UsageText();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  try {
    return Dispatch(app::ParseCommandLine(args));
  } catch (const app::UsageError& error) {
    std::cerr << "quorlex: " << error.what() << "\n" << app::UsageText();
    return kUsageError;
  } catch (const std::exception& error) {
    std::cerr << "quorlex: " << error.what() << "\n";
    return kUsageError;
  }
}
