#include <gtest/gtest.h>
#include <sys/wait.h>

#include "options_fixture.h"

namespace {

using OptionsStore = OptionsTest;

TEST_F(OptionsStore, MissingValuesLoadAsTheFirstRunDefaults) {
  ExportOptions options;
  options.other = L"left over";
  LoadExportOptions(options);
  EXPECT_EQ(options, FirstRunDefaults());
  EXPECT_FALSE(std::filesystem::exists(file)) << "loading writes nothing";
}

TEST_F(OptionsStore, SaveWritesAllTwelveValuesInOrderAndLoadGivesThemBack) {
  ExportOptions options;
  options.points = 1;
  options.centerPoint = 1;
  options.format = 1;
  options.delimiter = 4;
  options.other = L"|";
  options.createPoints = 1;
  SaveExportOptions(options);
  EXPECT_EQ(FileBytes(),
            "Windows Registry Editor Version 5.00\n\n"
            "[HKEY_CURRENT_USER\\Software\\ZELKOR\\Quorlex for IntelliCAD]\n"
            "\"Points\"=dword:00000001\n\"Extract\"=dword:00000000\n"
            "\"End Point\"=dword:00000000\n\"Mid Point\"=dword:00000000\n"
            "\"Center Point\"=dword:00000001\n\"Control Point\"=dword:00000000\n"
            "\"Vertex\"=dword:00000000\n\"Text\"=dword:00000000\n"
            "\"Format\"=dword:00000001\n\"Delimiter\"=dword:00000004\n"
            "\"Other\"=\"|\"\n\"Create Points\"=dword:00000001\n\n");
  EXPECT_EQ(Stored(), options);
}

TEST_F(OptionsStore, StoredValuesArePassedOnUnvalidated) {
  StoreInt(L"Format", 5);
  StoreInt(L"Delimiter", 7);
  StoreInt(L"Vertex", 9);
  StoreString(L"Other", L"two");
  StoreString(L"Points", L"1");  // wrong type: reads as missing
  ExportOptions expected = FirstRunDefaults();
  expected.format = 5;
  expected.delimiter = 7;
  expected.other = L"two";
  EXPECT_EQ(Stored(), expected) << "a nonzero Vertex reads as 1, the rest as stored";
}

// Two programs save different records a few hundred times at once; the file then holds one of
// the two records whole.
TEST_F(OptionsStore, ConcurrentSavesLeaveOneCompleteRecord) {
  ExportOptions records[2] = {FirstRunDefaults(), ExportOptions()};
  records[1].format = 1;
  records[1].delimiter = 4;
  records[1].other = L";";
  records[1].createPoints = 1;
  pid_t children[2];
  for (int i = 0; i < 2; ++i) {
    children[i] = fork();
    ASSERT_GE(children[i], 0);
    if (children[i] != 0) continue;
    for (int round = 0; round < 200; ++round) SaveExportOptions(records[i]);
    _exit(0);
  }
  for (pid_t child : children) {
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  testing::internal::CaptureStderr();
  ExportOptions stored = Stored();
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "the file parses";
  EXPECT_TRUE(stored == records[0] || stored == records[1]) << testing::PrintToString(stored);
}

}  // namespace
