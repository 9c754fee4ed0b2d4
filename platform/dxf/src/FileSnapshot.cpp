#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>

#include "SourceRecord.h"

namespace dxf {
namespace {

// FNV-1a, 64 bit.
std::uint64_t mix(std::uint64_t h, const char* p, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    h ^= static_cast<unsigned char>(p[i]);
    h *= 0x100000001b3ULL;
  }
  return h;
}

std::uint64_t mixBlock(int fd, std::uint64_t h, std::uint64_t offset, std::size_t length) {
  std::array<char, 65536> buf;
  while (length > 0) {
    std::size_t want = std::min(length, buf.size());
    ssize_t got = ::pread(fd, buf.data(), want, static_cast<off_t>(offset));
    if (got <= 0) return h ^ 0xdeadULL;
    h = mix(h, buf.data(), static_cast<std::size_t>(got));
    offset += static_cast<std::uint64_t>(got);
    length -= static_cast<std::size_t>(got);
  }
  return h;
}

}  // namespace

std::uint64_t sampledChecksum(int fd, std::uint64_t size) {
  constexpr std::uint64_t kEdge = 65536;
  std::uint64_t h = 0xcbf29ce484222325ULL;
  if (size <= 4 * kEdge) return mixBlock(fd, h, 0, size);
  h = mixBlock(fd, h, 0, kEdge);
  for (std::uint64_t i = 1; i < 16; ++i) h = mixBlock(fd, h, size / 16 * i, 4096);
  return mixBlock(fd, h, size - kEdge, kEdge);
}

bool snapshotFile(const std::string& path, SourceRecord& record) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  bool ok = ::fstat(fd, &st) == 0;
  if (ok) {
    record.size = static_cast<std::uint64_t>(st.st_size);
    record.mtimeNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    record.checksum = sampledChecksum(fd, record.size);
  }
  ::close(fd);
  return ok;
}

}  // namespace dxf
