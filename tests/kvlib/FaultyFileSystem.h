// FaultyFileSystem: the real file system, except that one chosen step fails with a chosen errno.
// TemporaryDirectory: a fresh directory under the system's temporary folder, removed afterwards.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "kvlib/FileSystem.h"

namespace kvlib::test {

enum class Step { kNone, kCreate, kWrite, kStartWriteback, kSync, kClose, kRename, kSetMode };

class FaultyFileSystem final : public FileSystem {
 public:
  FaultyFileSystem(Step failing, int error) : failing_(failing), error_(error) {}

  // Bytes handed to the system per write call; 0 means all of them.
  size_t write_chunk = 0;
  // Write calls that succeed before a failing Step::kWrite fails.
  size_t writes_before_failure = 0;

  int CreateExclusive(const std::string& path, mode_t mode, int& fd) override {
    if (failing_ == Step::kCreate) return error_;
    return real_.CreateExclusive(path, mode, fd);
  }
  int Write(int fd, const char* data, size_t size, size_t& written) override {
    if (failing_ == Step::kWrite && writes_before_failure-- == 0) return error_;
    if (write_chunk != 0 && size > write_chunk) size = write_chunk;
    return real_.Write(fd, data, size, written);
  }
  int StartWriteback(int fd, off_t offset, off_t size) override {
    return failing_ == Step::kStartWriteback ? error_ : real_.StartWriteback(fd, offset, size);
  }
  int Sync(int fd) override { return failing_ == Step::kSync ? error_ : real_.Sync(fd); }
  // A failing close still closes, as close(2) does.
  int Close(int fd) override {
    const int result = real_.Close(fd);
    return failing_ == Step::kClose ? error_ : result;
  }
  int Rename(const std::string& from, const std::string& to) override {
    return failing_ == Step::kRename ? error_ : real_.Rename(from, to);
  }
  int Remove(const std::string& path) override { return real_.Remove(path); }
  int Mode(const std::string& path, mode_t& mode) override { return real_.Mode(path, mode); }
  int SetMode(int fd, mode_t mode) override {
    return failing_ == Step::kSetMode ? error_ : real_.SetMode(fd, mode);
  }

 private:
  FileSystem& real_ = SystemFileSystem();
  Step failing_;
  int error_;
};

class TemporaryDirectory {
 public:
  TemporaryDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quorlex-test-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
  }
  ~TemporaryDirectory() { std::filesystem::remove_all(path_); }
  TemporaryDirectory(const TemporaryDirectory&) = delete;
  TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

  std::string File(const std::string& name) const { return (path_ / name).string(); }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_))
      names.push_back(entry.path().filename().string());
    return names;
  }

 private:
  std::filesystem::path path_;
};

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline void WriteFile(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}

}  // namespace kvlib::test
