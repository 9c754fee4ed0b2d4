#include "kvlib/AtomicFile.h"

#include <dirent.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <string_view>

#include "kvlib/FileSystem.h"

namespace kvlib {
namespace {

constexpr int kTemporaryNameAttempts = 100;

std::string Describe(const std::string& path, int error) {
  return "Cannot write \"" + path + "\": " + std::strerror(error);
}

// "dir/name" -> "dir/.name.<pid>.<n>.tmp": hidden, beside the target, unique per process.
std::string TemporaryName(const std::string& path, int attempt) {
  const size_t slash = path.rfind('/');
  const size_t start = slash == std::string::npos ? 0 : slash + 1;
  return path.substr(0, start) + "." + path.substr(start) + "." + std::to_string(::getpid()) + "." +
         std::to_string(attempt) + ".tmp";
}

// True when `rest`, what follows "." + name + "." in a temporary's name, is "<pid>.<n>.tmp" of a
// process that no longer runs: a save killed before its rename.
bool LeftByAGoneProcess(std::string_view rest) {
  pid_t pid = 0;
  const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), pid);
  if (error != std::errc() || end == rest.data() || *end != '.' || !rest.ends_with(".tmp")) {
    return false;
  }
  return pid > 0 && pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH;
}

// Removes the temporaries that killed saves of `path` left beside it; those of running saves stay.
void RemoveStaleTemporaries(FileSystem& fs, const std::string& path) {
  const size_t slash = path.rfind('/');
  const size_t start = slash == std::string::npos ? 0 : slash + 1;
  const std::string folder = start == 0 ? "." : path.substr(0, start);
  const std::string prefix = "." + path.substr(start) + ".";
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name.starts_with(prefix) && LeftByAGoneProcess(name.substr(prefix.size()))) {
      fs.Remove(path.substr(0, start) + entry->d_name);
    }
  }
  ::closedir(dir);
}

int CreateTemporary(FileSystem& fs, const std::string& path, std::string& temporary, int& fd) {
  int error = EEXIST;
  for (int attempt = 0; attempt < kTemporaryNameAttempts && error == EEXIST; ++attempt) {
    temporary = TemporaryName(path, attempt);
    error = fs.CreateExclusive(temporary, 0666, fd);
  }
  return error;
}

int WriteAll(FileSystem& fs, int fd, std::string_view content) {
  while (!content.empty()) {
    size_t written = 0;
    if (const int error = fs.Write(fd, content.data(), content.size(), written)) return error;
    if (written == 0) return EIO;
    content.remove_prefix(written);
  }
  return 0;
}

// Gives the temporary the permissions of the file it replaces, if there is one.
int KeepPermissions(FileSystem& fs, int fd, const std::string& path) {
  mode_t mode = 0;
  if (fs.Mode(path, mode) != 0) return 0;
  return fs.SetMode(fd, mode & 07777);
}

// A directory is refused before anything is created (rename would only say ENOTDIR for "dir/").
int CheckTarget(FileSystem& fs, const std::string& path) {
  if (path.empty()) return ENOENT;
  mode_t mode = 0;
  if (fs.Mode(path, mode) == 0 && S_ISDIR(mode)) return EISDIR;
  return 0;
}

// Fills, flushes and closes the open temporary; the descriptor is closed on every path.
int FillTemporary(FileSystem& fs, int fd, const std::string& path, std::string_view content) {
  int error = KeepPermissions(fs, fd, path);
  if (error == 0) error = WriteAll(fs, fd, content);
  if (error == 0) error = fs.Sync(fd);
  const int close_error = fs.Close(fd);
  return error != 0 ? error : close_error;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view content, std::string& error) {
  FileSystem& fs = CurrentFileSystem();
  std::string temporary;
  int fd = -1;
  int code = CheckTarget(fs, path);
  if (code == 0) RemoveStaleTemporaries(fs, path);
  if (code == 0) code = CreateTemporary(fs, path, temporary, fd);
  if (code == 0) {
    code = FillTemporary(fs, fd, path, content);
    if (code == 0) code = fs.Rename(temporary, path);
    if (code != 0) fs.Remove(temporary);
  }
  if (code == 0) return true;
  error = Describe(path, code);
  return false;
}

}  // namespace kvlib
