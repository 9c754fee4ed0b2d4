// Counts a drawing states (mesh sizes, polyface vertex and face counts, spline knot and control
// point counts, lightweight polyline vertex counts) must not decide an allocation beyond what the
// file's data can fill. Each crafted file is read in a child process whose peak resident memory is
// compared with a child that reads a small valid drawing: a file of a few hundred bytes that
// claims 10^9 elements must be refused (or read) within a few megabytes of that.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Child.h"
#include "Report.h"
#include "dxf/DxfError.h"
#include "dxf/DxfReader.h"

namespace reliability {
namespace {

std::string Lines(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string(line) + "\n";
  return text;
}

std::string InEntities(const std::string& entities) {
  return Lines({"  0", "SECTION", "  2", "ENTITIES"}) + entities +
         Lines({"  0", "ENDSEC", "  0", "EOF"});
}

std::string LightweightPolyline(int claimed, int present) {
  std::string text =
      Lines({"  0", "LWPOLYLINE", "  8", "0", " 90"}) + std::to_string(claimed) + "\n";
  for (int i = 0; i < present; ++i) {
    text += " 10\n" + std::to_string(i) + ".0\n 20\n" + std::to_string(i * i) + ".0\n";
  }
  return text;
}

struct Lying {
  const char* name;
  std::string entities;
};

std::vector<Lying> LyingFiles() {
  return {
      {"polygon mesh 32767 x 32767 without vertices",
       Lines({"  0", "POLYLINE", "  8", "0", " 66", "1", " 70", "16", " 71", "32767", " 72",
              "32767", "  0", "SEQEND", "  8", "0"})},
      {"polyface mesh claiming 32767 vertices and 32767 faces, none present",
       Lines({"  0", "POLYLINE", "  8", "0", " 66", "1", " 70", "64", " 71", "32767", " 72",
              "32767", "  0", "SEQEND", "  8", "0"})},
      {"spline claiming a billion knots and control points",
       Lines({"  0", "SPLINE",     "  8", "0",          " 70", "8",  " 71", "3",
              " 72", "1000000000", " 73", "1000000000", " 74", "0",  " 40", "0.0",
              " 10", "0.0",        " 20", "0.0",        " 30", "0.0"})},
      {"lightweight polyline claiming a million vertices with ten",
       LightweightPolyline(1000000, 10)},
      {"lightweight polyline claiming 2^31 - 1 vertices with none",
       LightweightPolyline(2147483647, 0)},
  };
}

// In the child: reads the drawing; 0 when read, 1 with the reader's message on standard error.
int ReadDrawing(const std::string& path) {
  try {
    dxf::readDxfFile(path);
    return 0;
  } catch (const dxf::DxfError& error) {
    std::fprintf(stderr, "%s\n", error.message().c_str());
    return 1;
  }
}

constexpr long kSlackKiB = 8 * 1024;

TEST(reliability_bounded, LyingCountsCostMemoryInProportionToTheFile) {
  Scratch scratch;
  const std::string valid = (scratch / "valid.dxf").string();
  WriteFile(valid, InEntities(LightweightPolyline(10, 10)));
  const ChildResult baseline = RunFunction([&] { return ReadDrawing(valid); });
  ASSERT_EQ(0, baseline.status) << baseline.err;

  for (const Lying& lying : LyingFiles()) {
    SCOPED_TRACE(lying.name);
    const std::string path = (scratch / "lying.dxf").string();
    WriteFile(path, InEntities(lying.entities));
    const ChildResult read = RunFunction([&] { return ReadDrawing(path); });
    ReportRow("bounded", {lying.name, read.status == 0 ? "read" : "refused",
                          std::to_string(read.peakRssKiB - baseline.peakRssKiB) + " KiB",
                          read.err.substr(0, read.err.find('\n'))});
    EXPECT_TRUE(read.status == 0 || read.status == 1) << "status " << read.status << read.err;
    EXPECT_LT(read.peakRssKiB, baseline.peakRssKiB + kSlackKiB);
    if (read.status == 1) {
      EXPECT_NE(std::string::npos, read.err.find(path + ", line ")) << read.err;
    }
  }
}

}  // namespace
}  // namespace reliability
