// AtomicFile: writes a file through a temporary beside the target and a rename, so that the target
// is either the old file or the complete new one. A previous target is kept as target + ".bak".
// A file that is not committed is removed on destruction.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace dxf {

class AtomicFile {
 public:
  // Creates the temporary; throws DxfError naming the target when it cannot.
  explicit AtomicFile(std::string target);
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  void write(std::string_view bytes);
  // Copies bytes [begin, end) of the open file `from` inside the kernel as far as the file systems
  // allow; gives the offset it got to, from where the caller copies the rest by writing it.
  std::uint64_t copyFrom(int from, std::uint64_t begin, std::uint64_t end);
  // Sequential writing goes on at byte `offset`, leaving what is before it to the positional
  // writes below, which may run on another thread at the same time.
  void skipTo(std::uint64_t offset);
  void writeAt(std::string_view bytes, std::uint64_t at);
  // As copyFrom, to the file's bytes from `at` on; gives the source offset it got to.
  std::uint64_t copyFromAt(int from, std::uint64_t begin, std::uint64_t end, std::uint64_t at);
  // Flushes to disk, keeps the previous target as .bak and renames the temporary over the target.
  void commit();

 private:
  [[noreturn]] void fail(const std::string& what);
  void wrote(std::uint64_t bytes);
  std::string target_;
  std::string temp_;
  int fd_ = -1;
  std::uint64_t written_ = 0;
  std::uint64_t synced_ = 0;  // written back from here on
};

}  // namespace dxf
