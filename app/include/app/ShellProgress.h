// ShellProgress: "Opening NAME: 42%" on standard error while a drawing is read, rewritten in
// place as the share of the file read grows, and erased when done. Shown only when standard
// error is a terminal and the file is large enough for reading it to take a noticeable while;
// otherwise nothing is written.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "dxf/DxfReader.h"

namespace app {

// Files smaller than this read in a blink: no progress for them.
inline constexpr std::uint64_t kProgressMinimumBytes = 4u << 20;

class ShellProgress {
 public:
  ShellProgress(std::ostream& errors, const std::string& path);
  ~ShellProgress();
  ShellProgress(const ShellProgress&) = delete;
  ShellProgress& operator=(const ShellProgress&) = delete;

  // Reader options with the progress callback, or without one when nothing is to be shown.
  const dxf::ReadOptions& options() const { return options_; }

 private:
  void Show(std::uint64_t done, std::uint64_t total);

  std::ostream& errors_;
  std::string name_;
  dxf::ReadOptions options_;
  int shown_ = -1;  // the percentage on screen, -1 for none
};

}  // namespace app
