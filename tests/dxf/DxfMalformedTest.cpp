// Broken files are refused with a description that names the file, the line (or byte offset)
// and what was expected; quirks that CAD hosts accept are accepted.
#include <gtest/gtest.h>

#include "DbBlockTableRecord.h"
#include "DbObjectIterator.h"
#include "DbPoint.h"
#include "DxfTestSupport.h"
#include "dxf/DxfError.h"
#include "dxf/DxfReader.h"

namespace {

std::string lines(std::initializer_list<const char*> l, const char* end = "\n") {
  std::string s;
  for (const char* x : l) s += std::string(x) + end;
  return s;
}

const std::string kHead = lines({"  0", "SECTION", "  2", "ENTITIES"});
const std::string kTail = lines({"  0", "ENDSEC", "  0", "EOF"});

std::string entities(std::initializer_list<const char*> l) { return kHead + lines(l) + kTail; }

struct Broken {
  const char* name;
  std::string content;
  const char* message;  // after "<file>, "
};

std::vector<Broken> brokenFiles() {
  return {
      {"empty", "", "line 1: expected 0/SECTION, found an empty file"},
      {"code not a number", lines({"  0", "SECTION", "abc", "HEADER"}),
       "line 3: expected a group code, found 'abc'"},
      {"value not a number", entities({"  0", "POINT", " 10", "x1.5", " 20", "0"}),
       "line 8: expected a number for group code 10, found 'x1.5'"},
      {"nan", entities({"  0", "POINT", " 10", "nan"}), "line 8: expected a finite number"},
      {"infinity", entities({"  0", "POINT", " 20", "-inf"}), "line 8: expected a finite number"},
      {"overflow", entities({"  0", "POINT", " 30", "1e999"}), "line 8: expected a finite number"},
      {"missing EOF", kHead + lines({"  0", "ENDSEC"}),
       "line 7: expected 0/EOF after 0/ENDSEC, found the end of the file"},
      {"cut after a group code", kHead + lines({"  0", "POINT", " 10"}),
       "line 8: expected a value after group code 10, found the end of the file"},
      {"cut inside a section", kHead + lines({"  0", "POINT", " 10", "1.0"}),
       "line 9: expected 0/EOF, found the end of the file"},
      {"handle not hex", entities({"  0", "POINT", "  5", "XYZ"}),
       "line 8: expected a handle (up to 16 hex digits) for group code 5, found 'XYZ'"},
      {"vertex count too large",
       entities(
           {"  0", "LWPOLYLINE", " 90", "1000000", " 10", "0", " 20", "0", " 10", "1", " 20", "1"}),
       "line 7: expected 1000000 vertices as group code 90 says, found 2"},
      {"knot count too large",
       entities(
           {"  0", "SPLINE", " 71", "3", " 72", "1000000000", " 40", "0", " 10", "0", " 20", "0"}),
       "line 9: expected 1000000000 knots as group code 72 says, found 1"},
      {"mesh larger than its vertices",
       entities({"  0", "POLYLINE", " 70", "16", " 71", "32767", " 72", "32767", "  0", "VERTEX",
                 " 70", "64", " 10", "1", "  0", "SEQEND"}),
       "line 5: expected 32767 x 32767 mesh vertices as group codes 71 and 72 say, found 1"},
      {"y before x", entities({"  0", "LWPOLYLINE", " 20", "1.0"}),
       "line 7: expected group code 10 before group code 20"},
      {"cut in a table entry",
       lines({"  0", "SECTION", "  2", "TABLES", "  0", "TABLE", "  2", "LAYER", "  0", "LAYER"}),
       "line 11: expected 0/EOF, found the end of the file"},
      {"cut in a block", lines({"  0", "SECTION", "  2", "BLOCKS", "  0", "BLOCK", "  2", "B"}),
       "line 9: expected 0/EOF, found the end of the file"},
      {"stray tag at top level", lines({"  1", "hello"}),
       "line 1: expected 0/SECTION or 0/EOF, found 1/'hello'"},
  };
}

TEST(DxfMalformed, RefusedWithFileLineAndExpectation) {
  dxftest::ScratchDir dir;
  for (const Broken& b : brokenFiles()) {
    SCOPED_TRACE(b.name);
    std::string path = (dir / "broken.dxf").string();
    dxftest::writeAll(path, b.content);
    try {
      dxf::readDxfFile(path);
      ADD_FAILURE() << "loaded";
    } catch (const dxf::DxfError& e) {
      EXPECT_EQ(e.message().substr(0, path.size() + 2 + strlen(b.message)),
                path + ", " + b.message);
      EXPECT_EQ(e.description().toUtf8(), e.message());
    }
  }
}

TEST(DxfMalformed, FilesThatCannotBeReadAreNamed) {
  dxftest::ScratchDir dir;
  const std::pair<std::string, const char*> cases[] = {
      {(dir / "missing.dxf").string(), ": cannot open the file: No such file or directory"},
      {dir.path().string(), ": cannot read the file: not a regular file"},
  };
  for (const auto& [path, message] : cases) {
    try {
      dxf::ReadOptions options;
      options.displayName = "drawing.dxf";
      dxf::readDxfFile(path, options);
      ADD_FAILURE() << "loaded " << path;
    } catch (const dxf::DxfError& e) {
      EXPECT_EQ(e.message(), std::string("drawing.dxf") + message);
    }
  }
}

TEST(DxfMalformed, BinaryFileCutShortNamesTheByteOffset) {
  std::string whole = dxftest::readAll(dxftest::fixture("points_r2000_bin.dxf"));
  dxftest::ScratchDir dir;
  for (std::size_t cut : {std::size_t{23}, whole.size() / 2, whole.size() - 3}) {
    SCOPED_TRACE(cut);
    std::string path = (dir / "cut.dxf").string();
    dxftest::writeAll(path, whole.substr(0, cut));
    try {
      dxf::readDxfFile(path);
      ADD_FAILURE() << "loaded";
    } catch (const dxf::DxfError& e) {
      EXPECT_EQ(e.location().line, 0);
      EXPECT_NE(e.message().find(", byte offset "), std::string::npos) << e.message();
      EXPECT_NE(e.message().find("found the end of the file"), std::string::npos) << e.message();
    }
  }
}

// The point of a small drawing, written with each quirk, must load at the same place.
TEST(DxfMalformed, QuirksThatHostsAcceptAreAccepted) {
  const std::string point =
      lines({"  0", "POINT", "  8", "0", " 10", "1.5", " 20", "-2", " 30", "3"});
  const std::pair<const char*, std::string> quirks[] = {
      {"LF", kHead + point + kTail},
      {"CRLF", lines({"  0", "SECTION", "  2", "ENTITIES", "  0", "POINT", "  8", "0", " 10", "1.5",
                      " 20", "-2", " 30", "3", "  0", "ENDSEC", "  0", "EOF"},
                     "\r\n")},
      {"uneven padding", lines({"0", "SECTION", "   2", "ENTITIES", " 0", "POINT", "8", "0", "10 ",
                                "  1.5  ", "\t20", "-2", "30", "+3", "0", "ENDSEC", "0", "EOF"})},
      {"bytes after EOF", kHead + point + kTail + "garbage\n\x01\x02 not dxf"},
      {"no final line end", kHead + point + lines({"  0", "ENDSEC", "  0"}) + "EOF"},
      {"header and tables", lines({"  0", "SECTION", "  2", "HEADER", "  9", "$ACADVER", "  1",
                                   "AC1009", "  0", "ENDSEC"}) +
                                kHead + point + kTail},
      {"comments", lines({"999", "made by hand"}) + kHead + point + kTail},
  };
  dxftest::ScratchDir dir;
  for (const auto& [name, content] : quirks) {
    SCOPED_TRACE(name);
    std::string path = (dir / "quirk.dxf").string();
    dxftest::writeAll(path, content);
    OdDbDatabasePtr db = dxf::readDxfFile(path);
    OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject();
    OdDbObjectIteratorPtr it = ms->newIterator();
    ASSERT_FALSE(it->done());
    EXPECT_EQ(OdDbPoint::cast(it->entity())->position(), OdGePoint3d(1.5, -2, 3));
  }
}

}  // namespace
