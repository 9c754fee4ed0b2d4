#include "app/MenuFile.h"

#include <gtest/gtest.h>

#include "app/MenuBar.h"

namespace app {
namespace {

constexpr char kQuorlexMenu[] =
    "// Quorlex menu\r\n"
    "***MENUGROUP=Quorlex\r\n"
    "***POP1\r\n"
    "**pop1\r\n"
    "[&Quorlex]\r\n"
    "ID_QExport [&Export points...]^C^C_Quorlex\r\n"
    "[--]\r\n"
    "[->&More]\r\n"
    "[&Help...]^C^C+\r\n"
    "_QuorlexHelp\r\n"
    "[<-&About...]^C^C_QuorlexAbout\r\n"
    "[&Redraw]'_redraw\r\n"
    "***HELPSTRINGS\r\n"
    "ID_QExport [Exports points]\r\n";

TEST(app_MenuFile, ReadsGroupPullDownItemsAndSubmenus) {
  const MenuGroup group = ParseMenuFile(kQuorlexMenu, "dir/Quorlex.mnu");
  EXPECT_EQ(group.name, L"Quorlex");
  ASSERT_EQ(group.pullDowns.size(), 1u);
  const PullDownMenu& menu = group.pullDowns[0];
  EXPECT_EQ(menu.number, 1);
  EXPECT_EQ(menu.title, L"&Quorlex");
  ASSERT_EQ(menu.items.size(), 6u);
  EXPECT_EQ(menu.items[0].nameTag, L"ID_QExport");
  EXPECT_EQ(menu.items[0].label, L"&Export points...");
  EXPECT_EQ(menu.items[0].macro, L"^C^C_Quorlex");
  EXPECT_TRUE(menu.items[1].separator);
  EXPECT_EQ(menu.items[2].label, L"&More");
  EXPECT_EQ(menu.items[2].depth, 0);
  EXPECT_EQ(menu.items[3].label, L"&Help...");
  EXPECT_EQ(menu.items[3].macro, L"^C^C_QuorlexHelp");  // joined continuation line
  EXPECT_EQ(menu.items[3].depth, 1);
  EXPECT_EQ(menu.items[4].label, L"&About...");
  EXPECT_EQ(menu.items[4].depth, 1);
  EXPECT_EQ(menu.items[5].label, L"&Redraw");
  EXPECT_EQ(menu.items[5].depth, 0);
  EXPECT_EQ(group.Find(L"POP1"), &menu);
  EXPECT_EQ(group.Find(L"Pop1"), &menu);
  EXPECT_EQ(group.Find(L"pop2"), nullptr);
}

TEST(app_MenuFile, GroupNameDefaultsToTheFileAndLatin1IsRead) {
  const MenuGroup group =
      ParseMenuFile("***POP3\n[Men\xFC]\n[\xC4nderung]_CHANGE\n", "x/Extra.mnu");
  EXPECT_EQ(group.name, L"Extra");
  ASSERT_EQ(group.pullDowns.size(), 1u);
  EXPECT_EQ(group.pullDowns[0].title, L"Men\u00fc");
  EXPECT_EQ(group.pullDowns[0].items.at(0).label, L"\u00c4nderung");
}

TEST(app_MenuFile, MalformedFilesNameFileAndLine) {
  struct Case {
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"[&Quorlex]\n", "m.mnu:1: text outside a menu section"},
      {"***MENUGROUP=\n", "m.mnu:1: ***MENUGROUP needs a name: ***MENUGROUP=name"},
      {"***MENUGROUP=A\n***MENUGROUP=B\n", "m.mnu:2: a second ***MENUGROUP"},
      {"***POP1\n[T]\n***MENUGROUP=A\n",
       "m.mnu:3: ***MENUGROUP must come before the menu sections"},
      {"***POPX\n", "m.mnu:1: bad pull-down section '***POPX' (use ***POP0 to ***POP499)"},
      {"***POP500\n", "m.mnu:1: bad pull-down section '***POP500' (use ***POP0 to ***POP499)"},
      {"***POP1\n[Title\n", "m.mnu:2: missing ']' after '[' in a menu item"},
      {"***POP1\n[T]\n[<-x]_LINE\n", "m.mnu:3: '<-' closes a submenu that was never opened"},
      {"***POP1\n**p\n***POP2\n[T]\n", "m.mnu:3: pull-down menu has no title line before this"},
      {"***POP1\n**\n", "m.mnu:2: '**' needs a menu name"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    try {
      ParseMenuFile(c.text, "m.mnu");
      ADD_FAILURE() << "accepted";
    } catch (const MenuFileError& error) {
      EXPECT_STREQ(error.what(), c.message);
    }
  }
}

TEST(app_MenuFile, MissingFileGivesTheSystemsReason) {
  try {
    LoadMenuFile("no/such/dir/Quorlex.mnu");
    ADD_FAILURE() << "loaded";
  } catch (const MenuFileError& error) {
    EXPECT_STREQ(error.what(), "no/such/dir/Quorlex.mnu: No such file or directory");
  }
}

std::vector<std::wstring> Titles(const MenuBar& bar) {
  std::vector<std::wstring> titles;
  for (const MenuBar::Entry& entry : bar.Entries()) titles.push_back(entry.title);
  return titles;
}

TEST(app_MenuBar, InsertsAPullDownOfALoadedGroupOnce) {
  MenuBar bar;
  std::string error;
  ASSERT_TRUE(bar.LoadGroup(ParseMenuFile(kQuorlexMenu, "Quorlex.mnu"), error));
  ASSERT_TRUE(bar.Run(L"P10=+Quorlex.pop1", error)) << error;
  ASSERT_TRUE(bar.Run(L"p3=+QUORLEX.POP1", error)) << error;  // already on the bar: stays
  const std::vector<std::wstring> titles = Titles(bar);
  ASSERT_EQ(titles.size(), 12u);
  EXPECT_EQ(titles[9], L"&Quorlex");
  EXPECT_EQ(bar.Entries()[9].group, L"Quorlex");
  ASSERT_TRUE(bar.Run(L"P10=-", error));
  EXPECT_EQ(Titles(bar).size(), 11u);
  ASSERT_TRUE(bar.Run(L"P99=+quorlex.pop1", error));
  EXPECT_EQ(Titles(bar).back(), L"&Quorlex");
}

TEST(app_MenuBar, RefusedCommandsSayWhy) {
  MenuBar bar;
  std::string error;
  ASSERT_TRUE(bar.LoadGroup(ParseMenuFile(kQuorlexMenu, "Quorlex.mnu"), error));
  EXPECT_FALSE(bar.LoadGroup(ParseMenuFile(kQuorlexMenu, "Quorlex.mnu"), error));
  EXPECT_EQ(error, "menu group 'Quorlex' is already loaded");
  struct Case {
    const wchar_t* command;
    const char* message;
  };
  const Case cases[] = {
      {L"P10=+Other.pop1", "no menu group loaded for 'Other.pop1'"},
      {L"P10=+Quorlex", "no menu group loaded for 'Quorlex'"},
      {L"P10=+Quorlex.pop7", "menu group 'Quorlex' has no pull-down 'pop7'"},
      {L"P0=+Quorlex.pop1", "unknown menu command 'P0=+Quorlex.pop1' (use Pn=+group.menu or Pn=-)"},
      {L"X10=+Quorlex.pop1",
       "unknown menu command 'X10=+Quorlex.pop1' (use Pn=+group.menu or Pn=-)"},
      {L"P10", "unknown menu command 'P10' (use Pn=+group.menu or Pn=-)"},
      {L"P40=-", "the menu bar has no menu 40"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    EXPECT_FALSE(bar.Run(c.command, error));
    EXPECT_EQ(error, c.message);
  }
  EXPECT_EQ(Titles(bar).size(), 11u);
}

}  // namespace
}  // namespace app
