#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "afxwin.h"

namespace {

namespace fs = std::filesystem;

INT_PTR Open(const std::wstring& file) {
  return reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, L"open", file.c_str(), L"", nullptr, SW_SHOW));
}

// Sets QUORLEX_OPENER for one scope.
class ScopedOpener {
 public:
  explicit ScopedOpener(const char* opener) {
    const char* old = getenv("QUORLEX_OPENER");
    if (old) previous_ = old;
    setenv("QUORLEX_OPENER", opener, 1);
  }
  ~ScopedOpener() {
    if (previous_.empty()) {
      unsetenv("QUORLEX_OPENER");
    } else {
      setenv("QUORLEX_OPENER", previous_.c_str(), 1);
    }
  }

 private:
  std::string previous_;
};

class FrameworkShell : public ::testing::Test {
 protected:
  void SetUp() override {
    file = fs::temp_directory_path() / ("framework-shell-" + std::to_string(getpid()) + ".chm");
    std::ofstream(file) << "help";
  }
  void TearDown() override { fs::remove(file); }
  fs::path file;
};

TEST_F(FrameworkShell, OpenSucceedsOnlyWhenTheOpenerDoes) {
  {
    ScopedOpener opener("true");
    EXPECT_GT(Open(file.wstring()), 32);
  }
  {
    ScopedOpener opener("false");
    EXPECT_EQ(Open(file.wstring()), SE_ERR_NOASSOC);
  }
  ScopedOpener opener("no-such-opener-program");
  EXPECT_EQ(Open(file.wstring()), SE_ERR_NOASSOC);
}

TEST_F(FrameworkShell, AMissingFileOrAnUnknownVerbFails) {
  ScopedOpener opener("true");
  EXPECT_EQ(Open((file.wstring() + L".missing")), SE_ERR_FNF);
  EXPECT_EQ(Open(L""), SE_ERR_FNF);
  auto print = ShellExecuteW(nullptr, L"print", file.wstring().c_str(), nullptr, nullptr, SW_SHOW);
  EXPECT_LE(reinterpret_cast<INT_PTR>(print), 32);
}

TEST(FrameworkSplitPath, SplitsLinuxPathsWithAnEmptyDrive) {
  struct Case {
    const wchar_t* path;
    const wchar_t* dir;
    const wchar_t* name;
    const wchar_t* ext;
  };
  const Case cases[] = {
      {L"/opt/quorlex/Quorlex_Bricscad_2.05_8.drx", L"/opt/quorlex/", L"Quorlex_Bricscad_2.05_8",
       L".drx"},
      {L"Quorlex.mnu", L"", L"Quorlex", L".mnu"},
      {L"/a.b/noext", L"/a.b/", L"noext", L""},
      {L"/tmp/.hidden", L"/tmp/", L"", L".hidden"},
      {L"/", L"/", L"", L""},
      {L"", L"", L"", L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.path)));
    wchar_t drive[_MAX_DRIVE] = L"?", dir[_MAX_DIR], name[_MAX_FNAME], ext[_MAX_EXT];
    _wsplitpath(c.path, drive, dir, name, ext);
    EXPECT_EQ(std::wstring(drive), L"");
    EXPECT_EQ(std::wstring(dir), c.dir);
    EXPECT_EQ(std::wstring(name), c.name);
    EXPECT_EQ(std::wstring(ext), c.ext);
  }
}

TEST(FrameworkSplitPath, LongPartsAreTruncatedToTheirBuffers) {
  std::wstring longName(400, L'n');
  std::wstring path = L"/x/" + longName + L".txt";
  wchar_t name[_MAX_FNAME], ext[_MAX_EXT];
  _wsplitpath(path.c_str(), nullptr, nullptr, name, ext);
  EXPECT_EQ(std::wstring(name), longName.substr(0, _MAX_FNAME - 1));
  EXPECT_EQ(std::wstring(ext), L".txt");
}

}  // namespace
