#include "Child.h"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace fs = std::filesystem;

namespace reliability {
namespace {

std::string Setting(const char* name, const char* fallback) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : fallback;
}

int StatusOf(int waitStatus) {
  if (WIFEXITED(waitStatus)) return WEXITSTATUS(waitStatus);
  if (WIFSIGNALED(waitStatus)) return 128 + WTERMSIG(waitStatus);
  return -1;
}

// In the child, before exec: the faults a process carries with it.
void ApplyFaults(const Faults& faults) {
  if (faults.fileSizeLimit) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{*faults.fileSizeLimit, *faults.fileSizeLimit};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(126);
  }
  // Without root the permission bits already bind this process.
  if (faults.user && ::geteuid() == 0) {
    if (::setgroups(0, nullptr) != 0 || ::setgid(*faults.user) != 0 ||
        ::setuid(*faults.user) != 0) {
      ::_exit(126);
    }
  }
}

int WatchFor(const Faults& faults) {
  if (faults.killOnCreate.empty()) return -1;
  const int fd = ::inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
  if (fd < 0 || ::inotify_add_watch(fd, faults.watchFolder.c_str(), IN_CREATE) < 0) {
    throw std::runtime_error("cannot watch " + faults.watchFolder.string());
  }
  return fd;
}

// True when a pending event names a file containing `part`; reads every pending event.
bool Created(int watch, const std::string& part) {
  alignas(inotify_event) char buffer[4096];
  bool seen = false;
  for (ssize_t n; (n = ::read(watch, buffer, sizeof buffer)) > 0;) {
    for (ssize_t at = 0; at < n;) {
      const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
      if (event->len > 0 && std::strstr(event->name, part.c_str()) != nullptr) seen = true;
      at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
    }
  }
  return seen;
}

bool Drain(int fd, std::string& into) {
  char buffer[4096];
  const ssize_t n = ::read(fd, buffer, sizeof buffer);
  if (n > 0) into.append(buffer, static_cast<std::size_t>(n));
  return n > 0;
}

// Collects the child's output until both pipes close. When the watched name appears, the child
// is killed at once (microseconds after the create, long before a save's flush and rename).
// Pipes, not files, carry the output: a file-size limit must not cut the capture short.
ChildResult Finish(pid_t pid, int out, int err, int watch, const Faults& faults) {
  ChildResult result;
  pollfd fds[3] = {{out, POLLIN, 0}, {err, POLLIN, 0}, {watch, POLLIN, 0}};
  int open = 2;
  while (open > 0 && ::poll(fds, watch >= 0 ? 3 : 2, -1) >= 0) {
    if (fds[2].revents != 0 && Created(watch, faults.killOnCreate) && !result.killedMidSave) {
      result.killedMidSave = ::kill(pid, SIGKILL) == 0;
    }
    for (int i = 0; i < 2; ++i) {
      if (fds[i].revents == 0 || Drain(fds[i].fd, i == 0 ? result.out : result.err)) continue;
      fds[i].fd = -1;
      --open;
    }
  }
  if (watch >= 0) ::close(watch);
  ::close(out);
  ::close(err);
  int waitStatus = 0;
  rusage usage{};
  ::wait4(pid, &waitStatus, 0, &usage);
  result.status = StatusOf(waitStatus);
  result.peakRssKiB = usage.ru_maxrss;
  return result;
}

struct Pipes {
  int out[2] = {-1, -1};
  int err[2] = {-1, -1};
  Pipes() {
    if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) {
      throw std::runtime_error("pipe failed");
    }
  }
  // In the child: the write ends become standard output and error.
  void Child() const {
    if (::dup2(out[1], 1) < 0 || ::dup2(err[1], 2) < 0) ::_exit(126);
  }
  ChildResult Parent(pid_t pid, int watch, const Faults& faults) const {
    ::close(out[1]);
    ::close(err[1]);
    return Finish(pid, out[0], err[0], watch, faults);
  }
};

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (std::string& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

ChildResult RunProgram(const fs::path& folder, const std::vector<std::string>& args,
                       const std::vector<std::string>& environment, const Faults& faults) {
  std::vector<std::string> argv = {ProgramPath()};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<std::string> envp(environment);
  for (char** e = environ; *e != nullptr; ++e) envp.emplace_back(*e);
  const Pipes pipes;
  const int watch = WatchFor(faults);
  const pid_t pid = ::fork();
  if (pid == 0) {
    pipes.Child();
    if (::chdir(folder.c_str()) != 0) ::_exit(126);
    ApplyFaults(faults);
    ::execve(argv[0].c_str(), Pointers(argv).data(), Pointers(envp).data());
    ::_exit(127);
  }
  return pipes.Parent(pid, watch, faults);
}

ChildResult RunFunction(const std::function<int()>& body, const Faults& faults) {
  const Pipes pipes;
  const int watch = WatchFor(faults);
  const pid_t pid = ::fork();
  if (pid == 0) {
    pipes.Child();
    ApplyFaults(faults);
    const int status = body();
    std::fflush(nullptr);
    ::_exit(status);
  }
  return pipes.Parent(pid, watch, faults);
}

Scratch::Scratch() {
  std::string pattern = (fs::temp_directory_path() / "quorlex-reliability-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
  fs::permissions(path_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                             fs::perms::others_read | fs::perms::others_exec);
}

Scratch::~Scratch() {
  std::error_code ignored;
  for (const auto& entry : fs::recursive_directory_iterator(path_, ignored)) {
    if (entry.is_directory())
      fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
  }
  fs::remove_all(path_, ignored);
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::string> OtherFiles(const fs::path& folder, const std::vector<std::string>& keep) {
  std::vector<std::string> others;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (std::find(keep.begin(), keep.end(), name) == keep.end()) others.push_back(name);
  }
  std::sort(others.begin(), others.end());
  return others;
}

std::string SourceDir() { return Setting("QUORLEX_SOURCE_DIR", QUORLEX_SOURCE_DIR); }
std::string ProgramPath() { return Setting("QUORLEX_BIN_DIR", QUORLEX_BIN_DIR) + "/quorlex"; }

}  // namespace reliability
