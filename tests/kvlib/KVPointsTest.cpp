#include "KVPoints.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <limits>
#include <string>

#include "FaultyFileSystem.h"
#include "kvlib/ChunkedLines.h"
#include "kvlib/PointText.h"

namespace {

using kvlib::test::FaultyFileSystem;
using kvlib::test::ReadFile;
using kvlib::test::Step;
using kvlib::test::TemporaryDirectory;
using kvlib::test::WriteFile;

ON_3dPointArray Points(std::initializer_list<ON_3dPoint> points) {
  ON_3dPointArray array;
  for (const ON_3dPoint& point : points) array.Append(point);
  return array;
}

std::string Utf8(const CString& text) { return WideToUtf8(text.str()); }

// A list of several chunks of lines, and its text as one pass writes it.
struct LongList {
  ON_3dPointArray points;
  std::string text;
};

LongList MakeLongList(int count) {
  LongList list;
  for (int i = 0; i < count; ++i) {
    const ON_3dPoint p(500000.0 + i * 0.001, 5200000.0 - i * 0.0001, (i % 977) * 0.5);
    list.points.Append(p);
    list.text += kvlib::FormatCoordinate(p.x) + ";" + kvlib::FormatCoordinate(p.y) + ";" +
                 kvlib::FormatCoordinate(p.z) + "\n";
  }
  return list;
}

// Survey-sized coordinates, a repeated point, negative zero and a float-rounded vertex.
const ON_3dPointArray kSurvey = Points({{500012.345, 5200008.912, 412.118},
                                        {500012.345, 5200008.912, 412.118},
                                        {-0.0, 0.1, -2.5},
                                        {1000000.875, 1e-7, 1e21}});

TEST(kvlib_KVPoints, WritesOneLinePerPointWithEachDelimiter) {
  struct Case {
    const wchar_t* delimiter;
    const char* text;
  };
  const Case cases[] = {
      {L"\t",
       "500012.345\t5200008.912\t412.118\n500012.345\t5200008.912\t412.118\n0\t0.1\t-2.5\n"
       "1000000.875\t0.0000001\t1000000000000000000000\n"},
      {L";",
       "500012.345;5200008.912;412.118\n500012.345;5200008.912;412.118\n0;0.1;-2.5\n"
       "1000000.875;0.0000001;1000000000000000000000\n"},
      {L" ",
       "500012.345 5200008.912 412.118\n500012.345 5200008.912 412.118\n0 0.1 -2.5\n"
       "1000000.875 0.0000001 1000000000000000000000\n"},
      {L"\u00a7",
       "500012.345\xC2\xA7"
       "5200008.912\xC2\xA7"
       "412.118\n"
       "500012.345\xC2\xA7"
       "5200008.912\xC2\xA7"
       "412.118\n"
       "0\xC2\xA7"
       "0.1\xC2\xA7-2.5\n"
       "1000000.875\xC2\xA7"
       "0.0000001\xC2\xA7"
       "1000000000000000000000\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    TemporaryDirectory dir;
    const std::string path = dir.File("Export.txt");
    ASSERT_NE(KVPoints::Write(kSurvey, CString(path.c_str()), c.delimiter), 0)
        << Utf8(KVPoints::GetError());
    EXPECT_EQ(ReadFile(path), c.text);
    EXPECT_TRUE(KVPoints::GetError().IsEmpty());
  }
}

// Lists of several chunks, made on two threads, give the text of one pass, and name the first
// bad point wherever it lies.
TEST(kvlib_KVPoints, LongListsAreWrittenAsInOnePass) {
  TemporaryDirectory dir;
  const std::string path = dir.File("points.txt");
  const LongList list = MakeLongList(3 * static_cast<int>(kvlib::kChunkLines) + 17);
  ASSERT_EQ(KVPoints::Write(list.points, CString(path.c_str()), L";"), 1);
  EXPECT_EQ(ReadFile(path), list.text);

  const double nan = std::numeric_limits<double>::quiet_NaN();
  const int last = list.points.Count() - 1;
  for (int bad : {3, 75000, last}) {
    ON_3dPointArray broken(list.points);
    broken[bad].y = nan;
    if (bad != last) broken[last].z = nan;  // a later one is not the one named
    EXPECT_EQ(KVPoints::Write(broken, CString(path.c_str()), L";"), 0);
    EXPECT_EQ(Utf8(KVPoints::GetError()),
              "Point " + std::to_string(bad + 1) + " has a coordinate that is not a finite number");
  }
  EXPECT_EQ(ReadFile(path), list.text) << "refusals keep the file";
  EXPECT_EQ(dir.Names().size(), 1u);
}

// A disk that fills up after some chunks were written leaves the old file and no temporary.
TEST(kvlib_KVPoints, FailureAfterSomeChunksKeepsTheOldFile) {
  TemporaryDirectory dir;
  const std::string path = dir.File("points.txt");
  const LongList list = MakeLongList(4 * static_cast<int>(kvlib::kChunkLines));
  for (size_t written : {0u, 1u, 2u, 3u}) {
    SCOPED_TRACE(written);
    WriteFile(path, "old\n");
    FaultyFileSystem full(Step::kWrite, ENOSPC);
    full.writes_before_failure = written;
    kvlib::ScopedFileSystem scope(full);
    EXPECT_EQ(KVPoints::Write(list.points, CString(path.c_str()), L";"), 0);
    EXPECT_EQ(Utf8(KVPoints::GetError()),
              "Cannot write \"" + path + "\": " + std::strerror(ENOSPC));
    EXPECT_EQ(ReadFile(path), "old\n");
    EXPECT_EQ(dir.Names().size(), 1u);
  }
}

TEST(kvlib_KVPoints, EmptyListGivesAnEmptyFileAndReplacesTheOldOne) {
  TemporaryDirectory dir;
  const std::string path = dir.File("\u00fcbersicht.txt");
  WriteFile(path, "old\n");
  ASSERT_NE(KVPoints::Write(ON_3dPointArray(), CString(path.c_str()), L","), 0);
  EXPECT_EQ(ReadFile(path), "");
}

// Every refusal leaves an existing file as it was and says why.
TEST(kvlib_KVPoints, RefusalsKeepTheOldFileAndSayWhy) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  TemporaryDirectory dir;
  const std::string path = dir.File("points.txt");
  struct Case {
    ON_3dPointArray points;
    const wchar_t* delimiter;
    std::string error;
  };
  const Case cases[] = {
      {kSurvey, L"", "Empty delimiter"},
      {kSurvey, nullptr, "Empty delimiter"},
      {kSurvey, L"-", "Delimiter must not contain a digit, '.', '+', '-' or a line break"},
      {kSurvey, L"0", "Delimiter must not contain a digit, '.', '+', '-' or a line break"},
      {Points({{1, 2, 3}, {4, nan, 6}}), L",",
       "Point 2 has a coordinate that is not a finite number"},
      {Points({{-inf, 2, 3}}), L",", "Point 1 has a coordinate that is not a finite number"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.error);
    WriteFile(path, "old\n");
    EXPECT_EQ(KVPoints::Write(c.points, CString(path.c_str()), c.delimiter), 0);
    EXPECT_EQ(Utf8(KVPoints::GetError()), c.error);
    EXPECT_EQ(ReadFile(path), "old\n");
  }
  EXPECT_EQ(dir.Names().size(), 1u);
}

TEST(kvlib_KVPoints, SystemFailuresGiveTheSystemsReason) {
  TemporaryDirectory dir;
  const std::string missing = dir.File("no/such/folder/points.txt");
  EXPECT_EQ(KVPoints::Write(kSurvey, CString(missing.c_str()), L","), 0);
  EXPECT_EQ(Utf8(KVPoints::GetError()),
            "Cannot write \"" + missing + "\": " + std::strerror(ENOENT));

  const std::string path = dir.File("points.txt");
  WriteFile(path, "old\n");
  FaultyFileSystem full(Step::kWrite, ENOSPC);
  kvlib::ScopedFileSystem scope(full);
  EXPECT_EQ(KVPoints::Write(kSurvey, CString(path.c_str()), L","), 0);
  EXPECT_EQ(Utf8(KVPoints::GetError()), "Cannot write \"" + path + "\": " + std::strerror(ENOSPC));
  EXPECT_EQ(ReadFile(path), "old\n");
  EXPECT_EQ(dir.Names().size(), 1u);
}

TEST(kvlib_KVPoints, PathThatIsNoUnicodeIsRefused) {
  const wchar_t bad[] = {L'a', static_cast<wchar_t>(0xDC00), L'.', L't', L'x', L't', 0};
  EXPECT_EQ(KVPoints::Write(kSurvey, CString(bad), L","), 0);
  EXPECT_EQ(Utf8(KVPoints::GetError()), "Path is not valid Unicode text");
}

}  // namespace
