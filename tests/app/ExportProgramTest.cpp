// `quorlex export` and `quorlex run` end to end with the real plug-in module, on the fixtures of
// tests/data/export (see make_fixtures.py there) and the sample drawing: exact standard output,
// standard error, exit status and points file. Skipped, saying so, only while the module file
// has not been built.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "ProgramRun.h"

namespace app::test {
namespace {

std::string ModulePath() {
  return ProgramPath().substr(0, ProgramPath().rfind('/')) + "/Quorlex_Bricscad_2.05_8.drx";
}

// The points of flow.dxf by entity, in drawing order, as "x,y,z". The arc is built through its
// start, middle and end point, so its points carry the rounding of that construction: they are
// compared to within 1e-9 (the geometry library's own tests hold them to the last bit).
struct Group {
  const char* name;
  std::vector<std::string> points;
  bool rounded = false;
};
const std::vector<Group> kFlow = {
    {"line ends", {"0,0,0", "10,0,0"}},
    {"line middle", {"5,0,0"}},
    {"point", {"1,2,3"}},
    {"arc ends", {"110,100,0", "90,100,0"}, true},
    {"arc middle", {"100,110,0"}, true},
    {"arc centre", {"100,100,0"}, true},
    {"circle centre", {"50,50,5"}},
    {"ellipse centre", {"70,70,0"}},
    {"closed polyline", {"0,0,2", "4,0,2", "4,3,2", "0,3,2"}},
    {"closed two-vertex polyline", {"0,0,0", "5,5,0", "0,0,0"}},
    {"face corners", {"1,1,0", "2,5,0", "3,1,0"}},
    {"text", {"7,8,0"}},
    {"spline control points", {"0,0,0", "1,2,0", "3,2,0", "4,0,0"}},
};

struct ExpectedLine {
  std::string text;
  bool rounded = false;
};

std::string WithDelimiter(std::string point, const std::string& delimiter, bool swapXy) {
  if (swapXy) {
    const size_t first = point.find(','), second = point.find(',', first + 1);
    point = point.substr(first + 1, second - first - 1) + "," + point.substr(0, first) +
            point.substr(second);
  }
  for (size_t at = point.find(','); at != std::string::npos; at = point.find(',', at)) {
    point.replace(at, 1, delimiter);
    at += delimiter.size();
  }
  return point;
}

// The lines expected from the groups not left out, with `delimiter` in place of ",".
std::vector<ExpectedLine> Expected(const std::vector<std::string>& leftOut,
                                   const std::string& delimiter = ",", bool swapXy = false) {
  std::vector<ExpectedLine> lines;
  for (const Group& group : kFlow) {
    if (std::find(leftOut.begin(), leftOut.end(), group.name) != leftOut.end()) continue;
    for (const std::string& point : group.points) {
      lines.push_back({WithDelimiter(point, delimiter, swapXy), group.rounded});
    }
  }
  return lines;
}

std::vector<double> Numbers(const std::string& line, const std::string& delimiter) {
  std::vector<double> numbers;
  for (size_t start = 0;;) {
    const size_t end = line.find(delimiter, start);
    numbers.push_back(std::strtod(line.substr(start, end - start).c_str(), nullptr));
    if (end == std::string::npos) return numbers;
    start = end + delimiter.size();
  }
}

// Exact lines must match to the character, rounded ones number by number within 1e-9.
::testing::AssertionResult FileHolds(const std::string& text,
                                     const std::vector<ExpectedLine>& expected,
                                     const std::string& delimiter = ",") {
  std::vector<std::string> lines;
  for (size_t start = 0; start < text.size();) {
    const size_t end = text.find('\n', start);
    if (end == std::string::npos) return ::testing::AssertionFailure() << "no LF at the end";
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  if (lines.size() != expected.size()) {
    return ::testing::AssertionFailure()
           << lines.size() << " lines, not " << expected.size() << ":\n"
           << text;
  }
  for (size_t i = 0; i < lines.size(); ++i) {
    if (!expected[i].rounded && lines[i] == expected[i].text) continue;
    const std::vector<double> got = Numbers(lines[i], delimiter);
    const std::vector<double> want = Numbers(expected[i].text, delimiter);
    bool close = expected[i].rounded && got.size() == 3;
    for (size_t k = 0; close && k < 3; ++k) close = std::abs(got[k] - want[k]) < 1e-9;
    if (!close) {
      return ::testing::AssertionFailure()
             << "line " << i + 1 << " is '" << lines[i] << "', not '" << expected[i].text << "'";
    }
  }
  return ::testing::AssertionSuccess();
}

size_t Lines(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }
size_t Lines(const std::vector<ExpectedLine>& lines) { return lines.size(); }

std::string Success(const std::string& select, size_t count) {
  return "Command: Quorlex\nSelect objects: " + select + "\nSuccessfully processed " +
         std::to_string(count) + " points\n";
}

class app_Export : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(ModulePath())) {
      GTEST_SKIP() << "the plug-in module " << ModulePath() << " is not built yet";
    }
  }

  ProgramResult Export(const std::string& drawing, std::vector<std::string> flags) {
    flags.insert(flags.begin(), {"export", drawing});
    return folder_.Run(flags);
  }

  ProgramResult RunScript(const std::string& drawing, const std::string& script) {
    WriteText(folder_.File("job.scr"), script);
    return folder_.Run({"run", drawing, "--script", "job.scr"});
  }

  std::string Output(const std::string& name = "pts.txt") { return ReadText(folder_.File(name)); }
  bool Exists(const std::string& name) { return std::filesystem::exists(folder_.File(name)); }

  ProgramFolder folder_;
};

TEST_F(app_Export, OptionsChooseThePointsInClassCheckOrder) {
  struct Case {
    std::vector<std::string> flags;
    std::vector<std::string> leftOut;
  };
  const std::vector<std::string> allButPoint = {"line ends",
                                                "line middle",
                                                "arc ends",
                                                "arc middle",
                                                "arc centre",
                                                "circle centre",
                                                "ellipse centre",
                                                "closed polyline",
                                                "closed two-vertex polyline",
                                                "face corners",
                                                "text",
                                                "spline control points"};
  const Case cases[] = {
      {{}, {}},
      {{"--no-extract"}, allButPoint},
      {{"--no-extract", "--end-points", "--center-points"}, allButPoint},
      {{"--no-center-points"}, {"arc centre", "circle centre", "ellipse centre"}},
      {{"--no-end-points", "--no-mid-points"},
       {"line ends", "line middle", "arc ends", "arc middle"}},
      {{"--no-vertices"}, {"closed polyline", "closed two-vertex polyline", "face corners"}},
      {{"--no-control-points", "--no-text"}, {"spline control points", "text"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.flags));
    // Every flag not given is set as the first run stores it, so each case states them all.
    std::vector<std::string> flags = {"-o",           "pts.txt",          "--extract",
                                      "--end-points", "--mid-points",     "--center-points",
                                      "--vertices",   "--control-points", "--text"};
    flags.insert(flags.end(), c.flags.begin(), c.flags.end());
    const ProgramResult result = Export(FixturePath("flow.dxf"), flags);
    const std::vector<ExpectedLine> expected = Expected(c.leftOut);
    EXPECT_EQ(result.out, Success("ALL", Lines(expected)));
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(FileHolds(Output(), expected));
  }
}

TEST_F(app_Export, DelimitersAndTheStoredOptions) {
  struct Case {
    std::string flag;
    std::string delimiter;
  };
  const Case cases[] = {
      {"tab", "\t"}, {"semicolon", ";"}, {"space", " "}, {"other:|", "|"}, {"comma", ","}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.flag);
    const ProgramResult result =
        Export(FixturePath("flow.dxf"), {"-o", "pts.txt", "--delimiter", c.flag});
    EXPECT_EQ(result.status, 0) << result.out << result.err;
    EXPECT_TRUE(FileHolds(Output(), Expected({}, c.delimiter), c.delimiter));
  }
  // The options are saved as the dialog saves them: a run without flags uses the last ones.
  ASSERT_EQ(
      Export(FixturePath("flow.dxf"), {"-o", "a.txt", "--no-text", "--delimiter", "tab"}).status,
      0);
  ASSERT_EQ(Export(FixturePath("flow.dxf"), {"-o", "b.txt"}).status, 0);
  EXPECT_TRUE(FileHolds(Output("b.txt"), Expected({"text"}, "\t"), "\t"));
  const std::string registry = ReadText(folder_.Registry());
  EXPECT_NE(registry.find("\"Text\"=dword:00000000"), std::string::npos) << registry;
  EXPECT_NE(registry.find("\"Delimiter\"=dword:00000000"), std::string::npos) << registry;
}

TEST_F(app_Export, OtherWithAnEmptyTextAndAStoredIndexOutOfRange) {
  ProgramResult result =
      Export(FixturePath("flow.dxf"), {"-o", "pts.txt", "--delimiter", "other:"});
  EXPECT_EQ(result.out, "Command: Quorlex\nSelect objects: ALL\nFailure [Empty delimiter]\n");
  EXPECT_EQ(result.status, 1);
  EXPECT_FALSE(Exists("pts.txt"));

  WriteText(folder_.Registry(),
            "Windows Registry Editor Version 5.00\n\n"
            "[HKEY_CURRENT_USER\\Software\\ZELKOR\\Quorlex for IntelliCAD]\n"
            "\"Delimiter\"=dword:00000007\n");
  result = Export(FixturePath("flow.dxf"), {"-o", "pts.txt"});
  EXPECT_EQ(result.status, 0) << result.out;
  EXPECT_TRUE(FileHolds(Output(), Expected({})));
  EXPECT_NE(ReadText(folder_.Registry()).find("\"Delimiter\"=dword:ffffffff"), std::string::npos);
}

TEST_F(app_Export, CoordinateOrderAndPointEntitiesOff) {
  ProgramResult result = Export(FixturePath("flow.dxf"), {"-o", "pts.txt", "--format", "yxz"});
  EXPECT_EQ(result.status, 0) << result.out;
  EXPECT_TRUE(FileHolds(Output(), Expected({}, ",", true)));
  result = Export(FixturePath("flow.dxf"), {"-o", "pts.txt", "--format", "xyz", "--no-points"});
  EXPECT_EQ(result.status, 0) << result.out;
  EXPECT_TRUE(FileHolds(Output(), Expected({"point"})));
}

TEST_F(app_Export, PointsReachTheFileExactlyAsTheDrawingHoldsThem) {
  const ProgramResult result = Export(FixturePath("precision.dxf"), {"-o", "pts.txt"});
  EXPECT_EQ(result.out, Success("ALL", 7));
  EXPECT_EQ(Output(),
            "500000.123456789,5200000.987654321,412.1\n"
            "0.1,0.30000000000000004,0\n"
            "0.0000001,-0.00000000025,1000000000000000000000\n"
            "1000000.9,2,3\n"
            // the 3D face's corners, distinct and sorted, keep their double values too
            "1000000.9,2,3\n"
            "1000001.9,2,3\n"
            "1000001.9,3,3\n");
}

TEST_F(app_Export, SelectionsAndTheEmptySelection) {
  ProgramResult result =
      Export(FixturePath("flow.dxf"), {"-o", "pts.txt", "--select", "TYPE=LINE,arc"});
  EXPECT_EQ(result.out, Success("TYPE=LINE,arc", 7));
  EXPECT_TRUE(FileHolds(Output(), Expected({"point", "circle centre", "ellipse centre",
                                            "closed polyline", "closed two-vertex polyline",
                                            "face corners", "text", "spline control points"})));

  result = Export(FixturePath("flow.dxf"), {"-o", "none.txt", "--select", "TYPE=MTEXT,INSERT"});
  EXPECT_EQ(result.out, Success("TYPE=MTEXT,INSERT", 0));
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(Output("none.txt"), "");

  for (const char* spec : {"NONE", "LAYER=nosuch"}) {
    SCOPED_TRACE(spec);
    result = Export(FixturePath("flow.dxf"), {"-o", "empty.txt", "--select", spec});
    EXPECT_EQ(result.out, std::string("Command: Quorlex\nSelect objects: ") + spec +
                              "\n\nFailure [No entities selected]\n");
    EXPECT_EQ(result.status, 1);
    EXPECT_FALSE(Exists("empty.txt"));
  }
}

TEST_F(app_Export, CancelledDialogsWriteNothing) {
  WriteText(folder_.File("Export.txt"), "mine\n");
  ProgramResult result = Export(FixturePath("flow.dxf"), {});
  EXPECT_EQ(result.out,
            "Command: Quorlex\nSelect objects: ALL\n"
            "Export.txt already exists. Do you want to replace it? No\n"
            "Failure [Command cancelled]\n");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(Output("Export.txt"), "mine\n");

  result = RunScript(FixturePath("flow.dxf"), "Quorlex\nALL\n*Cancel*\n");
  EXPECT_EQ(result.out, "Command: Quorlex\nSelect objects: ALL\nFailure [Command cancelled]\n");
  EXPECT_EQ(result.status, 1);

  result = RunScript(FixturePath("flow.dxf"), "Quorlex\nALL\npts.txt\n*Cancel*\n");
  EXPECT_EQ(result.out, "Command: Quorlex\nSelect objects: ALL\nFailure [Command cancelled]\n");
  EXPECT_FALSE(Exists("pts.txt"));
  EXPECT_FALSE(Exists("registry.reg"));  // nothing saved

  result = RunScript(FixturePath("flow.dxf"),
                     "Quorlex\nTYPE=POINT\npts.txt\n--delimiter \"other: \"\n"
                     "Quorlex\nTYPE=TEXT\npts.txt\n\n");
  EXPECT_EQ(result.out, Success("TYPE=POINT", 1) + Success("TYPE=TEXT", 1));
  EXPECT_EQ(Output(), "7 8 0\n");  // the second run kept the stored "Other" delimiter " "
  EXPECT_EQ(result.status, 0);
}

TEST_F(app_Export, WriterFailureKeepsTheCreatedPoints) {
  const std::string target = folder_.File("missing/pts.txt");
  ProgramResult result =
      Export(FixturePath("flow.dxf"),
             {"-o", "missing/pts.txt", "--create-points", "--save-as", "new.dxf"});
  EXPECT_EQ(result.out, "Command: Quorlex\nSelect objects: ALL\nFailure [Cannot write \"" + target +
                            "\": No such file or directory]\nDrawing saved to new.dxf\n");
  EXPECT_EQ(result.status, 1);
  // The saved drawing holds its one point entity and the 25 created ones.
  result = Export(folder_.File("new.dxf"), {"-o", "pts.txt", "--no-extract", "--no-create-points",
                                            "--select", "TYPE=POINT"});
  EXPECT_EQ(result.out, Success("TYPE=POINT", 26));
  std::vector<ExpectedLine> created = Expected({});
  created.insert(created.begin(), ExpectedLine{"1,2,3"});
  EXPECT_TRUE(FileHolds(Output(), created));
}

TEST_F(app_Export, CreatedPointsAreSavedOnlyWhenAsked) {
  std::filesystem::copy_file(FixturePath("flow.dxf"), folder_.File("site.dxf"));
  const std::string original = ReadText(folder_.File("site.dxf"));
  ProgramResult result = Export("site.dxf", {"-o", "pts.txt", "--create-points"});
  EXPECT_EQ(result.out, Success("ALL", 25) +
                            "25 entities were added; the drawing was not saved (use --save or "
                            "--save-as to keep them)\n");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(ReadText(folder_.File("site.dxf")), original);

  result = Export("site.dxf", {"-o", "pts.txt", "--save"});  // create points is stored
  EXPECT_EQ(result.out, Success("ALL", 25) + "Drawing saved to site.dxf\n");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(ReadText(folder_.File("site.dxf.bak")), original);
  result = Export("site.dxf", {"-o", "pts.txt", "--no-create-points", "--select", "TYPE=POINT"});
  EXPECT_EQ(result.out, Success("TYPE=POINT", 26));
}

TEST_F(app_Export, TheSampleDrawing) {
  const ProgramResult result = Export(SamplePath(), {"-o", "site-points.txt"});
  EXPECT_EQ(result.out, Success("ALL", 78));
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(Lines(Output("site-points.txt")), 78u);
}

}  // namespace
}  // namespace app::test
