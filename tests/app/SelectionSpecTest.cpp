#include "app/SelectionSpec.h"

#include <gtest/gtest.h>

namespace app {
namespace {

struct Entity {
  const wchar_t* layer;
  const wchar_t* type;
  std::uint64_t handle;
};

// A small drawing; each row of the table names the entities (by index) a spec selects.
const Entity kDrawing[] = {
    {L"POINTS", L"POINT", 0x1F},  {L"Road", L"LINE", 0x2A},   {L"road", L"ARC", 0x2B},
    {L"Bäume", L"CIRCLE", 0x100}, {L"0", L"POLYLINE", 0xABC}, {L"0", L"LWPOLYLINE", 0xABD},
};

std::string Selected(const SelectionSpec& spec) {
  std::string indexes;
  for (size_t i = 0; i < std::size(kDrawing); ++i) {
    const EntityTraits traits{kDrawing[i].layer, kDrawing[i].type, kDrawing[i].handle};
    if (spec.Matches(traits)) indexes += std::to_string(i);
  }
  return indexes;
}

TEST(app_SelectionSpec, SpecsSelectWhatTheyName) {
  struct Case {
    const char* spec;
    const char* selected;
  };
  const Case cases[] = {
      {"ALL", "012345"},        {"all", "012345"},          {"NONE", ""},
      {"LAYER=road", "12"},     {"layer=POINTS, 0", "045"}, {"LAYER=B\xC3\xA4ume", "3"},
      {"LAYER=nosuch", ""},     {"TYPE=LINE,ARC", "12"},    {"TYPE=polyline", "4"},
      {"TYPE=LWPOLYLINE", "5"}, {"HANDLE=1F,2a", "01"},     {"HANDLE=0abc,100", "34"},
      {"HANDLE=FFFF", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.spec);
    EXPECT_EQ(Selected(SelectionSpec::Parse(c.spec)), c.selected);
  }
  EXPECT_EQ(Selected(SelectionSpec()), "012345");
}

TEST(app_SelectionSpec, MalformedSpecsSayWhatIsWrong) {
  struct Case {
    const char* spec;
    const char* message;
  };
  const Case cases[] = {
      {"SOME", "unknown selection 'SOME' (use ALL, NONE, LAYER=..., TYPE=... or HANDLE=...)"},
      {"COLOR=1", "unknown selection 'COLOR=1' (use ALL, NONE, LAYER=..., TYPE=... or HANDLE=...)"},
      {"LAYER=", "empty name in selection 'LAYER='"},
      {"TYPE=LINE,,ARC", "empty name in selection 'TYPE=LINE,,ARC'"},
      {"HANDLE=1F,", "empty name in selection 'HANDLE=1F,'"},
      {"HANDLE=1G", "'1G' is not a hexadecimal handle"},
      {"HANDLE=-1", "'-1' is not a hexadecimal handle"},
      {"HANDLE=10000000000000000", "'10000000000000000' is not a hexadecimal handle"},
      {"LAYER=\xC3", "selection is not valid UTF-8"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.spec);
    try {
      SelectionSpec::Parse(c.spec);
      ADD_FAILURE() << "accepted";
    } catch (const SelectionSpecError& error) {
      EXPECT_STREQ(error.what(), c.message);
    }
  }
}

}  // namespace
}  // namespace app
