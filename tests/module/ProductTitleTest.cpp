// The product title as the host's version makes it, through the SDS system variable "_VERNUM".
#include <gtest/gtest.h>

#include "LoadedModule.h"
#include "host/ProductTitle.h"

namespace {

using quorlex_test::RecordingSdsHost;

TEST(ModuleProductTitle, FollowsHostVersion) {
  struct Case {
    const wchar_t* vernum;  // null: the variable cannot be read
    const wchar_t* title;
  };
  const Case cases[] = {
      {L"11.2.5", L"Quorlex for Bricscad 11 version 1.0"},
      {L"12.1", L"Quorlex for Bricscad ???? version 1.0"},
      {nullptr, L"Quorlex for Bricscad ???? version 1.0"},
      {L"8", L"Quorlex for Bricscad 8 version 1.0"},
      {L"9.0.1", L"Quorlex for Bricscad 9 version 1.0"},
      {L"  +10.3", L"Quorlex for Bricscad 10 version 1.0"},
      {L"7.9", L"Quorlex for Bricscad ???? version 1.0"},
      {L"-8", L"Quorlex for Bricscad ???? version 1.0"},
      {L"", L"Quorlex for Bricscad ???? version 1.0"},
      {L"V11", L"Quorlex for Bricscad ???? version 1.0"},
      {L"100000000000000000011", L"Quorlex for Bricscad ???? version 1.0"},
  };
  RecordingSdsHost sds;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.vernum ? OdString(c.vernum).toUtf8() : "unreadable");
    sds.variables.clear();
    if (c.vernum) sds.variables[L"_VERNUM"] = c.vernum;
    BuildProductTitle();
    EXPECT_STREQ(ProductTitle(), c.title);
  }
}

TEST(ModuleProductTitle, WithoutHostServicesIsUnknownRelease) {
  OdSdsHost* previous = odSdsSetHost(nullptr);
  BuildProductTitle();
  EXPECT_STREQ(ProductTitle(), L"Quorlex for Bricscad ???? version 1.0");
  odSdsSetHost(previous);
}

}  // namespace
