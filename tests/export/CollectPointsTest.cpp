// The export's walk on two threads gives the list one thread gives, bit for bit, over the test
// drawings of every kind and the real drawings of the corpus, and raises the error one thread
// would: the first failing entity's in selection order.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>

#include "DbBlockTableRecord.h"
#include "DbObjectIterator.h"
#include "OdError.h"
#include "dxf/DxfError.h"
#include "dxf/DxfReader.h"
#include "export/CollectPoints.h"

namespace {
namespace fs = std::filesystem;

constexpr TwoThreadWalk kOneThread{std::numeric_limits<std::size_t>::max(), 0};
constexpr TwoThreadWalk kTwoThreads{1, 0};

ExportOptions everythingOn() {
  ExportOptions options;
  options.points = options.extract = options.endPoint = options.midPoint = 1;
  options.centerPoint = options.controlPoint = options.vertex = options.text = 1;
  return options;
}

OdDbSelectionSetPtr everything(const OdDbDatabasePtr& db) {
  OdDbSelectionSetPtr selection = OdDbSelectionSet::createObject(db.get());
  OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject();
  for (OdDbObjectIteratorPtr it = ms->newIterator(); !it->done(); it->step()) {
    selection->append(it->objectId());
  }
  return selection;
}

std::string bytesOf(const ON_3dPointArray& points) {
  return std::string(reinterpret_cast<const char*>(points.Array()),
                     sizeof(ON_3dPoint) * static_cast<std::size_t>(points.Count()));
}

std::string collect(const OdDbSelectionSet& selection, TwoThreadWalk twoThreads) {
  ON_3dPointArray points;
  CollectPoints(selection, everythingOn(), points, twoThreads);
  return bytesOf(points);
}

std::vector<fs::path> drawings() {
  std::vector<fs::path> files;
  for (const char* name : {"kinds_r12.dxf", "kinds_r2000.dxf", "kinds_r2018.dxf"}) {
    files.push_back(fs::path(QUORLEX_SOURCE_DIR) / "tests/data/dxf" / name);
  }
  for (const auto& entry : fs::directory_iterator(fs::path(QUORLEX_SHARED_DIR) / "dxf-corpus")) {
    if (entry.path().extension() == ".dxf" || entry.path().extension() == ".DXF") {
      files.push_back(entry.path());
    }
  }
  return files;
}

TEST(CollectPoints, TwoThreadsCollectWhatOneCollects) {
  int compared = 0;
  for (const fs::path& file : drawings()) {
    SCOPED_TRACE(file.filename().string());
    OdDbDatabasePtr db;
    try {
      db = dxf::readDxfFile(file.string());
    } catch (const dxf::DxfError&) {
      continue;  // the corpus's refused file
    }
    OdDbSelectionSetPtr selection = everything(db);
    if (selection->numEntities() < 2) continue;
    std::string one = collect(*selection, kOneThread);
    std::string two = collect(*selection, kTwoThreads);
    EXPECT_EQ(two.size(), one.size());
    EXPECT_TRUE(two == one) << "the lists differ";
    compared += !one.empty();
  }
  EXPECT_GT(compared, 40);
}

// An entity open for write cannot be opened by the walk: with one in each half, the first half's
// is reported, with one in the second half only, that one.
TEST(CollectPoints, TheFirstFailureInSelectionOrderIsRaised) {
  OdDbDatabasePtr db =
      dxf::readDxfFile((fs::path(QUORLEX_SOURCE_DIR) / "tests/data/dxf/kinds_r2000.dxf").string());
  OdDbSelectionSetPtr selection = everything(db);
  std::vector<OdDbObjectId> ids;
  for (OdDbSelectionSetIteratorPtr it = selection->newIterator(); !it->done(); it->next()) {
    ids.push_back(it->objectId());
  }
  ASSERT_GE(ids.size(), 6u);
  auto failureOf = [&](TwoThreadWalk twoThreads) -> std::string {
    try {
      collect(*selection, twoThreads);
    } catch (const OdError& e) {
      return e.description().toUtf8();
    }
    return "";
  };
  for (std::vector<std::size_t> held :
       {std::vector<std::size_t>{ids.size() - 2}, std::vector<std::size_t>{1, ids.size() - 2}}) {
    std::vector<OdDbObjectPtr> open;
    for (std::size_t i : held) open.push_back(ids[i].safeOpenObject(OdDb::kForWrite));
    std::string one = failureOf(kOneThread);
    EXPECT_NE(one.find(ids[held.front()].getHandle().asciiNarrow()), std::string::npos) << one;
    EXPECT_EQ(failureOf(kTwoThreads), one);
  }
}

}  // namespace
