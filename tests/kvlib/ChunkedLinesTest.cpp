#include "kvlib/ChunkedLines.h"

#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

namespace kvlib {
namespace {

std::vector<ON_3dPoint> Survey(size_t count) {
  std::vector<ON_3dPoint> points;
  for (size_t i = 0; i < count; ++i) {
    const double d = static_cast<double>(i);
    points.emplace_back(500000.0 + d * 0.001, 5200000.0 - d * 0.0001, static_cast<double>(i % 7));
  }
  return points;
}

// The text of one pass, line by line.
std::string OnePass(const std::vector<ON_3dPoint>& points, const std::string& delimiter) {
  std::string text;
  for (const ON_3dPoint& p : points) {
    text += FormatCoordinate(p.x) + delimiter + FormatCoordinate(p.y) + delimiter +
            FormatCoordinate(p.z) + "\n";
  }
  return text;
}

struct Taken {
  std::string text;
  std::vector<size_t> sizes;
};

Taken WriteAll(const std::vector<ON_3dPoint>& points, const std::string& delimiter,
               size_t chunkLines) {
  Taken taken;
  const bool done = WriteLinesInChunks(
      points, LineFormat(delimiter),
      [&](std::string_view text) {
        taken.text += text;
        taken.sizes.push_back(text.size());
        return true;
      },
      chunkLines);
  EXPECT_TRUE(done);
  return taken;
}

// Whatever the chunk size, the chunks come in order and join to the text of one pass, each
// chunk holding whole lines and none empty.
TEST(kvlib_ChunkedLines, ChunksJoinToTheTextOfOnePass) {
  struct Case {
    size_t points;
    size_t chunkLines;
  };
  const Case cases[] = {{0, 4},  {1, 4},   {2, 1},       {5, 1},       {10, 3},
                        {12, 3}, {100, 7}, {1000, 1000}, {1000, 1001}, {70000, kChunkLines}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.points) + " points, chunks of " + std::to_string(c.chunkLines));
    const std::vector<ON_3dPoint> points = Survey(c.points);
    const Taken taken = WriteAll(points, ";", c.chunkLines);
    EXPECT_EQ(taken.text, OnePass(points, ";"));
    EXPECT_EQ(taken.sizes.size(), (c.points + c.chunkLines - 1) / c.chunkLines);
    size_t end = 0;
    for (const size_t size : taken.sizes) {
      ASSERT_GT(size, 0u);
      end += size;
      EXPECT_EQ(taken.text[end - 1], '\n');
    }
  }
}

// Coordinates far longer than survey ones make a chunk outgrow its first room.
TEST(kvlib_ChunkedLines, LongCoordinatesGrowTheChunks) {
  std::vector<ON_3dPoint> points = Survey(50);
  for (size_t i = 0; i < points.size(); i += 3) {
    points[i] = ON_3dPoint(-1.2345678901234567e300, 5e-324, 1.7976931348623157e308);
  }
  EXPECT_EQ(WriteAll(points, "\t", 8).text, OnePass(points, "\t"));
}

// A refused chunk is the last one handed over, on whichever thread it was made.
TEST(kvlib_ChunkedLines, RefusedChunkStopsTheWriting) {
  const std::vector<ON_3dPoint> points = Survey(40);
  for (size_t refused = 0; refused < 5; ++refused) {
    SCOPED_TRACE(refused);
    size_t handed = 0;
    std::string text;
    const bool done = WriteLinesInChunks(
        points, LineFormat(","),
        [&](std::string_view chunk) {
          text += chunk;
          return handed++ != refused;
        },
        4);
    EXPECT_FALSE(done);
    EXPECT_EQ(handed, refused + 1);
    EXPECT_EQ(text, OnePass({points.begin(), points.begin() + 4 * (refused + 1)}, ","));
  }
}

// A sink that throws (as out of memory would) reaches the caller, and the helper is stopped.
TEST(kvlib_ChunkedLines, ExceptionsReachTheCaller) {
  const std::vector<ON_3dPoint> points = Survey(40);
  for (size_t thrown = 0; thrown < 3; ++thrown) {
    size_t handed = 0;
    const auto sink = [&](std::string_view) {
      if (handed++ == thrown) throw std::bad_alloc();
      return true;
    };
    EXPECT_THROW(WriteLinesInChunks(points, LineFormat(","), sink, 4), std::bad_alloc);
  }
}

}  // namespace
}  // namespace kvlib
