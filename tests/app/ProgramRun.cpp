#include "ProgramRun.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace app::test {
namespace {

std::string Setting(const char* name, const char* fallback) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : fallback;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (std::string& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

int StatusOf(int waitStatus) {
  if (WIFEXITED(waitStatus)) return WEXITSTATUS(waitStatus);
  if (WIFSIGNALED(waitStatus)) return 128 + WTERMSIG(waitStatus);
  return -1;
}

}  // namespace

ProgramFolder::ProgramFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "quorlex-e2e-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

ProgramFolder::~ProgramFolder() { std::filesystem::remove_all(path_); }

ProgramResult ProgramFolder::Run(const std::vector<std::string>& args,
                                 const std::vector<std::string>& environment) const {
  const std::string outPath = File(".stdout"), errPath = File(".stderr");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, path_.c_str());
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  std::vector<std::string> argv = {ProgramPath()};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<std::string> envp = {"QUORLEX_REGISTRY=" + Registry()};
  for (char** e = environ; *e != nullptr; ++e) {
    if (std::string_view(*e).starts_with("QUORLEX_REGISTRY=")) continue;
    envp.emplace_back(*e);
  }
  envp.insert(envp.end(), environment.begin(), environment.end());
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, argv[0].c_str(), &actions, nullptr, Pointers(argv).data(),
                                  Pointers(envp).data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) throw std::runtime_error("cannot start " + argv[0]);
  int waitStatus = 0;
  ::waitpid(pid, &waitStatus, 0);
  ProgramResult result{ReadText(outPath), ReadText(errPath), StatusOf(waitStatus)};
  std::filesystem::remove(outPath);
  std::filesystem::remove(errPath);
  return result;
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string ProgramPath() { return Setting("QUORLEX_BIN_DIR", QUORLEX_BIN_DIR) + "/quorlex"; }

std::string FixturePath(const std::string& name) {
  return Setting("QUORLEX_SOURCE_DIR", QUORLEX_SOURCE_DIR) + "/tests/data/export/" + name;
}

std::string SamplePath() {
  return Setting("QUORLEX_SOURCE_DIR", QUORLEX_SOURCE_DIR) + "/samples/site.dxf";
}

}  // namespace app::test
