#include <gtest/gtest.h>

#include "afxstr.h"

namespace {

TEST(FrameworkCString, FormatFollowsTheWideConventionsOfThePlatform) {
  struct Case {
    const wchar_t* expected;
    CString actual;
  };
  auto format = [](const wchar_t* f, auto... args) {
    CString s;
    s.Format(f, args...);
    return s;
  };
  const Case cases[] = {
      {L"Successfully processed 12 points\n", format(L"Successfully processed %d points\n", 12)},
      {L"Failure [disk full]\n", format(L"Failure [%s]\n", L"disk full")},
      {L"wide ok, narrow ok", format(L"%s, %S", L"wide ok", "narrow ok")},
      {L"[  ab]", format(L"[%4s]", L"ab")},
      {L"x-y", format(L"%c-%C", L'x', 'y')},
      {L"100% 12345678901", format(L"100%% %I64d", 12345678901LL)},
      {L"Quorlex for Bricscad 10 version 1.0",
       format(L"%s %s version %d.%d", L"Quorlex for", L"Bricscad 10", 1, 0)},
  };
  for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected);
}

TEST(FrameworkCString, FormatGrowsBeyondTheFirstBuffer) {
  std::wstring long_text(5000, L'q');
  CString s;
  s.Format(L"<%s>", long_text.c_str());
  EXPECT_EQ(s.GetLength(), 5002);
  s.AppendFormat(L"%d", 7);
  EXPECT_EQ(s.Right(2), L">7");
}

TEST(FrameworkCString, SwprintfSFormatsIntoABufferOrRefusesWhatDoesNotFit) {
  wchar_t title[256];
  EXPECT_EQ(swprintf_s(title, 256, L"%s %s version %d.%d", L"Quorlex for", L"Bricscad ????", 1, 0),
            37);
  EXPECT_EQ(std::wstring(title), L"Quorlex for Bricscad ???? version 1.0");
  wchar_t small[4] = L"abc";
  EXPECT_EQ(swprintf_s(small, 4, L"%s", L"long"), -1);
  EXPECT_EQ(small[0], L'\0');
  EXPECT_EQ(swprintf_s(small, 4, L"%d", 123), 3);
}

TEST(FrameworkCString, PiecesAreClampedToTheString) {
  CString s(L"Export.txt");
  EXPECT_EQ(s.Left(6), L"Export");
  EXPECT_EQ(s.Left(99), L"Export.txt");
  EXPECT_EQ(s.Mid(7), L"txt");
  EXPECT_EQ(s.Mid(-3, 2), L"Ex");
  EXPECT_EQ(s.Mid(20), L"");
  EXPECT_EQ(s.Right(3), L"txt");
  EXPECT_EQ(s.Find(L'.'), 6);
  EXPECT_EQ(s.Find(L"txt", 8), -1);
  EXPECT_EQ(s.ReverseFind(L'x'), 8);
  EXPECT_EQ(s.CompareNoCase(L"EXPORT.TXT"), 0);
  EXPECT_LT(s.CompareNoCase(L"export.txz"), 0);
}

TEST(FrameworkCString, NullTextIsEmpty) {
  const wchar_t* none = nullptr;
  EXPECT_TRUE(CString(none).IsEmpty());
  EXPECT_TRUE(CString(static_cast<const char*>(nullptr)).IsEmpty());
  CString s(L"x");
  s += none;
  EXPECT_EQ(s, L"x");
}

TEST(FrameworkCString, Utf8ConversionRoundTripsAndReplacesBrokenBytes) {
  std::wstring text = L"Z\u00fcrich \u2192 \U0001F4CD";
  EXPECT_EQ(Utf8ToWide(WideToUtf8(text)), text);
  EXPECT_EQ(std::string(CW2A(L"\u00e9")), "\xc3\xa9");
  EXPECT_EQ(CString("caf\xc3\xa9"), L"caf\u00e9");
  bool valid = true;
  EXPECT_EQ(Utf8ToWide("a\xff"
                       "b\xc3",
                       &valid),
            L"a\ufffdb\ufffd");
  EXPECT_FALSE(valid);
  EXPECT_EQ(Utf8ToWide("\xed\xa0\x80", &valid).size(), 3u) << "encoded surrogates are refused";
  EXPECT_EQ(Utf8ToWide("\xc0\xaf", &valid), L"\ufffd\ufffd") << "overlong forms are refused";
}

}  // namespace
