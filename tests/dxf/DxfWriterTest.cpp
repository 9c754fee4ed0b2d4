// Saving: appended points in the file's own dialect with everything else byte for byte, read by
// ezdxf (readfile and its auditor) at full precision; the temporary-and-rename with a .bak;
// refusals that leave the target alone; new drawings from an in-memory database.
#include <gtest/gtest.h>

#include <filesystem>

#include "DbBlockTableRecord.h"
#include "DbCircle.h"
#include "DbLine.h"
#include "DbObjectIterator.h"
#include "DbPoint.h"
#include "DbText.h"
#include "DxfTestSupport.h"
#include "RoundTrip.h"
#include "dxf/DxfError.h"
#include "dxf/DxfReader.h"
#include "dxf/DxfWriter.h"

namespace {
namespace fs = std::filesystem;

const std::vector<OdGePoint3d> kPoints = {
    {0.1, 0.2, 0.3}, {-123456789.123456789, 9.87654321e-5, 42.0}, {1e300, -1e-300, 5e-324}};

// A Python script that checks, for each saved file, that ezdxf reads and audits it without
// errors and finds the last model space entities to be points exactly at kPoints.
std::string ezdxfCheck(const std::vector<fs::path>& files) {
  std::string s = "import ezdxf\nexpected = [";
  for (const auto& p : kPoints) {
    char buf[200];
    std::snprintf(buf, sizeof buf, "(%.17g, %.17g, %.17g),", p.x, p.y, p.z);
    s += buf;
  }
  s += "]\nfor name in [";
  for (const auto& f : files) s += "r'" + f.string() + "',";
  s += R"(]:
    doc = ezdxf.readfile(name)
    auditor = doc.audit()
    assert not auditor.has_errors, (name, [str(e.message) for e in auditor.errors])
    points = [e for e in doc.modelspace() if e.dxftype() == 'POINT'][-len(expected):]
    got = [tuple(p.dxf.location) for p in points]
    assert got == expected, (name, got)
    print('ok', name)
)";
  return s;
}

void expectLosslessAppend(const fs::path& original, const fs::path& saved) {
  dxftest::SavedParts before = dxftest::splitSaved(original.string(), 0);
  dxftest::SavedParts after = dxftest::splitSaved(saved.string(), kPoints.size());
  EXPECT_TRUE(after.rest == before.rest) << "bytes outside the new points and $HANDSEED changed";
  EXPECT_EQ(after.addedPoints, kPoints);
  if (before.handseed != 0) {
    EXPECT_GT(after.handseed, after.maxHandle);
  }
}

TEST(DxfWriter, AppendedPointsAreReadByEzdxfAndTheRestIsUnchanged) {
  dxftest::ScratchDir dir;
  std::vector<fs::path> saved;
  for (const char* name :
       {"points_r12.dxf", "points_r12_bin.dxf", "points_r2000.dxf", "points_r2000_bin.dxf",
        "points_r2018.dxf", "points_r2018_bin.dxf", "kinds_r12.dxf", "kinds_r2000.dxf",
        "kinds_r2000_bin.dxf", "kinds_r2018.dxf", "text_cp1251_r2000.dxf"}) {
    SCOPED_TRACE(name);
    OdDbDatabasePtr db = dxf::readDxfFile(dxftest::fixture(name).string());
    dxftest::appendPoints(db.get(), kPoints);
    saved.push_back(dir / name);
    dxf::saveDxfFile(db.get(), saved.back().string());
    expectLosslessAppend(dxftest::fixture(name), saved.back());
  }
  if (!dxftest::haveEzdxf()) GTEST_SKIP() << "/usr/bin/python3 has no ezdxf";
  std::string out;
  EXPECT_EQ(dxftest::runPython(ezdxfCheck(saved), out), 0) << out;
}

TEST(DxfWriter, SavingKeepsThePreviousFileAsBakAndLeavesNoTemporary) {
  dxftest::ScratchDir dir;
  fs::path target = dir / "drawing.dxf";
  fs::copy_file(dxftest::fixture("points_r2000.dxf"), target);
  std::string original = dxftest::readAll(target);

  OdDbDatabasePtr db = dxf::readDxfFile(target.string());
  dxftest::appendPoints(db.get(), kPoints);
  dxf::saveDxfFile(db.get(), target.string());
  EXPECT_EQ(dxftest::readAll(dir / "drawing.dxf.bak"), original);
  expectLosslessAppend(dir / "drawing.dxf.bak", target);

  // The saved file is now the source: a second save appends to it.
  std::string first = dxftest::readAll(target);
  dxftest::appendPoints(db.get(), kPoints);
  dxf::saveDxfFile(db.get(), target.string());
  EXPECT_EQ(dxftest::readAll(dir / "drawing.dxf.bak"), first);
  expectLosslessAppend(dir / "drawing.dxf.bak", target);

  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir.path())) names.push_back(e.path().filename());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"drawing.dxf", "drawing.dxf.bak"}));
}

template <typename F>
std::string refusal(F&& f) {
  try {
    f();
  } catch (const dxf::DxfError& e) {
    return e.message();
  }
  return "no error";
}

TEST(DxfWriter, RefusesASourceThatChangedSinceItWasRead) {
  dxftest::ScratchDir dir;
  fs::path source = dir / "source.dxf";
  fs::copy_file(dxftest::fixture("points_r2000.dxf"), source);
  OdDbDatabasePtr db = dxf::readDxfFile(source.string());
  dxftest::appendPoints(db.get(), kPoints);
  std::string bytes = dxftest::readAll(source);
  bytes[bytes.size() / 2] = bytes[bytes.size() / 2] == '1' ? '2' : '1';  // same size, new time
  dxftest::writeAll(source, bytes);
  fs::path target = dir / "target.dxf";
  EXPECT_NE(refusal([&] {
              dxf::saveDxfFile(db.get(), target.string());
            }).find("source.dxf: the drawing's source file changed since it was read"),
            std::string::npos);
  EXPECT_FALSE(fs::exists(target));
}

TEST(DxfWriter, RefusesEntityKindsItCannotWriteBeforeWritingAnything) {
  dxftest::ScratchDir dir;
  OdDbDatabasePtr db = dxf::readDxfFile(dxftest::fixture("points_r2000.dxf").string());
  {
    OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
    OdDbTextPtr text = OdDbText::createObject();
    ms->appendOdDbEntity(text.get());
  }
  fs::path target = dir / "target.dxf";
  EXPECT_NE(refusal([&] {
              dxf::saveDxfFile(db.get(), target.string());
            }).find("of class AcDbText: only points, lines and circles are saved"),
            std::string::npos);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 0);
}

// Many appended entities are formatted in batches on other threads: the file has them in the
// order they were appended, and one that cannot be written late in the list still refuses the
// whole save with nothing left behind.
TEST(DxfWriter, ManyAppendedEntitiesKeepTheirOrder) {
  std::vector<OdGePoint3d> many;
  for (int i = 0; i < 30000; ++i) many.emplace_back(500000.0 + i * 0.001, 5200000.0 - i / 7.0, i);
  dxftest::ScratchDir dir;
  fs::path original = dxftest::fixture("points_r2000.dxf");
  OdDbDatabasePtr db = dxf::readDxfFile(original.string());
  dxftest::appendPoints(db.get(), many);
  dxf::saveDxfFile(db.get(), (dir / "many.dxf").string());
  dxftest::SavedParts before = dxftest::splitSaved(original.string(), 0);
  dxftest::SavedParts after = dxftest::splitSaved((dir / "many.dxf").string(), many.size());
  EXPECT_TRUE(after.rest == before.rest);
  EXPECT_EQ(after.addedPoints, many);

  {
    OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
    ms->appendOdDbEntity(OdDbTextPtr(OdDbText::createObject()).get());
  }
  dxftest::appendPoints(db.get(), many);
  fs::path target = dir / "refused.dxf";
  EXPECT_NE(refusal([&] {
              dxf::saveDxfFile(db.get(), target.string());
            }).find("only points, lines and circles are saved"),
            std::string::npos);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

// The appended tags follow the file's habits byte for byte: group code padding, line ends,
// handles, owner and subclass markers.
TEST(DxfWriter, AppendedTagsFollowTheFilesDialect) {
  auto drawing = [](const std::string& end, bool padded, const std::string& seed,
                    const std::string& added) {
    std::string text;
    auto tag = [&](int code, const std::string& value) {
      std::string c = std::to_string(code);
      if (padded) c.insert(0, 3 - std::min<std::size_t>(3, c.size()), ' ');
      text += c + end + value + end;
    };
    tag(0, "SECTION"), tag(2, "HEADER"), tag(9, "$ACADVER"), tag(1, "AC1015");
    tag(9, "$HANDSEED"), tag(5, seed), tag(0, "ENDSEC");
    tag(0, "SECTION"), tag(2, "TABLES"), tag(0, "TABLE"), tag(2, "BLOCK_RECORD");
    tag(0, "BLOCK_RECORD"), tag(5, "1F"), tag(2, "*Model_Space"), tag(0, "ENDTAB");
    tag(0, "ENDSEC"), tag(0, "SECTION"), tag(2, "ENTITIES");
    tag(0, "POINT"), tag(5, "30"), tag(330, "1F"), tag(100, "AcDbEntity"), tag(8, "0");
    tag(100, "AcDbPoint"), tag(10, "1"), tag(20, "2"), tag(30, "3");
    if (!added.empty()) {
      tag(0, "POINT"), tag(5, added), tag(330, "1F"), tag(100, "AcDbEntity"), tag(8, "0");
      tag(100, "AcDbPoint"), tag(10, "1.5"), tag(20, "-2.25"), tag(30, "1e-09");
    }
    tag(0, "ENDSEC"), tag(0, "EOF");
    return text;
  };
  dxftest::ScratchDir dir;
  for (const auto& [end, padded] : {std::pair{"\n", true}, std::pair{"\r\n", false}}) {
    SCOPED_TRACE(padded);
    dxftest::writeAll(dir / "source.dxf", drawing(end, padded, "40", ""));
    OdDbDatabasePtr db = dxf::readDxfFile((dir / "source.dxf").string());
    dxftest::appendPoints(db.get(), {{1.5, -2.25, 1e-9}});
    dxf::saveDxfFile(db.get(), (dir / "saved.dxf").string());
    // The records the file lacks (layer 0, paper space) took 40 to 42 when it was read.
    EXPECT_EQ(dxftest::readAll(dir / "saved.dxf"), drawing(end, padded, "44", "43"));
  }
}

TEST(DxfWriter, ATargetFolderThatDoesNotExistIsRefused) {
  dxftest::ScratchDir dir;
  OdDbDatabasePtr db = dxf::readDxfFile(dxftest::fixture("points_r2000.dxf").string());
  dxftest::appendPoints(db.get(), kPoints);
  std::string target = (dir / "no/such/folder.dxf").string();
  EXPECT_EQ(refusal([&] { dxf::saveDxfFile(db.get(), target); }),
            target + ": cannot create a temporary file beside it (No such file or directory)");
  EXPECT_EQ(db->appendedSinceLoad().size(), kPoints.size()) << "a failed save keeps the points";
}

TEST(DxfWriter, ADatabaseWithoutFileBecomesAMinimalDrawing) {
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  {
    OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
    OdDbLinePtr line = OdDbLine::createObject();
    line->setStartPoint({1, 2, 3});
    line->setEndPoint({4, 5, 6});
    ms->appendOdDbEntity(line.get());
    OdDbCirclePtr circle = OdDbCircle::createObject();
    circle->setCenter({1, 1, 1});
    circle->setNormal(OdGeVector3d(0, 0.6, 0.8));
    circle->setRadius(2);
    ms->appendOdDbEntity(circle.get());
  }
  dxftest::appendPoints(db.get(), kPoints);
  dxftest::ScratchDir dir;
  fs::path target = dir / "new.dxf";
  dxf::saveDxfFile(db.get(), target.string());

  OdDbDatabasePtr back = dxf::readDxfFile(target.string());
  OdDbBlockTableRecordPtr ms = back->getModelSpaceId().safeOpenObject();
  std::vector<OdDbEntityPtr> entities;
  for (OdDbObjectIteratorPtr it = ms->newIterator(); !it->done(); it->step()) {
    entities.push_back(it->entity());
  }
  ASSERT_EQ(entities.size(), 5u);
  EXPECT_EQ(OdDbLine::cast(entities[0])->endPoint(), OdGePoint3d(4, 5, 6));
  EXPECT_TRUE(OdDbCircle::cast(entities[1])->center().isEqualTo({1, 1, 1}, OdGeTol(1e-12)));
  for (std::size_t i = 0; i < kPoints.size(); ++i) {
    EXPECT_EQ(OdDbPoint::cast(entities[2 + i])->position(), kPoints[i]);
  }
  if (!dxftest::haveEzdxf()) GTEST_SKIP() << "/usr/bin/python3 has no ezdxf";
  std::string out;
  EXPECT_EQ(dxftest::runPython(ezdxfCheck({target}), out), 0) << out;
}

}  // namespace
