#include "AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

#include "dxf/DxfError.h"

namespace dxf {
namespace {

// Temporaries are named "<target>.tmp-<pid>-XXXXXX", so a later save can tell those of a save that
// was killed before its rename (its process is gone) from those of a save still running.
std::string TemporaryPrefix(std::string_view base) { return std::string(base) + ".tmp-"; }

bool ProcessIsGone(std::string_view digits) {
  pid_t pid = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), pid);
  if (error != std::errc() || end == digits.data() || *end != '-' || pid <= 0) return false;
  return pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH;
}

// Removes what killed saves of `target` left beside it; temporaries of running saves stay.
void RemoveStaleTemporaries(const std::string& target) {
  const std::size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
  const std::string prefix = TemporaryPrefix(target.substr(slash + 1));
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name.starts_with(prefix) && ProcessIsGone(name.substr(prefix.size()))) {
      ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
  }
  ::closedir(dir);
}

}  // namespace

AtomicFile::AtomicFile(std::string target) : target_(std::move(target)) {
  struct stat st {};
  if (::stat(target_.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
    errno = EISDIR;
    fail("cannot replace a folder with the drawing");
  }
  RemoveStaleTemporaries(target_);
  std::string pattern = TemporaryPrefix(target_) + std::to_string(::getpid()) + "-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  fd_ = ::mkstemp(name.data());
  if (fd_ < 0) fail("cannot create a temporary file beside it");
  temp_ = name.data();
  // mkstemp makes the file private; a drawing gets the usual permissions.
  mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd_, 0666 & ~mask);
}

AtomicFile::~AtomicFile() {
  if (fd_ >= 0) ::close(fd_);
  if (!temp_.empty()) ::unlink(temp_.c_str());
}

void AtomicFile::fail(const std::string& what) {
  int err = errno;
  throw DxfError(target_, what + " (" + std::strerror(err) + ")");
}

void AtomicFile::write(std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd_, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) fail("cannot write the file");
    bytes.remove_prefix(static_cast<std::size_t>(n));
    wrote(static_cast<std::uint64_t>(n));
  }
}

// Starts writing back what is written every few MiB, so that the fsync of the commit waits for
// little; errors are left to the fsync, which reports them.
void AtomicFile::wrote(std::uint64_t bytes) {
  constexpr std::uint64_t kWritebackStep = std::uint64_t{8} << 20;
  written_ += bytes;
  if (written_ - synced_ < kWritebackStep) return;
  ::sync_file_range(fd_, static_cast<off_t>(synced_), static_cast<off_t>(written_ - synced_),
                    SYNC_FILE_RANGE_WRITE);
  synced_ = written_;
}

std::uint64_t AtomicFile::copyFrom(int from, std::uint64_t begin, std::uint64_t end) {
  while (begin < end) {
    off_t in = static_cast<off_t>(begin);
    ssize_t n = ::copy_file_range(from, &in, fd_, nullptr, end - begin, 0);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;  // not across these file systems, or an error that writing will report
    begin += static_cast<std::uint64_t>(n);
    wrote(static_cast<std::uint64_t>(n));
  }
  return begin;
}

void AtomicFile::skipTo(std::uint64_t offset) {
  if (::lseek(fd_, static_cast<off_t>(offset), SEEK_SET) < 0) fail("cannot write the file");
}

void AtomicFile::writeAt(std::string_view bytes, std::uint64_t at) {
  while (!bytes.empty()) {
    ssize_t n = ::pwrite(fd_, bytes.data(), bytes.size(), static_cast<off_t>(at));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) fail("cannot write the file");
    bytes.remove_prefix(static_cast<std::size_t>(n));
    at += static_cast<std::uint64_t>(n);
  }
}

std::uint64_t AtomicFile::copyFromAt(int from, std::uint64_t begin, std::uint64_t end,
                                     std::uint64_t at) {
  while (begin < end) {
    off_t in = static_cast<off_t>(begin);
    off_t out = static_cast<off_t>(at);
    ssize_t n = ::copy_file_range(from, &in, fd_, &out, end - begin, 0);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    ::sync_file_range(fd_, static_cast<off_t>(at), n, SYNC_FILE_RANGE_WRITE);
    begin += static_cast<std::uint64_t>(n);
    at += static_cast<std::uint64_t>(n);
  }
  return begin;
}

void AtomicFile::commit() {
  if (::fsync(fd_) != 0) fail("cannot write the file to disk");
  int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) fail("cannot write the file");
  struct stat st {};
  if (::stat(target_.c_str(), &st) == 0) {
    std::string bak = target_ + ".bak";
    if (::unlink(bak.c_str()) != 0 && errno != ENOENT) fail("cannot replace the old .bak file");
    if (::link(target_.c_str(), bak.c_str()) != 0 && ::rename(target_.c_str(), bak.c_str()) != 0) {
      fail("cannot keep the previous file as .bak");
    }
  }
  if (::rename(temp_.c_str(), target_.c_str()) != 0) fail("cannot rename the temporary file");
  temp_.clear();
}

}  // namespace dxf
