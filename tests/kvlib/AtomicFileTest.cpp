#include "kvlib/AtomicFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "FaultyFileSystem.h"

namespace kvlib {
namespace {

using test::FaultyFileSystem;
using test::ReadFile;
using test::Step;
using test::TemporaryDirectory;
using test::WriteFile;
using ::testing::ElementsAre;

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(::stat(path.c_str(), &info), 0);
  return info.st_mode & 07777;
}

TEST(kvlib_AtomicFile, NewFileGetsContentAndUmaskPermissions) {
  TemporaryDirectory dir;
  const std::string path = dir.File("points.txt");
  const mode_t previous = ::umask(022);
  std::string error;
  const bool written = WriteFileAtomically(path, "1,2,3\n", error);
  ::umask(previous);
  ASSERT_TRUE(written) << error;
  EXPECT_EQ(ReadFile(path), "1,2,3\n");
  EXPECT_EQ(ModeOf(path), 0644u);
  EXPECT_THAT(dir.Names(), ElementsAre("points.txt"));
}

TEST(kvlib_AtomicFile, ReplacedFileKeepsItsPermissions) {
  TemporaryDirectory dir;
  const std::string path = dir.File("points.txt");
  WriteFile(path, "old content that is longer\n");
  ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(path, "", error)) << error;
  EXPECT_EQ(ReadFile(path), "");
  EXPECT_EQ(ModeOf(path), 0600u);
}

TEST(kvlib_AtomicFile, ShortWritesAreContinued) {
  TemporaryDirectory dir;
  FaultyFileSystem fs(Step::kNone, 0);
  fs.write_chunk = 3;
  ScopedFileSystem scope(fs);
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(dir.File("a.txt"), "0123456789\n", error)) << error;
  EXPECT_EQ(ReadFile(dir.File("a.txt")), "0123456789\n");
}

// Starting the writing to disk early is advice; a system without it writes the file all the same.
TEST(kvlib_AtomicFile, RefusedEarlyWritebackIsNoFailure) {
  TemporaryDirectory dir;
  FaultyFileSystem fs(Step::kStartWriteback, ENOSYS);
  ScopedFileSystem scope(fs);
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(dir.File("a.txt"), "1,2,3\n", error)) << error;
  EXPECT_EQ(ReadFile(dir.File("a.txt")), "1,2,3\n");
}

// A file written in pieces gets them in order; one given up before Commit, or whose writing
// failed, leaves the target as it was and no temporary, and refuses every later step.
TEST(kvlib_AtomicFile, PiecesAreJoinedAndAnUnfinishedFileLeavesNoTrace) {
  TemporaryDirectory dir;
  const std::string path = dir.File("points.txt");
  {
    AtomicFile file;
    ASSERT_TRUE(file.Open(path) && file.Append("1,2,3\n") && file.Append("") &&
                file.Append("4,5,6\n") && file.Commit())
        << file.error();
  }
  EXPECT_EQ(ReadFile(path), "1,2,3\n4,5,6\n");
  {
    AtomicFile file;
    ASSERT_TRUE(file.Open(path) && file.Append("7,8,9\n")) << file.error();
    EXPECT_EQ(dir.Names().size(), 2u) << "the temporary is beside the target";
  }
  EXPECT_EQ(ReadFile(path), "1,2,3\n4,5,6\n");
  EXPECT_THAT(dir.Names(), ElementsAre("points.txt"));

  FaultyFileSystem fs(Step::kWrite, ENOSPC);
  fs.writes_before_failure = 1;
  ScopedFileSystem scope(fs);
  AtomicFile file;
  ASSERT_TRUE(file.Open(path) && file.Append("7,8,9\n"));
  EXPECT_FALSE(file.Append("10,11,12\n"));
  const std::string error = "Cannot write \"" + path + "\": " + std::strerror(ENOSPC);
  EXPECT_EQ(file.error(), error);
  EXPECT_THAT(dir.Names(), ElementsAre("points.txt"));
  EXPECT_FALSE(file.Append("13,14,15\n"));
  EXPECT_FALSE(file.Commit());
  EXPECT_EQ(file.error(), error);
  EXPECT_EQ(ReadFile(path), "1,2,3\n4,5,6\n");
}

// Whichever step fails, the old file is untouched, no temporary is left, and the message names
// the path and the system's reason.
TEST(kvlib_AtomicFile, FailureAtAnyStepLeavesTheOldFile) {
  struct Case {
    Step step;
    int error;
  };
  const Case cases[] = {{Step::kCreate, EACCES}, {Step::kWrite, ENOSPC}, {Step::kSync, EIO},
                        {Step::kClose, EDQUOT},  {Step::kRename, EXDEV}, {Step::kSetMode, EPERM}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::strerror(c.error));
    TemporaryDirectory dir;
    const std::string path = dir.File("points.txt");
    WriteFile(path, "old\n");
    FaultyFileSystem fs(c.step, c.error);
    ScopedFileSystem scope(fs);
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(path, "new\n", error));
    EXPECT_EQ(error, "Cannot write \"" + path + "\": " + std::strerror(c.error));
    EXPECT_EQ(ReadFile(path), "old\n");
    EXPECT_THAT(dir.Names(), ElementsAre("points.txt"));
  }
}

TEST(kvlib_AtomicFile, UnwritablePlacesGiveTheSystemsReason) {
  TemporaryDirectory dir;
  struct Case {
    std::string path;
    std::string reason;
  };
  const Case cases[] = {{dir.File("missing/points.txt"), std::strerror(ENOENT)},
                        {dir.File(""), std::strerror(EISDIR)},
                        {dir.File("."), std::strerror(EISDIR)},
                        {"", std::strerror(ENOENT)}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(c.path, "x\n", error));
    EXPECT_EQ(error, "Cannot write \"" + c.path + "\": " + c.reason);
  }
  EXPECT_TRUE(dir.Names().empty());
}

}  // namespace
}  // namespace kvlib
