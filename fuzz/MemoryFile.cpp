#include "MemoryFile.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>

namespace fuzz {

MemoryFile::MemoryFile(const std::uint8_t* data, std::size_t size) {
  // Failing here says nothing about the code under test: stop the run loudly instead.
  fd_ = memfd_create("fuzz-input", MFD_CLOEXEC);
  if (fd_ < 0) std::abort();
  std::size_t done = 0;
  while (done < size) {
    ssize_t n = write(fd_, data + done, size - done);
    if (n <= 0) std::abort();
    done += static_cast<std::size_t>(n);
  }
  path_ = "/proc/self/fd/" + std::to_string(fd_);
}

MemoryFile::~MemoryFile() { close(fd_); }

}  // namespace fuzz
