#include "kvlib/FileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace kvlib {
namespace {

// Retries calls interrupted by a signal; returns 0 or errno.
template <typename Call>
int Retry(Call call) {
  for (;;) {
    if (call() != -1) return 0;
    if (errno != EINTR) return errno;
  }
}

class PosixFileSystem final : public FileSystem {
 public:
  int CreateExclusive(const std::string& path, mode_t mode, int& fd) override {
    return Retry(
        [&] { return fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode); });
  }
  int Write(int fd, const char* data, size_t size, size_t& written) override {
    ssize_t result = -1;
    const int error = Retry([&] { return result = ::write(fd, data, size); });
    written = error == 0 ? static_cast<size_t>(result) : 0;
    return error;
  }
  int StartWriteback(int fd, off_t offset, off_t size) override {
    return Retry([&] { return ::sync_file_range(fd, offset, size, SYNC_FILE_RANGE_WRITE); });
  }
  int Sync(int fd) override {
    return Retry([&] { return ::fsync(fd); });
  }
  // close(2) must not be retried on EINTR: the descriptor is gone either way.
  int Close(int fd) override { return ::close(fd) == 0 ? 0 : errno; }
  int Rename(const std::string& from, const std::string& to) override {
    return Retry([&] { return std::rename(from.c_str(), to.c_str()); });
  }
  int Remove(const std::string& path) override {
    return Retry([&] { return ::unlink(path.c_str()); });
  }
  int Mode(const std::string& path, mode_t& mode) override {
    struct stat info {};
    const int error = Retry([&] { return ::stat(path.c_str(), &info); });
    mode = error == 0 ? info.st_mode : 0;
    return error;
  }
  int SetMode(int fd, mode_t mode) override {
    return Retry([&] { return ::fchmod(fd, mode); });
  }
};

FileSystem* g_current = nullptr;

}  // namespace

FileSystem& SystemFileSystem() {
  static PosixFileSystem system;
  return system;
}

FileSystem& CurrentFileSystem() { return g_current != nullptr ? *g_current : SystemFileSystem(); }

ScopedFileSystem::ScopedFileSystem(FileSystem& replacement) : previous_(g_current) {
  g_current = &replacement;
}

ScopedFileSystem::~ScopedFileSystem() { g_current = previous_; }

}  // namespace kvlib
