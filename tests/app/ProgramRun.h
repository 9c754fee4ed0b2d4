// RunProgram: runs the built `quorlex` as a user would, in a folder of its own, and captures
// standard output, standard error and the exit status. Every run gets QUORLEX_REGISTRY pointing
// into its folder, so settings never touch the user's own.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace app::test {

struct ProgramResult {
  std::string out;
  std::string err;
  int status = -1;  // exit status; 128 + signal number when killed by a signal
};

class ProgramFolder {
 public:
  ProgramFolder();
  ~ProgramFolder();
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  std::string Registry() const { return File("registry.reg"); }

  // Runs `quorlex args...` with this folder as working directory; `environment` adds "NAME=value"
  // entries to the program's environment.
  ProgramResult Run(const std::vector<std::string>& args,
                    const std::vector<std::string>& environment = {}) const;

 private:
  std::filesystem::path path_;
};

std::string ReadText(const std::string& path);
void WriteText(const std::string& path, const std::string& text);

// The built program, the folder of the test fixtures, the sample drawing.
std::string ProgramPath();
std::string FixturePath(const std::string& name);
std::string SamplePath();

}  // namespace app::test
