// Reading a large ENTITIES section on two threads gives what one thread gives: the same objects
// with the same handles, owners and layers, the same own handles for objects the file has none
// for, the same saved file, and the same error, at the same line, for a broken file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <sstream>

#include "DbBlockTableRecord.h"
#include "DbEntity.h"
#include "DbLayerTableRecord.h"
#include "DxfTestSupport.h"
#include "RoundTrip.h"
#include "dxf/DxfError.h"
#include "dxf/DxfReader.h"
#include "dxf/DxfWriter.h"

namespace {
namespace fs = std::filesystem;

void dumpObject(OdDbObjectId id, int depth, std::ostream& out) {
  OdDbObjectPtr object = id.safeOpenObject();
  out << std::string(depth, ' ') << id.getHandle().ascii().toUtf8() << ' '
      << object->isA()->name().toUtf8();
  OdDbEntityPtr entity = OdDbEntity::cast(object);
  if (!entity.isNull()) {
    OdDbLayerTableRecordPtr layer = entity->layerId().safeOpenObject();
    out << " layer " << layer->getName().toUtf8() << '/'
        << entity->layerId().getHandle().ascii().toUtf8();
  }
  out << '\n';
  if (const std::vector<OdDbObjectId>* owned = object->ownedObjectIds()) {
    for (OdDbObjectId child : *owned) dumpObject(child, depth + 1, out);
  }
}

// Everything the reader decides: records, their entities and vertices, handles, layers.
std::string dump(OdDbDatabase* db) {
  std::ostringstream out;
  out << "handseed " << db->handseed().ascii().toUtf8() << '\n';
  for (OdDbObjectId id : db->layerIds()) dumpObject(id, 0, out);
  for (OdDbObjectId id : db->blockTableRecordIds()) dumpObject(id, 0, out);
  return out.str();
}

struct Outcome {
  std::string dump;  // or the error message
  std::optional<std::uint64_t> splitAt;
  std::string saved;  // the file saved with two points appended
};

Outcome readWith(const fs::path& file, bool twoThreads) {
  Outcome result;
  dxf::ReadOptions options;
  options.splitEntitiesFrom = twoThreads ? 1 : 0;
  options.splitTaken = [&](std::uint64_t at) { result.splitAt = at; };
  try {
    OdDbDatabasePtr db = dxf::readDxfFile(file.string(), options);
    result.dump = dump(db.get());
    dxftest::appendPoints(db.get(), {{1, 2, 3}, {4, 5, 6}});
    dxftest::ScratchDir dir;
    dxf::saveDxfFile(db.get(), (dir / "saved.dxf").string());
    result.saved = dxftest::readAll(dir / "saved.dxf");
  } catch (const OdError& e) {
    result.dump = e.description().toUtf8();
  }
  return result;
}

void tag(std::ostringstream& out, int code, const std::string& value) {
  out << (code < 10 ? "  " : code < 100 ? " " : "") << code << '\n' << value << '\n';
}

// Entities of every shape the reader treats apart: points, lines on layers only entities name,
// polylines with vertices, inserts with attributes, paper space, no handle, a handle used twice.
// A stale $HANDSEED, below the file's handles, makes own handles follow the greatest handle read.
std::string drawing(int count, const std::string& brokenValue = "",
                    const std::string& handseed = "100000") {
  std::ostringstream out;
  tag(out, 0, "SECTION");
  tag(out, 2, "HEADER");
  tag(out, 9, "$ACADVER");
  tag(out, 1, "AC1015");
  tag(out, 9, "$HANDSEED");
  tag(out, 5, handseed);
  tag(out, 0, "ENDSEC");
  tag(out, 0, "SECTION");
  tag(out, 2, "TABLES");
  tag(out, 0, "TABLE");
  tag(out, 2, "LAYER");
  tag(out, 0, "LAYER");
  tag(out, 5, "10");
  tag(out, 2, "0");
  tag(out, 0, "ENDTAB");
  tag(out, 0, "ENDSEC");
  tag(out, 0, "SECTION");
  tag(out, 2, "ENTITIES");
  int handle = 0x100;
  auto hex = [](int h) {
    std::ostringstream s;
    s << std::hex << std::uppercase << h;
    return s.str();
  };
  for (int i = 0; i < count; ++i) {
    std::string layer = "L" + std::to_string(i % 13 == 0 ? i : i % 5);
    switch (i % 6) {
      case 0:
        tag(out, 0, "POINT");
        tag(out, 5, hex(handle++));
        tag(out, 8, layer);
        tag(out, 10, std::to_string(i) + ".125");
        tag(out, 20, i == count * 3 / 4 && !brokenValue.empty() ? brokenValue : "2.5");
        tag(out, 30, "-0.75");
        break;
      case 1:
        tag(out, 0, "LINE");
        if (i % 12 != 1) tag(out, 5, hex(handle++));  // some without a handle
        tag(out, 8, layer);
        tag(out, 10, "1");
        tag(out, 20, "2");
        tag(out, 11, "3");
        tag(out, 21, "4");
        break;
      case 2:
        tag(out, 0, "POLYLINE");
        tag(out, 5, hex(handle++));
        tag(out, 8, layer);
        tag(out, 66, "1");
        tag(out, 70, "8");
        for (int v = 0; v < 3; ++v) {
          tag(out, 0, "VERTEX");
          tag(out, 5, hex(handle++));
          tag(out, 8, v == 1 ? "V" + std::to_string(i) : layer);
          tag(out, 10, std::to_string(v));
          tag(out, 20, "1");
          tag(out, 30, "2");
          tag(out, 70, "32");
        }
        tag(out, 0, "SEQEND");
        tag(out, 5, hex(handle++));
        tag(out, 8, layer);
        break;
      case 3:
        tag(out, 0, "INSERT");
        tag(out, 5, hex(handle++));
        tag(out, 8, layer);
        tag(out, 66, "1");
        tag(out, 2, "B");
        tag(out, 0, "ATTRIB");
        tag(out, 5, hex(handle++));
        tag(out, 8, layer);
        tag(out, 0, "SEQEND");
        tag(out, 5, hex(handle++));
        break;
      case 4:
        tag(out, 0, "POINT");
        tag(out, 5, hex(handle++));
        tag(out, 8, layer);
        tag(out, 67, "1");  // paper space
        tag(out, 10, "7");
        break;
      default:
        tag(out, 0, "CIRCLE");
        // A handle of the first part again late in the file: the later object gets a fresh one.
        tag(out, 5, hex(i == count - 1 ? 0x100 : handle++));
        tag(out, 8, layer);
        tag(out, 10, "1");
        tag(out, 40, "2");
        break;
    }
  }
  tag(out, 0, "ENDSEC");
  tag(out, 0, "EOF");
  return out.str();
}

void expectSameOutcome(const fs::path& file, bool mustSplit) {
  Outcome one = readWith(file, false);
  Outcome two = readWith(file, true);
  EXPECT_FALSE(one.splitAt.has_value());
  EXPECT_EQ(two.splitAt.has_value(), mustSplit);
  EXPECT_EQ(two.dump, one.dump);
  EXPECT_TRUE(two.saved == one.saved) << "the saved files differ";
}

TEST(DxfSplitRead, TwoThreadsReadWhatOneReads) {
  dxftest::ScratchDir dir;
  dxftest::writeAll(dir / "big.dxf", drawing(6000));
  expectSameOutcome(dir / "big.dxf", true);
  dxftest::writeAll(dir / "stale.dxf", drawing(6000, "", "200"));
  expectSameOutcome(dir / "stale.dxf", true);
  Outcome one = readWith(dir / "big.dxf", false);
  EXPECT_NE(one.dump.find("AcDb3dPolylineVertex layer V5996/"),
            std::string::npos);  // the drawing is what it says
  EXPECT_NE(one.dump.find("AcDbPoint layer L4/"), std::string::npos);
}

TEST(DxfSplitRead, BrokenSecondPartIsReportedAsOnOneThread) {
  dxftest::ScratchDir dir;
  dxftest::writeAll(dir / "broken.dxf", drawing(6000, "2.5x"));
  Outcome one = readWith(dir / "broken.dxf", false);
  Outcome two = readWith(dir / "broken.dxf", true);
  EXPECT_NE(one.dump.find(": expected a number for group code 20, found '2.5x'"), std::string::npos)
      << one.dump;
  EXPECT_EQ(two.dump, one.dump);
}

// A value "0" followed by a name where a group code belongs looks like an entity's start to the
// boundary search; the main reader never lands there, and the error is the one thread's.
TEST(DxfSplitRead, FalseBoundaryIsNotTaken) {
  std::string text = drawing(6000);
  std::size_t middle = text.find("  0\nPOINT\n", text.size() / 2 + 200);
  ASSERT_NE(middle, std::string::npos);
  text.insert(middle, "  1\n0\nNOTACODE\n");
  dxftest::ScratchDir dir;
  dxftest::writeAll(dir / "false.dxf", text);
  Outcome one = readWith(dir / "false.dxf", false);
  EXPECT_NE(one.dump.find("expected a group code, found 'NOTACODE'"), std::string::npos)
      << one.dump;
  EXPECT_EQ(readWith(dir / "false.dxf", true).dump, one.dump);
}

// A section of entities that ends before the middle of the file: the other thread's part, read
// from the objects after it, is not used.
TEST(DxfSplitRead, SectionEndingBeforeTheBoundaryIsReadOnOneThread) {
  std::string text = drawing(50);
  std::string objects = "  0\nSECTION\n  2\nOBJECTS\n";
  for (int i = 0; i < 5000; ++i)
    objects += "  0\nDICTIONARY\n  5\n" + std::to_string(90000 + i) + "\n";
  objects += "  0\nENDSEC\n";
  text.insert(text.rfind("  0\nEOF"), objects);
  dxftest::ScratchDir dir;
  dxftest::writeAll(dir / "objects.dxf", text);
  expectSameOutcome(dir / "objects.dxf", false);
}

TEST(DxfSplitRead, CorpusDrawingsReadTheSameOnTwoThreads) {
  int split = 0;
  for (const auto& entry : fs::directory_iterator(dxftest::corpusDir())) {
    std::string ext = entry.path().extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), ::tolower);
    if (ext != ".dxf") continue;
    SCOPED_TRACE(entry.path().filename().string());
    Outcome one = readWith(entry.path(), false);
    Outcome two = readWith(entry.path(), true);
    EXPECT_EQ(two.dump, one.dump);
    EXPECT_TRUE(two.saved == one.saved) << "the saved files differ";
    split += two.splitAt.has_value();
  }
  EXPECT_GT(split, 10) << "few corpus drawings were read on two threads";
}

}  // namespace
