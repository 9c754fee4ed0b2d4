#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <vector>

namespace app {
namespace {

Request Parse(std::vector<std::string_view> args) { return ParseCommandLine(args); }

ExportRequest ParseExport(std::vector<std::string_view> args) {
  args.insert(args.begin(), "export");
  return std::get<ExportRequest>(Parse(args));
}

TEST(app_CommandLine, ExportDefaults) {
  const ExportRequest request = ParseExport({"site.dxf"});
  EXPECT_EQ(request.drawing, "site.dxf");
  EXPECT_EQ(request.output, "Export.txt");
  EXPECT_FALSE(request.outputGiven);
  EXPECT_EQ(request.selection.kind(), SelectionSpec::Kind::kAll);
  EXPECT_EQ(request.save, SaveMode::kNone);
  EXPECT_FALSE(request.hostVersion);
  EXPECT_FALSE(request.modulePath);
  for (const auto& check : request.options.checks) EXPECT_FALSE(check);
  EXPECT_FALSE(request.options.delimiter);
  EXPECT_FALSE(request.options.format);
}

TEST(app_CommandLine, ExportFlagsInAnyOrderAndBothValueForms) {
  const ExportRequest request = ParseExport(
      {"--no-extract", "-o", "pts.txt", "--select=LAYER=Road", "site.dxf", "--end-points",
       "--vertices", "--no-vertices", "--format", "yxz", "--create-points", "--save-as", "out.dxf",
       "--host-version=11.2.5", "--module", "lib/Q.drx", "--no-points", "--delimiter=other:;"});
  EXPECT_EQ(request.drawing, "site.dxf");
  EXPECT_EQ(request.output, "pts.txt");
  EXPECT_TRUE(request.outputGiven);
  EXPECT_EQ(request.selection.kind(), SelectionSpec::Kind::kLayer);
  const OptionFlags& options = request.options;
  EXPECT_EQ(options.Check(CheckOption::kExtract), false);
  EXPECT_EQ(options.Check(CheckOption::kEndPoints), true);
  EXPECT_EQ(options.Check(CheckOption::kVertices), false);  // the last one given wins
  EXPECT_EQ(options.Check(CheckOption::kCreatePoints), true);
  EXPECT_EQ(options.Check(CheckOption::kPoints), false);
  EXPECT_FALSE(options.Check(CheckOption::kMidPoints));
  EXPECT_EQ(options.format, CoordinateOrder::kYxz);
  EXPECT_EQ(options.delimiter, DelimiterChoice::kOther);
  EXPECT_EQ(options.otherText, L";");
  EXPECT_EQ(request.save, SaveMode::kAs);
  EXPECT_EQ(request.saveAs, "out.dxf");
  EXPECT_EQ(request.hostVersion, "11.2.5");
  EXPECT_EQ(request.modulePath, "lib/Q.drx");
}

TEST(app_CommandLine, DelimiterChoices) {
  struct Case {
    const char* value;
    DelimiterChoice choice;
    const wchar_t* other;
  };
  const Case cases[] = {{"tab", DelimiterChoice::kTab, L""},
                        {"semicolon", DelimiterChoice::kSemicolon, L""},
                        {"comma", DelimiterChoice::kComma, L""},
                        {"space", DelimiterChoice::kSpace, L""},
                        {"other:|", DelimiterChoice::kOther, L"|"},
                        {"other:\xC3\xA9", DelimiterChoice::kOther, L"\u00e9"},
                        {"other:", DelimiterChoice::kOther, L""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    const ExportRequest request = ParseExport({"a.dxf", "--delimiter", c.value});
    EXPECT_EQ(request.options.delimiter, c.choice);
    EXPECT_EQ(request.options.otherText, c.other);
  }
}

TEST(app_CommandLine, RunAndHelp) {
  const RunRequest run =
      std::get<RunRequest>(Parse({"run", "site.dxf", "--script", "cmds.scr", "--save"}));
  EXPECT_EQ(run.drawing, "site.dxf");
  EXPECT_EQ(run.script, "cmds.scr");
  EXPECT_EQ(run.save, SaveMode::kInPlace);
  EXPECT_TRUE(std::holds_alternative<HelpRequest>(Parse({"--help"})));
}

TEST(app_CommandLine, UsageErrorsSayWhatIsWrong) {
  struct Case {
    std::vector<std::string_view> args;
    const char* message;
  };
  const Case cases[] = {
      {{}, "no command given"},
      {{"convert", "a.dxf"}, "unknown command 'convert'"},
      {{"export"}, "no drawing given"},
      {{"export", "a.dxf", "b.dxf"}, "unexpected argument 'b.dxf'"},
      {{"export", "a.dxf", "--colour"}, "unknown option '--colour'"},
      {{"export", "a.dxf", "--no-save"}, "unknown option '--no-save'"},
      {{"export", "a.dxf", "-o"}, "option '-o' needs a value"},
      {{"export", "a.dxf", "--extract=yes"}, "option '--extract' takes no value"},
      {{"export", "a.dxf", "--delimiter", "pipe"},
       "unknown delimiter 'pipe' (use tab, semicolon, comma, space or other:C)"},
      {{"export", "a.dxf", "--delimiter", "other:ab"},
       "the delimiter after 'other:' must be at most one character, not 'ab'"},
      {{"export", "a.dxf", "--format", "zyx"}, "unknown format 'zyx' (use xyz or yxz)"},
      {{"export", "a.dxf", "--select", "HANDLE=XY"}, "--select: 'XY' is not a hexadecimal handle"},
      {{"export", "a.dxf", "--save", "--save-as", "b.dxf"},
       "--save and --save-as exclude each other"},
      {{"run", "a.dxf"}, "run needs --script FILE"},
      {{"run", "a.dxf", "--script", "s.scr", "--select", "ALL"}, "unknown option '--select'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    try {
      ParseCommandLine(c.args);
      ADD_FAILURE() << "accepted";
    } catch (const UsageError& error) {
      EXPECT_STREQ(error.what(), c.message);
    }
  }
}

}  // namespace
}  // namespace app
