// The progress line while a drawing is read: shown only on a terminal, only for large files.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/ShellProgress.h"

namespace shell::test {
namespace {

// Standard error pointed at `fd` for the scope.
class StandardErrorOn {
 public:
  explicit StandardErrorOn(int fd) : saved_(dup(STDERR_FILENO)) { dup2(fd, STDERR_FILENO); }
  ~StandardErrorOn() {
    dup2(saved_, STDERR_FILENO);
    close(saved_);
  }
  StandardErrorOn(const StandardErrorOn&) = delete;
  StandardErrorOn& operator=(const StandardErrorOn&) = delete;

 private:
  int saved_;
};

// The terminal end of a new pseudo-terminal, or -1.
int OpenTerminal(int& master) {
  master = posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) return -1;
  return open(ptsname(master), O_RDWR | O_NOCTTY);
}

class shell_Progress : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        std::filesystem::temp_directory_path() / ("quorlex-progress-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder_);
    std::ofstream(big()) << "0\nSECTION\n";
    std::filesystem::resize_file(big(), app::kProgressMinimumBytes);
    std::ofstream(small()) << "0\nEOF\n";
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string big() const { return (folder_ / "big.dxf").string(); }
  std::string small() const { return (folder_ / "small.dxf").string(); }

  std::filesystem::path folder_;
};

TEST_F(shell_Progress, SharesOfTheFileOnATerminal) {
  int master = -1;
  const int terminal = OpenTerminal(master);
  ASSERT_GE(terminal, 0);
  std::ostringstream errors;
  {
    StandardErrorOn scope(terminal);
    app::ShellProgress progress(errors, big());
    ASSERT_TRUE(progress.options().progress);
    for (auto [done, total] : {std::pair{0, 200}, {1, 200}, {100, 200}, {101, 200}, {250, 200}}) {
      progress.options().progress(done, total);
    }
  }
  EXPECT_EQ(errors.str(),
            "\rOpening big.dxf: 0%\rOpening big.dxf: 50%\rOpening big.dxf: 100%\r\x1b[K");
  {
    StandardErrorOn scope(terminal);
    app::ShellProgress progress(errors, small());
    EXPECT_FALSE(progress.options().progress) << "a small file reads in a blink";
  }
  close(terminal);
  close(master);
}

TEST_F(shell_Progress, NothingWhenStandardErrorIsNoTerminal) {
  const int null = open("/dev/null", O_WRONLY);
  ASSERT_GE(null, 0);
  std::ostringstream errors;
  {
    StandardErrorOn scope(null);
    app::ShellProgress progress(errors, big());
    EXPECT_FALSE(progress.options().progress);
  }
  EXPECT_EQ(errors.str(), "");
  close(null);
}

}  // namespace
}  // namespace shell::test
