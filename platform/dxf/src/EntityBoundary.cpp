#include "EntityBoundary.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace dxf {
namespace {

constexpr std::size_t kWindow = std::size_t{1} << 18;

std::string_view trimLine(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
    s.remove_suffix(1);
  }
  return s;
}

bool startsTopLevelEntity(std::string_view name) {
  static constexpr std::array<std::string_view, 11> kNot = {"VERTEX", "SEQEND",  "ATTRIB", "ENDSEC",
                                                            "EOF",    "SECTION", "ENDBLK", "BLOCK",
                                                            "TABLE",  "ENDTAB",  "CLASS"};
  if (name.empty() || name.front() < 'A' || name.front() > 'Z') return false;
  for (char c : name) {
    bool ok = (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    if (!ok) return false;
  }
  return std::find(kNot.begin(), kNot.end(), name) == kNot.end();
}

class FileDescriptor {
 public:
  explicit FileDescriptor(const std::string& path)
      : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

std::optional<std::uint64_t> findEntityBoundary(const std::string& path, std::uint64_t from,
                                                std::uint64_t limit) {
  FileDescriptor fd(path);
  if (fd.get() < 0 || from >= limit) return std::nullopt;
  std::vector<char> buf(kWindow);
  // Lines are taken whole: a window ends at its last line end and the next one starts there.
  std::uint64_t at = from;
  bool skipPartial = true;  // the first line may begin before `from`
  while (at < limit) {
    ssize_t got = ::pread(fd.get(), buf.data(), buf.size(), static_cast<off_t>(at));
    if (got <= 0) return std::nullopt;
    std::string_view text(buf.data(), static_cast<std::size_t>(got));
    std::size_t pos = 0;
    if (skipPartial) {
      std::size_t nl = text.find('\n');
      if (nl == std::string_view::npos) return std::nullopt;
      pos = nl + 1;
      skipPartial = false;
    }
    for (;;) {
      std::size_t end1 = text.find('\n', pos);
      if (end1 == std::string_view::npos) break;
      std::size_t end2 = text.find('\n', end1 + 1);
      if (end2 == std::string_view::npos) break;
      if (at + pos >= limit) return std::nullopt;
      if (trimLine(text.substr(pos, end1 - pos)) == "0" &&
          startsTopLevelEntity(trimLine(text.substr(end1 + 1, end2 - end1 - 1)))) {
        return at + pos;
      }
      pos = end1 + 1;
    }
    if (static_cast<std::size_t>(got) < buf.size()) return std::nullopt;  // the file's end
    if (pos == 0) return std::nullopt;  // a line longer than the window: no place here
    at += pos;
  }
  return std::nullopt;
}

}  // namespace dxf
