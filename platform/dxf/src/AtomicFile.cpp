#include "AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "dxf/DxfError.h"

namespace dxf {

AtomicFile::AtomicFile(std::string target) : target_(std::move(target)) {
  std::string pattern = target_ + ".tmp-XXXXXX";
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
  }
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
