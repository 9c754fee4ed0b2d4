// Every drawing fixture (the test data, the sample and the shared corpus), read, given new points,
// saved and taken apart again by the tokenizer: outside the appended entities at the end of
// ENTITIES and the value of $HANDSEED, the saved file is the read file byte for byte; the new
// entities are points at exactly the doubles appended, and $HANDSEED is above every handle.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "Child.h"
#include "DbBlockTableRecord.h"
#include "DbPoint.h"
#include "Report.h"
#include "dxf/DxfError.h"
#include "dxf/DxfReader.h"
#include "dxf/DxfTagReader.h"
#include "dxf/DxfWriter.h"

namespace fs = std::filesystem;

namespace reliability {
namespace {

// Doubles with a full mantissa, a negative zero and survey-sized values.
const std::vector<OdGePoint3d> kAppended = {{0.1, 0.30000000000000004, -0.0},
                                            {2484017.123456789, 5621333.987654321, 412.25}};

struct Tag {
  int code;
  std::string value;  // trimmed text; empty for numbers
  double real;        // for group codes of doubles
  std::uint64_t start, valueStart, valueEnd;
};

// The tags up to 0/EOF (what follows it is kept as bytes, and need not be DXF).
std::vector<Tag> ReadTags(const std::string& path) {
  dxf::DxfTagReader reader(path, path);
  std::vector<Tag> tags;
  while ((tags.empty() || tags.back().code != 0 || tags.back().value != "EOF") && reader.next()) {
    const bool number = dxf::valueTypeOf(reader.code()) == dxf::ValueType::kDouble;
    tags.push_back({reader.code(), number ? std::string() : std::string(reader.trimmed()),
                    number ? reader.real() : 0.0, reader.tagStart().offset,
                    reader.valueStart().offset, reader.valueEndOffset()});
  }
  return tags;
}

struct Span {
  std::uint64_t from = 0, to = 0;
};

// The value of $HANDSEED; empty when the file has none.
Span HandseedValue(const std::vector<Tag>& tags) {
  for (std::size_t i = 0; i + 1 < tags.size(); ++i) {
    if (tags[i].code == 9 && tags[i].value == "$HANDSEED") {
      return {tags[i + 1].valueStart, tags[i + 1].valueEnd};
    }
  }
  return {};
}

// The indexes of the tags 0/ENTITIES' section ends with, and of the last `n` entities' starts.
std::vector<std::size_t> LastEntities(const std::vector<Tag>& tags, std::size_t n) {
  std::size_t i = 0;
  while (i + 1 < tags.size() && !(tags[i].code == 2 && tags[i].value == "ENTITIES")) ++i;
  while (i < tags.size() && !(tags[i].code == 0 && tags[i].value == "ENDSEC")) ++i;
  std::vector<std::size_t> starts = {i};
  for (std::size_t j = i; j-- > 0 && starts.size() <= n;) {
    if (tags[j].code == 0) starts.insert(starts.begin(), j);
  }
  return starts;
}

std::string Without(const std::string& bytes, std::vector<Span> spans) {
  std::sort(spans.begin(), spans.end(), [](Span a, Span b) { return a.from < b.from; });
  std::string rest;
  std::uint64_t at = 0;
  for (const Span& s : spans) {
    rest.append(bytes, at, s.from - at);
    at = s.to;
  }
  return rest.append(bytes, at);
}

std::uint64_t Hex(const std::string& text) { return std::stoull(text, nullptr, 16); }

// The greatest handle an object has (group code 5; $HANDSEED's own value is code 5 as well).
std::uint64_t MaxHandle(const std::vector<Tag>& tags) {
  std::uint64_t max = 0;
  for (std::size_t i = 1; i < tags.size(); ++i) {
    const Tag& t = tags[i];
    if (t.code != 5 || tags[i - 1].value == "$HANDSEED" || t.value.empty()) continue;
    if (t.value.find_first_not_of("0123456789ABCDEFabcdef") != std::string::npos) continue;
    max = std::max(max, Hex(t.value));
  }
  return max;
}

std::size_t FirstDifference(const std::string& a, const std::string& b) {
  return std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin();
}

// The appended entities, each checked to be a point at the position given.
void ExpectAppendedPoints(const std::vector<Tag>& tags, const std::vector<std::size_t>& starts) {
  ASSERT_EQ(kAppended.size() + 1, starts.size());
  for (std::size_t k = 0; k < kAppended.size(); ++k) {
    EXPECT_EQ("POINT", tags[starts[k]].value);
    std::vector<std::uint64_t> xyz;
    for (std::size_t j = starts[k] + 1; j < starts[k + 1]; ++j) {
      if (tags[j].code == 10 || tags[j].code == 20 || tags[j].code == 30) {
        xyz.push_back(std::bit_cast<std::uint64_t>(tags[j].real));
      }
    }
    // Bit patterns: the same doubles, the sign of zero included.
    const OdGePoint3d& p = kAppended[k];
    EXPECT_EQ((std::vector<std::uint64_t>{std::bit_cast<std::uint64_t>(p.x),
                                          std::bit_cast<std::uint64_t>(p.y),
                                          std::bit_cast<std::uint64_t>(p.z)}),
              xyz);
  }
}

class LosslessSave : public testing::Test {
 public:
  explicit LosslessSave(fs::path drawing) : drawing_(std::move(drawing)) {}

  void TestBody() override {
    OdDbDatabasePtr database;
    try {
      database = dxf::readDxfFile(drawing_.string());
    } catch (const dxf::DxfError& error) {
      ReportRow("lossless", {drawing_.filename().string(), "refused by the reader"});
      GTEST_SKIP() << "the reader refuses this drawing: " << error.message();
    }
    AppendPoints(*database);
    Scratch scratch;
    const fs::path saved = scratch / drawing_.filename().string();
    try {
      dxf::saveDxfFile(database.get(), saved.string());
    } catch (const dxf::DxfError& error) {
      ReportRow("lossless", {drawing_.filename().string(), "save refused: " + error.message()});
      FAIL() << "the save was refused: " << error.message();
    }
    database.release();
    Compare(saved.string());
  }

 private:
  static void AppendPoints(OdDbDatabase& database) {
    OdDbBlockTableRecordPtr space = database.getModelSpaceId().safeOpenObject(OdDb::kForWrite);
    for (const OdGePoint3d& p : kAppended) {
      OdDbPointPtr point = OdDbPoint::createObject();
      point->setPosition(p);
      space->appendOdDbEntity(point.get());
    }
  }

  void Compare(const std::string& saved) {
    const std::vector<Tag> before = ReadTags(drawing_.string()), after = ReadTags(saved);
    const std::vector<std::size_t> starts = LastEntities(after, kAppended.size());
    ExpectAppendedPoints(after, starts);
    const Span appended = {after[starts.front()].start, after[starts.back()].start};
    const std::string original = Without(ReadFile(drawing_), {HandseedValue(before)});
    const std::string rest = Without(ReadFile(saved), {HandseedValue(after), appended});
    EXPECT_EQ(original.size(), rest.size());
    EXPECT_TRUE(original == rest) << "first difference at byte " << FirstDifference(original, rest);
    const Span seed = HandseedValue(after);
    if (seed.to > seed.from) {
      const std::string value = ReadFile(saved).substr(seed.from, seed.to - seed.from);
      EXPECT_GT(Hex(value.substr(0, value.find_first_of("\r\n"))), MaxHandle(after));
    }
    ReportRow("lossless",
              {drawing_.filename().string(),
               original == rest ? "identical outside the new points and $HANDSEED" : "DIFFERS"});
  }

  fs::path drawing_;
};

std::vector<fs::path> Drawings() {
  const fs::path source = SourceDir();
  const char* shared = std::getenv("QUORLEX_SHARED_DIR");
  const fs::path corpus = fs::path(shared ? shared : QUORLEX_SHARED_DIR) / "dxf-corpus";
  std::vector<fs::path> files;
  for (const fs::path& folder :
       {source / "tests/data/dxf", source / "tests/data/export", source / "samples", corpus}) {
    if (!fs::is_directory(folder)) continue;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
      std::string ext = entry.path().extension().string();
      std::transform(ext.begin(), ext.end(), ext.begin(), ::tolower);
      if (ext == ".dxf") files.push_back(entry.path());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::string TestName(const fs::path& file) {
  std::string name = file.parent_path().filename().string() + "_" + file.stem().string();
  for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
}

const bool kRegistered = [] {
  for (const fs::path& file : Drawings()) {
    testing::RegisterTest("reliability_lossless", TestName(file).c_str(), nullptr, nullptr,
                          __FILE__, __LINE__,
                          [file]() -> testing::Test* { return new LosslessSave(file); });
  }
  return true;
}();

// A moved fixture folder must not pass as "nothing to check".
TEST(reliability_lossless_fixtures, FoldersHoldDrawings) { EXPECT_FALSE(Drawings().empty()); }

}  // namespace
}  // namespace reliability
