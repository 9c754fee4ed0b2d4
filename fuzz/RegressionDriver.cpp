// Runs a fuzz target's entry on every saved input, one named test per file, in the ordinary test
// suite: the seeds the target starts from and the inputs of past findings (regressions/<target>/).
// A crash, a sanitizer report or an escaping exception fails that input's test. The test program
// fails when it finds no input at all, so a moved folder cannot pass unnoticed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fs = std::filesystem;

namespace {

fs::path SourceDir() {
  const char* dir = std::getenv("QUORLEX_SOURCE_DIR");
  return dir ? dir : QUORLEX_SOURCE_DIR;
}

// fuzz/seeds.tsv: "<target> <path>" lines, the path a file or folder under the source tree.
std::vector<fs::path> SeedPaths(const std::string& target) {
  std::ifstream table(SourceDir() / "fuzz" / "seeds.tsv");
  std::vector<fs::path> paths;
  std::string name, path;
  while (table >> name >> path) {
    if (name == target) paths.push_back(SourceDir() / path);
  }
  paths.push_back(SourceDir() / "fuzz" / "regressions" / target);
  return paths;
}

std::vector<fs::path> Inputs(const std::string& target) {
  std::vector<fs::path> files;
  for (const fs::path& path : SeedPaths(target)) {
    if (fs::is_regular_file(path)) files.push_back(path);
    if (!fs::is_directory(path)) continue;
    for (const fs::directory_entry& entry : fs::directory_iterator(path)) {
      if (entry.is_regular_file()) files.push_back(entry.path());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::string TestName(const fs::path& file) {
  std::string name = file.lexically_relative(SourceDir()).string();
  std::replace_if(
      name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
  return name;
}

class SavedInput : public testing::Test {
 public:
  explicit SavedInput(fs::path file) : file_(std::move(file)) {}
  void TestBody() override {
    std::ifstream in(file_, std::ios::binary);
    ASSERT_TRUE(in) << file_;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }

 private:
  fs::path file_;
};

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  const std::string suite = std::string("fuzz_") + QUORLEX_FUZZ_TARGET;
  const std::vector<fs::path> inputs = Inputs(QUORLEX_FUZZ_TARGET);
  if (inputs.empty()) {
    std::cerr << suite << ": no seed or regression input found under " << SourceDir() << "\n";
    return 1;
  }
  for (const fs::path& file : inputs) {
    testing::RegisterTest(suite.c_str(), TestName(file).c_str(), nullptr, nullptr, __FILE__,
                          __LINE__, [file]() -> testing::Test* { return new SavedInput(file); });
  }
  return RUN_ALL_TESTS();
}
