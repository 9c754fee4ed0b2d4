// FileSystem: the one seam between our file writers and the operating system.
//
// Every call that can fail returns 0 or the errno value that describes the failure, so a test
// double can make exactly one step (open, write, fsync, close, rename) fail with a chosen error
// and the caller can report the system's reason. The process-wide instance is the real POSIX
// implementation unless a test installs another one with ScopedFileSystem.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>

namespace kvlib {

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Creates `path` exclusively for writing (O_CREAT | O_EXCL) with `mode` (before umask).
  // On success stores the descriptor in `fd`.
  virtual int CreateExclusive(const std::string& path, mode_t mode, int& fd) = 0;
  // Writes up to `size` bytes; stores how many were written in `written` (may be fewer).
  virtual int Write(int fd, const char* data, size_t size, size_t& written) = 0;
  // Starts writing [offset, offset + size) of the file to disk without waiting for it, so that
  // the final Sync has less left to wait for. Advisory: a failure here changes nothing.
  virtual int StartWriteback(int fd, off_t offset, off_t size) = 0;
  virtual int Sync(int fd) = 0;
  virtual int Close(int fd) = 0;
  // Atomically replaces `to` with `from` (rename(2)).
  virtual int Rename(const std::string& from, const std::string& to) = 0;
  virtual int Remove(const std::string& path) = 0;
  // st_mode (type and permission bits) of an existing file; ENOENT when there is none.
  virtual int Mode(const std::string& path, mode_t& mode) = 0;
  virtual int SetMode(int fd, mode_t mode) = 0;
};

// The real operating system.
FileSystem& SystemFileSystem();

// The file system the writers use now: SystemFileSystem() unless a ScopedFileSystem is alive.
FileSystem& CurrentFileSystem();

// Installs `replacement` as CurrentFileSystem() for its lifetime (tests only; not thread-safe).
class ScopedFileSystem {
 public:
  explicit ScopedFileSystem(FileSystem& replacement);
  ~ScopedFileSystem();
  ScopedFileSystem(const ScopedFileSystem&) = delete;
  ScopedFileSystem& operator=(const ScopedFileSystem&) = delete;

 private:
  FileSystem* previous_;
};

}  // namespace kvlib
