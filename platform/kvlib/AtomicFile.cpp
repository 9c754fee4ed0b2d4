#include "kvlib/AtomicFile.h"

#include <dirent.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cassert>
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

}  // namespace

bool AtomicFile::Open(const std::string& path) {
  assert(fd_ < 0 && error_.empty() && "an AtomicFile is opened once");
  FileSystem& fs = CurrentFileSystem();
  path_ = path;
  if (const int code = CheckTarget(fs, path)) return Fail(code);
  RemoveStaleTemporaries(fs, path);
  if (const int code = CreateTemporary(fs, path, temporary_, fd_)) {
    fd_ = -1;
    temporary_.clear();
    return Fail(code);
  }
  if (const int code = KeepPermissions(fs, fd_, path)) return Fail(code);
  return true;
}

bool AtomicFile::Append(std::string_view text) {
  if (fd_ < 0) return false;
  FileSystem& fs = CurrentFileSystem();
  if (const int code = WriteAll(fs, fd_, text)) return Fail(code);
  const auto size = static_cast<off_t>(text.size());
  if (size != 0) fs.StartWriteback(fd_, written_, size);  // advisory: Commit's Sync decides
  written_ += size;
  return true;
}

// The descriptor is closed before the rename, whatever the flush said.
bool AtomicFile::Commit() {
  if (fd_ < 0) return false;
  FileSystem& fs = CurrentFileSystem();
  const int sync_error = fs.Sync(fd_);
  const int close_error = fs.Close(fd_);
  fd_ = -1;
  if (sync_error != 0) return Fail(sync_error);
  if (close_error != 0) return Fail(close_error);
  if (const int code = fs.Rename(temporary_, path_)) return Fail(code);
  temporary_.clear();
  return true;
}

bool AtomicFile::Fail(int code) {
  Discard();
  error_ = Describe(path_, code);
  return false;
}

void AtomicFile::Discard() {
  FileSystem& fs = CurrentFileSystem();
  if (fd_ >= 0) fs.Close(fd_);
  fd_ = -1;
  if (!temporary_.empty()) fs.Remove(temporary_);
  temporary_.clear();
}

bool WriteFileAtomically(const std::string& path, std::string_view content, std::string& error) {
  AtomicFile file;
  if (file.Open(path) && file.Append(content) && file.Commit()) return true;
  error = file.error();
  return false;
}

}  // namespace kvlib
