// Child processes for the reliability tests: the real `quorlex` (or a function of this test
// program) run under a fault that a process can be given from outside: a file-size limit
// (RLIMIT_FSIZE with SIGXFSZ ignored, so a write fails with EFBIG as on a full disk), an
// unprivileged user (root ignores permission bits), or a SIGKILL the moment the program creates a
// file in a watched folder (a save cut off between its temporary and its rename).
#pragma once

#include <sys/resource.h>
#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace reliability {

struct ChildResult {
  std::string out;
  std::string err;
  int status = -1;             // exit status; 128 + signal number when killed by a signal
  long peakRssKiB = 0;         // the child's peak resident set size
  bool killedMidSave = false;  // a watched file was created and the child was killed then
};

struct Faults {
  std::optional<rlim_t> fileSizeLimit;  // bytes
  std::optional<uid_t> user;            // run as this uid (and gid) instead of root
  // Kill the child with SIGKILL when a file whose name contains `killOnCreate` appears here.
  std::filesystem::path watchFolder;
  std::string killOnCreate;
};

// Runs `quorlex args...` in `folder`; `environment` adds "NAME=value" entries.
ChildResult RunProgram(const std::filesystem::path& folder, const std::vector<std::string>& args,
                       const std::vector<std::string>& environment, const Faults& faults = {});

// Runs `body` in a forked child (its return value is the exit status); standard error is kept.
ChildResult RunFunction(const std::function<int()>& body, const Faults& faults = {});

// The uid of "nobody" for dropping root's privileges.
constexpr uid_t kNobody = 65534;

// A folder of its own under the temporary directory, removed (permissions restored) at the end.
class Scratch {
 public:
  Scratch();
  ~Scratch();
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& bytes);
// Names in `folder` other than those in `keep`.
std::vector<std::string> OtherFiles(const std::filesystem::path& folder,
                                    const std::vector<std::string>& keep);

std::string SourceDir();
std::string ProgramPath();

}  // namespace reliability
