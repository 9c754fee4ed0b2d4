// AtomicFile and WriteFileAtomically: replace a file's whole content so that a failure leaves it
// as it was.
//
// The content goes to a temporary file beside the target (same directory, so the final rename
// never crosses a file system), is flushed to disk, and then renamed over the target. A new
// file gets the usual permissions (0666 less the umask); a replaced file keeps its permissions.
// On any failure the temporary is removed and the target is untouched. Before the temporary is
// made, the temporaries that killed writers of the same target left behind are removed.
#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

namespace kvlib {

// A file written piece by piece: Open, Append as often as needed, Commit. Each step returns
// false on failure; then the temporary is already gone, error() says why in one line naming the
// target and the system's reason, e.g. `Cannot write "/data/out.txt": Permission denied`, and
// every later step fails too. Destroying an open, uncommitted file discards it.
class AtomicFile {
 public:
  AtomicFile() = default;
  ~AtomicFile() { Discard(); }
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // Creates the temporary for `path`; a folder or an empty path is refused first.
  bool Open(const std::string& path);
  // Each piece's writing to disk is started at once, so that Commit waits only for the last.
  bool Append(std::string_view text);
  // Flushes and closes the temporary and renames it over the target.
  bool Commit();
  const std::string& error() const { return error_; }

 private:
  bool Fail(int code);
  void Discard();

  std::string path_;
  std::string temporary_;
  int fd_ = -1;
  off_t written_ = 0;
  std::string error_;
};

// The whole content at once. Returns true on success; on failure `error` holds AtomicFile's
// error().
bool WriteFileAtomically(const std::string& path, std::string_view content, std::string& error);

}  // namespace kvlib
