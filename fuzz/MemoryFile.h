// MemoryFile: fuzz input bytes as a file that path-taking readers can open. The bytes live in an
// anonymous memory file (memfd), reachable as /proc/self/fd/N while the object lives, so a run
// touches no disk and leaves nothing behind when it crashes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

class MemoryFile {
 public:
  MemoryFile(const std::uint8_t* data, std::size_t size);
  ~MemoryFile();
  MemoryFile(const MemoryFile&) = delete;
  MemoryFile& operator=(const MemoryFile&) = delete;

  const std::string& path() const { return path_; }

 private:
  int fd_ = -1;
  std::string path_;
};

}  // namespace fuzz
