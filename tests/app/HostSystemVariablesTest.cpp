#include "app/HostSystemVariables.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace app {
namespace {

std::string Cwd() { return std::filesystem::current_path().string(); }

// The value of `name` as text ("RTSTR:..." or "RTSHORT:..."), or "RTERROR".
std::string Read(const HostSystemVariables& variables, const wchar_t* name) {
  resbuf* buffer = sds_newrb(RTSTR);
  std::string text = "RTERROR";
  if (variables.Get(name, buffer) == RTNORM) {
    text =
        buffer->restype == RTSTR
            ? "RTSTR:" + std::string(buffer->resval.rstring,
                                     buffer->resval.rstring + std::wcslen(buffer->resval.rstring))
            : "RTSHORT:" + std::to_string(buffer->resval.rint);
  }
  sds_relrb(buffer);
  return text;
}

TEST(app_HostSystemVariables, ReadsByCaseInsensitiveName) {
  const HostSystemVariables variables(L"11.2.5", "survey/2026/site.dxf");
  struct Case {
    const wchar_t* name;
    std::string value;
  };
  const Case cases[] = {{L"_VERNUM", "RTSTR:11.2.5"},
                        {L"_vernum", "RTSTR:11.2.5"},
                        {L"DWGNAME", "RTSTR:site.dxf"},
                        {L"DWGPREFIX", "RTSTR:" + Cwd() + "/survey/2026/"},
                        {L"CMDECHO", "RTSHORT:1"},
                        {L"VERNUM", "RTERROR"},
                        {L"", "RTERROR"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(Read(variables, c.name), c.value);
  }
  EXPECT_EQ(variables.Get(nullptr, nullptr), RTERROR);
}

TEST(app_HostSystemVariables, OnlySettableVariablesChangeAndKeepTheirType) {
  HostSystemVariables variables(L"10.3.1", "site.dxf");
  resbuf* value = sds_newrb(RTSHORT);
  value->resval.rint = 0;
  EXPECT_EQ(variables.Set(L"cmdecho", value), RTNORM);
  EXPECT_EQ(Read(variables, L"CMDECHO"), "RTSHORT:0");
  EXPECT_EQ(Read(variables, L"DWGPREFIX"), "RTSTR:" + Cwd() + "/");
  value->resval.rint = 5;
  EXPECT_EQ(variables.Set(L"CMDECHO", value), RTERROR);
  EXPECT_EQ(variables.Set(L"_VERNUM", value), RTERROR);
  EXPECT_EQ(variables.Set(L"NOSUCH", value), RTERROR);
  sds_relrb(value);
  resbuf* text = sds_newrb(RTSTR);
  EXPECT_EQ(variables.Set(L"FILEDIA", text), RTERROR);
  sds_relrb(text);
  EXPECT_EQ(Read(variables, L"CMDECHO"), "RTSHORT:0");
  EXPECT_EQ(Read(variables, L"_VERNUM"), "RTSTR:10.3.1");
}

}  // namespace
}  // namespace app
