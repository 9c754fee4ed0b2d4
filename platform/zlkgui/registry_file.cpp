#include "registry_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>
#include <string_view>

namespace zlk {

namespace {

class SystemError : public std::runtime_error {
 public:
  SystemError(const std::string& what, const std::string& path)
      : std::runtime_error(what + " " + path + ": " + std::strerror(errno)) {}
};

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home && *home) return home;
  const passwd* user = ::getpwuid(::getuid());
  return user && user->pw_dir ? user->pw_dir : "";
}

std::string Folder(const std::string& path) {
  std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Creates every missing folder on the way to `folder`.
void MakeFolders(const std::string& folder) {
  struct stat info {};
  if (folder.empty() || ::stat(folder.c_str(), &info) == 0) return;
  MakeFolders(Folder(folder));
  if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
    throw SystemError("cannot create the folder", folder);
  }
}

// The file's bytes, or nothing when it does not exist.
std::optional<std::string> ReadBytes(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT) return std::nullopt;
    throw SystemError("cannot open", path);
  }
  std::string bytes;
  char buffer[8192];
  ssize_t count = 0;
  while ((count = ::read(fd, buffer, sizeof buffer)) != 0) {
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) {
      ::close(fd);
      throw SystemError("cannot read", path);
    }
    bytes.append(buffer, static_cast<std::size_t>(count));
  }
  ::close(fd);
  return bytes;
}

void WriteAll(int fd, const std::string& bytes, const std::string& path) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t count = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) throw SystemError("cannot write", path);
    done += static_cast<std::size_t>(count);
  }
}

// True when `digits`, what follows "<name>.tmp." in a temporary's name, is the id of a process that
// no longer runs: a save killed before its rename.
bool LeftByAGoneProcess(std::string_view digits) {
  pid_t pid = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), pid);
  if (error != std::errc() || end != digits.data() + digits.size() || pid <= 0) return false;
  return pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH;
}

// Removes the temporaries that killed saves left beside `path`. Called under the file lock, so no
// running save of this file is between creating its temporary and renaming it.
void RemoveStaleTemporaries(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  const std::string prefix = path.substr(slash + 1) + ".tmp.";
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name.starts_with(prefix) && LeftByAGoneProcess(name.substr(prefix.size()))) {
      ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
  }
  ::closedir(dir);
}

// Writes `bytes` to a temporary beside `path`, flushes it and renames it over `path`.
void ReplaceFile(const std::string& path, const std::string& bytes) {
  RemoveStaleTemporaries(path);
  std::string temporary = path + ".tmp." + std::to_string(::getpid());
  int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) throw SystemError("cannot create", temporary);
  struct stat existing {};
  if (::stat(path.c_str(), &existing) == 0) ::fchmod(fd, existing.st_mode & 07777);
  try {
    WriteAll(fd, bytes, temporary);
    if (::fsync(fd) != 0) throw SystemError("cannot flush", temporary);
  } catch (...) {
    ::close(fd);
    ::unlink(temporary.c_str());
    throw;
  }
  if (::close(fd) != 0 || ::rename(temporary.c_str(), path.c_str()) != 0) {
    SystemError error("cannot replace", path);
    ::unlink(temporary.c_str());
    throw error;
  }
  int folder = ::open(Folder(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
}

// Holds an exclusive lock on "<path>.lock" for its lifetime.
class FileLock {
 public:
  explicit FileLock(const std::string& path) {
    std::string lock = path + ".lock";
    fd_ = ::open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0) throw SystemError("cannot open the lock file", lock);
    while (::flock(fd_, LOCK_EX) != 0) {
      if (errno == EINTR) continue;
      SystemError error("cannot lock", lock);
      ::close(fd_);
      throw error;
    }
  }
  ~FileLock() { ::close(fd_); }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

 private:
  int fd_ = -1;
};

// Writing goes to the target of a symbolic link, so the link stays.
std::string Target(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  char resolved[PATH_MAX];
  return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

void Warn(const std::string& text) { std::cerr << "warning: " << text << '\n'; }

}  // namespace

std::string DefaultRegistryPath() {
  const char* chosen = std::getenv("QUORLEX_REGISTRY");
  if (chosen && *chosen) return chosen;
  const char* config = std::getenv("XDG_CONFIG_HOME");
  std::string base = config && config[0] == '/' ? config : HomeFolder() + "/.config";
  return base + "/quorlex/registry.reg";
}

RegistryDocument RegistryFile::Load() const {
  try {
    std::optional<std::string> bytes = ReadBytes(path_);
    if (!bytes) return {};
    try {
      return RegistryDocument::Parse(*bytes);
    } catch (const RegistryParseError&) {
      MakeFolders(Folder(path_));
      FileLock lock(Target(path_));
      return ReadLocked();
    }
  } catch (const std::runtime_error& error) {
    Warn(std::string("settings could not be read: ") + error.what());
    return {};
  }
}

RegistryDocument RegistryFile::ReadLocked() const {
  std::optional<std::string> bytes = ReadBytes(path_);
  if (!bytes) return {};
  try {
    return RegistryDocument::Parse(*bytes);
  } catch (const RegistryParseError& error) {
    SetAside(error.what());
    return {};
  }
}

void RegistryFile::SetAside(const std::string& reason) const {
  std::string target = Target(path_);
  std::string aside = target + ".corrupt";
  struct stat info {};
  for (int n = 2; ::lstat(aside.c_str(), &info) == 0; ++n) {
    aside = target + ".corrupt." + std::to_string(n);
  }
  if (::rename(target.c_str(), aside.c_str()) != 0) throw SystemError("cannot set aside", target);
  Warn("settings file " + path_ + " could not be parsed (" + reason + "); it was set aside as " +
       aside + " and the settings start from their defaults");
}

bool RegistryFile::Update(const std::function<void(RegistryDocument&)>& change) const {
  try {
    std::string target = Target(path_);
    MakeFolders(Folder(target));
    FileLock lock(target);
    RegistryDocument document = ReadLocked();
    change(document);
    ReplaceFile(target, document.Serialize());
    return true;
  } catch (const std::runtime_error& error) {
    Warn(std::string("settings were not saved: ") + error.what());
    return false;
  }
}

}  // namespace zlk
