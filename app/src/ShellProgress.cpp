#include "app/ShellProgress.h"

#include <unistd.h>

#include <filesystem>

namespace app {

ShellProgress::ShellProgress(std::ostream& errors, const std::string& path) : errors_(errors) {
  if (path.empty() || !isatty(STDERR_FILENO)) return;
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size < kProgressMinimumBytes) return;
  name_ = std::filesystem::path(path).filename().string();
  options_.progress = [this](std::uint64_t done, std::uint64_t total) { Show(done, total); };
}

ShellProgress::~ShellProgress() {
  if (shown_ >= 0) errors_ << "\r\x1b[K" << std::flush;
}

void ShellProgress::Show(std::uint64_t done, std::uint64_t total) {
  if (total == 0) return;
  const int percent = static_cast<int>(done >= total ? 100 : done * 100 / total);
  if (percent == shown_) return;
  shown_ = percent;
  errors_ << "\rOpening " << name_ << ": " << percent << "%" << std::flush;
}

}  // namespace app
