// The shared corpus of real drawings, one named test per file: each loads and survives the round
// trip (append points, save, the rest of the file unchanged byte for byte, the points read back
// exactly), or is refused with the reason listed here as right for it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <map>

#include "DbBlockTableRecord.h"
#include "DbObjectIterator.h"
#include "DbPoint.h"
#include "DxfTestSupport.h"
#include "RoundTrip.h"
#include "dxf/DxfError.h"
#include "dxf/DxfReader.h"
#include "dxf/DxfWriter.h"

namespace {
namespace fs = std::filesystem;

// Files a CAD host refuses too, with the part of the message that says why.
const std::map<std::string, std::string> kRefused = {
    // Coordinates written with decimal commas ("-6,63671875"): not numbers in DXF.
    {"openscad__dxf__nothing-decimal-comma-separated.dxf",
     "line 72: expected a number for group code 10, found '0,1'"},
};

const std::vector<OdGePoint3d> kNewPoints = {{1.5, -2.25, 0.1},
                                             {123456.78901234567, -9876543.2109876543, 1e-9},
                                             {1.0 / 3.0, 2.0 / 3.0, -0.0}};

void roundTrip(const fs::path& file) {
  OdDbDatabasePtr db = dxf::readDxfFile(file.string());
  auto handles = dxftest::appendPoints(db.get(), kNewPoints);
  dxftest::ScratchDir dir;
  fs::path saved = dir / "saved.dxf";
  dxf::saveDxfFile(db.get(), saved.string());

  dxftest::SavedParts before = dxftest::splitSaved(file.string(), 0);
  dxftest::SavedParts after = dxftest::splitSaved(saved.string(), kNewPoints.size());
  EXPECT_TRUE(after.rest == before.rest) << "bytes outside the new points and $HANDSEED changed";
  ASSERT_EQ(after.added, std::vector<std::string>(kNewPoints.size(), "POINT"));
  for (std::size_t i = 0; i < kNewPoints.size(); ++i) {
    EXPECT_EQ(after.addedPoints[i], kNewPoints[i]) << "point " << i;
  }
  if (!after.addedHandles.empty()) {
    EXPECT_EQ(after.addedHandles, handles);
  }
  if (before.handseed != 0) {
    EXPECT_GT(after.handseed, after.maxHandle);
  }

  OdDbDatabasePtr again = dxf::readDxfFile(saved.string());
  OdDbBlockTableRecordPtr ms = again->getModelSpaceId().safeOpenObject();
  std::vector<OdGePoint3d> last;
  for (OdDbObjectIteratorPtr it = ms->newIterator(); !it->done(); it->step()) {
    OdDbPointPtr p = OdDbPoint::cast(it->entity());
    last.push_back(p.isNull() ? OdGePoint3d(1e300, 0, 0) : p->position());
  }
  ASSERT_GE(last.size(), kNewPoints.size());
  EXPECT_TRUE(std::equal(kNewPoints.begin(), kNewPoints.end(), last.end() - kNewPoints.size()));
}

void checkCorpusFile(const fs::path& file) {
  auto refused = kRefused.find(file.filename().string());
  if (refused == kRefused.end()) {
    try {
      roundTrip(file);
    } catch (const OdError& e) {
      ADD_FAILURE() << e.description().toUtf8();
    }
    return;
  }
  try {
    dxf::readDxfFile(file.string());
    ADD_FAILURE() << "loaded a file that must be refused";
  } catch (const dxf::DxfError& e) {
    EXPECT_NE(e.message().find(file.string() + ", " + refused->second), std::string::npos)
        << e.message();
  }
}

class CorpusFile : public testing::Test {
 public:
  explicit CorpusFile(fs::path file) : file_(std::move(file)) {}
  void TestBody() override { checkCorpusFile(file_); }

 private:
  fs::path file_;
};

std::vector<fs::path> corpusFiles() {
  std::vector<fs::path> files;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(dxftest::corpusDir(), ec)) {
    std::string ext = entry.path().extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), ::tolower);
    if (ext == ".dxf") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// ezdxf reads every saved drawing with no more audit errors than the original has, and finds the
// new points exactly where they were created.
TEST(DxfCorpus, SavedDrawingsAreReadByEzdxf) {
  if (!dxftest::haveEzdxf()) GTEST_SKIP() << "/usr/bin/python3 has no ezdxf";
  dxftest::ScratchDir dir;
  std::string pairs;
  for (const fs::path& file : corpusFiles()) {
    if (kRefused.count(file.filename().string()) != 0) continue;
    OdDbDatabasePtr db = dxf::readDxfFile(file.string());
    dxftest::appendPoints(db.get(), kNewPoints);
    fs::path saved = dir / file.filename();
    dxf::saveDxfFile(db.get(), saved.string());
    pairs += "(r'" + file.string() + "', r'" + saved.string() + "'),\n";
  }
  std::string script = "import ezdxf\nexpected = [";
  for (const auto& p : kNewPoints) {
    char buf[200];
    std::snprintf(buf, sizeof buf, "(%.17g, %.17g, %.17g),", p.x, p.y, p.z);
    script += buf;
  }
  script += "]\npairs = [\n" + pairs + R"(]
def errors(name):
    try:
        doc = ezdxf.readfile(name)
    except Exception:
        return None, None
    return doc, len(doc.audit().errors)
bad = []
checked = 0
for original, saved in pairs:
    _, before = errors(original)
    if before is None:
        continue  # ezdxf cannot read the original either
    doc, after = errors(saved)
    if after is None or after > before:
        bad.append((saved, 'audit', before, after))
        continue
    got = [tuple(e.dxf.location) for e in doc.modelspace() if e.dxftype() == 'POINT'][-3:]
    if got != expected:
        bad.append((saved, got))
    checked += 1
print('checked', checked, 'of', len(pairs), bad)
raise SystemExit(1 if bad or checked == 0 else 0)
)";
  std::string out;
  EXPECT_EQ(dxftest::runPython(script, out), 0) << out;
  std::cout << out;
}

TEST(DxfCorpus, FolderHoldsDrawings) {
  EXPECT_FALSE(corpusFiles().empty()) << dxftest::corpusDir();
}

bool registerCorpus() {
  for (const fs::path& file : corpusFiles()) {
    std::string name = file.stem().string();
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
    testing::RegisterTest("DxfCorpus", name.c_str(), nullptr, nullptr, __FILE__, __LINE__,
                          [file]() -> testing::Test* { return new CorpusFile(file); });
  }
  return true;
}

const bool kRegistered = registerCorpus();

}  // namespace
