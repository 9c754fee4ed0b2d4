// A settings file of its own in a fresh temporary folder for each test, named through
// QUORLEX_REGISTRY, and helpers to read and write the file's bytes.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

class RegistryFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() /
             ("zlk-registry-" + std::to_string(getpid()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    file = folder / "registry.reg";
    const char* old = getenv("QUORLEX_REGISTRY");
    previous = old ? old : "";
    setenv("QUORLEX_REGISTRY", file.c_str(), 1);
  }
  void TearDown() override {
    if (previous.empty()) {
      unsetenv("QUORLEX_REGISTRY");
    } else {
      setenv("QUORLEX_REGISTRY", previous.c_str(), 1);
    }
    std::filesystem::remove_all(folder);
  }

  static std::string Read(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }
  void WriteFile(const std::string& bytes) const { std::ofstream(file, std::ios::binary) << bytes; }

  std::filesystem::path folder;
  std::filesystem::path file;
  std::string previous;
};
