// The SDS functions and the host behind them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SdsHost.h"

namespace {

// A host that knows one variable and records the commands it is asked to run.
class RecordingHost : public OdSdsHost {
 public:
  int getVar(const wchar_t* name, resbuf* result) override {
    if (std::wstring(name) != L"_VERNUM") return RTERROR;
    return odSdsSetString(result, L"11.2.5");
  }
  int setVar(const wchar_t*, const resbuf*) override { return RTERROR; }
  int command(const resbuf* arguments) override {
    std::wstring line;
    for (const resbuf* rb = arguments; rb; rb = rb->rbnext) line += describe(*rb) + L";";
    commands.push_back(line);
    return RTNORM;
  }
  int menuCmd(const wchar_t* text) override {
    commands.push_back(std::wstring(L"menu:") + text);
    return RTNORM;
  }

  std::vector<std::wstring> commands;

 private:
  static std::wstring describe(const resbuf& rb) {
    switch (rb.restype) {
      case RTSTR:
        return rb.resval.rstring;
      case RTSHORT:
        return std::to_wstring(rb.resval.rint);
      case RTLONG:
        return std::to_wstring(rb.resval.rlong);
      case RTREAL:
        return std::to_wstring(rb.resval.rreal);
      case RTPOINT:
        return std::to_wstring(rb.resval.rpoint[2]);
      default:
        return L"?";
    }
  }
};

class InstalledHost {
 public:
  InstalledHost() : m_previous(odSdsSetHost(&host)) {}
  ~InstalledHost() { odSdsSetHost(m_previous); }
  RecordingHost host;

 private:
  OdSdsHost* m_previous;
};

TEST(RuntimeSds, TypeCodesKeepTheirValues) {
  EXPECT_EQ(RTNONE, 5000);
  EXPECT_EQ(RTREAL, 5001);
  EXPECT_EQ(RTPOINT, 5002);
  EXPECT_EQ(RTSHORT, 5003);
  EXPECT_EQ(RTSTR, 5005);
  EXPECT_EQ(RTLONG, 5010);
  EXPECT_EQ(RTNORM, 5100);
  EXPECT_EQ(RTERROR, -5001);
  EXPECT_EQ(RTCAN, -5002);
}

TEST(RuntimeSds, WithoutAHostEverythingFails) {
  ASSERT_EQ(odSdsHost(), nullptr);
  resbuf* rb = sds_newrb(RTSTR);
  ASSERT_NE(rb, nullptr);
  EXPECT_EQ(sds_getvar(L"_VERNUM", rb), RTERROR);
  EXPECT_EQ(rb->resval.rstring, nullptr) << "a failed read leaves the buffer alone";
  EXPECT_EQ(sds_command(RTSTR, L"_menuload", RTNONE), RTERROR);
  EXPECT_EQ(sds_menucmd(L"P10=+Quorlex.pop1"), RTERROR);
  sds_relrb(rb);
}

TEST(RuntimeSds, GetVarFillsAStringTheBufferOwns) {
  InstalledHost installed;
  resbuf* rb = sds_newrb(RTSTR);
  ASSERT_EQ(sds_getvar(L"_VERNUM", rb), RTNORM);
  EXPECT_EQ(rb->restype, RTSTR);
  EXPECT_STREQ(rb->resval.rstring, L"11.2.5");
  ASSERT_EQ(sds_getvar(L"_VERNUM", rb), RTNORM) << "a second read replaces the first string";
  EXPECT_EQ(sds_getvar(L"NOSUCHVAR", rb), RTERROR);
  EXPECT_STREQ(rb->resval.rstring, L"11.2.5");
  rb->rbnext = sds_newrb(RTSTR);
  odSdsSetString(rb->rbnext, L"chained");
  EXPECT_EQ(sds_relrb(rb), RTNORM);  // frees the chain and both strings (the sanitizer checks)
}

TEST(RuntimeSds, CommandPassesTypedPairs) {
  InstalledHost installed;
  const double point[3] = {1, 2, 3};
  EXPECT_EQ(sds_command(RTSTR, L"_menuload", RTSTR, L"/opt/Quorlex.mnu", RTSHORT, 7, RTLONG, 70000L,
                        RTPOINT, point, RTNONE),
            RTNORM);
  EXPECT_EQ(sds_menucmd(L"P10=+Quorlex.pop1"), RTNORM);
  EXPECT_EQ(sds_command(RTSTR, L"_line", 4242, 1.0, RTNONE), RTERROR)
      << "an unknown type code stops before anything runs";
  EXPECT_EQ(sds_command(RTNONE), RTERROR) << "no command at all";
  EXPECT_EQ(installed.host.commands,
            (std::vector<std::wstring>{L"_menuload;/opt/Quorlex.mnu;7;70000;3.000000;",
                                       L"menu:P10=+Quorlex.pop1"}));
}

}  // namespace
