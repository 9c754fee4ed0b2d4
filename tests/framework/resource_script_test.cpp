#include <gtest/gtest.h>

#include <random>

#include "afxres.h"
#include "framework/resource_script.h"

namespace {

using framework::ResourceScript;
using framework::ResourceScriptError;

const char kScript[] = R"(// sample
#include "resource.h"
#define IDD_SAMPLE 300
#define IDC_NAME   1001
LANGUAGE 9, 1
IDI_ICON ICON "res\\app.ico"
IDD_SAMPLE DIALOGEX 0, 0, 120, 80
STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION
CAPTION "Say ""hi"""
FONT 8, "MS Sans Serif", 0, 0, 0x1
BEGIN
    LTEXT           "Name:",IDC_STATIC,5,5,30,8
    EDITTEXT        IDC_NAME,40,5,60,12,ES_AUTOHSCROLL | NOT WS_TABSTOP
    AUTOCHECKBOX    "Keep",1002,5,20,40,10
    AUTORADIOBUTTON "One",1003,5,35,30,10,WS_GROUP
    COMBOBOX        1004,5,50,60,40,CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP
    DEFPUSHBUTTON   "OK",IDOK,70,62,40,14
    /* a comment
       across lines */
    CONTROL         "",-1,"Static",SS_ETCHEDHORZ,5,60,110,1
END
STRINGTABLE
BEGIN
    1 "text"
END
IDD_SAMPLE DLGINIT
BEGIN
    1004, 0x403, 6, 0
0x6c61, 0x6870, 0x0061,
    1004, 0x403, 5, 0
"zeta\000"
    0
END
)";

TEST(FrameworkResourceScript, ReadsDialogsWithTheirStatementDefaults) {
  ResourceScript script = ResourceScript::Parse(kScript, "sample.rc");
  ASSERT_EQ(script.Dialogs().size(), 1u);
  const framework::DialogTemplate* dialog = script.FindDialog(300);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->caption, L"Say \"hi\"");
  EXPECT_EQ(dialog->fontName, L"MS Sans Serif");
  EXPECT_EQ(dialog->fontSize, 8);
  EXPECT_EQ(dialog->cx, 120);
  EXPECT_EQ(dialog->style, DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION);
  ASSERT_EQ(dialog->controls.size(), 7u);
  struct Expected {
    int id;
    const wchar_t* className;
    DWORD style;
  };
  const DWORD child = WS_CHILD | WS_VISIBLE;
  const Expected expected[] = {
      {-1, L"Static", child | SS_LEFT | WS_GROUP},
      {1001, L"Edit", child | ES_AUTOHSCROLL | WS_BORDER},
      {1002, L"Button", child | BS_AUTOCHECKBOX | WS_TABSTOP},
      {1003, L"Button", child | BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP},
      {1004, L"ComboBox", child | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
      {IDOK, L"Button", child | BS_DEFPUSHBUTTON | WS_TABSTOP},
      {-1, L"Static", child | SS_ETCHEDHORZ},
  };
  for (std::size_t i = 0; i < dialog->controls.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(dialog->controls[i].id, expected[i].id);
    EXPECT_EQ(dialog->controls[i].className, expected[i].className);
    EXPECT_EQ(dialog->controls[i].style, expected[i].style);
  }
  EXPECT_EQ(dialog->controls[1].x, 40);
  EXPECT_EQ(dialog->controls[1].cy, 12);
  EXPECT_EQ(dialog->controls[1].line, 13);
}

TEST(FrameworkResourceScript, ReadsInitDataAsWordsAndAsStrings) {
  ResourceScript script = ResourceScript::Parse(kScript, "sample.rc");
  const auto& init = script.FindDialog(300)->initData;
  ASSERT_EQ(init.size(), 2u);
  EXPECT_EQ(init[0].controlId, 1004);
  EXPECT_EQ(init[0].message, CB_ADDSTRING_RC);
  EXPECT_EQ(init[0].text, L"alpha");
  EXPECT_EQ(init[1].text, L"zeta");
}

TEST(FrameworkResourceScript, ErrorsNameTheLineAndWhatWasWrong) {
  struct Case {
    const char* text;
    int line;
    const char* message;
  };
  const Case cases[] = {
      {"1 DIALOGEX 0, 0, 10\nBEGIN\nEND\n", 2, "expected ','"},
      {"1 DIALOGEX 0,0,1,1\nBEGIN\n  PUSHBUTTON \"x\" 1,0,0,1,1\nEND\n", 3,
       "expected ',' after the control's text"},
      {"1 DIALOGEX 0,0,1,1\nBEGIN\n  LISTBOX 5,0,0,1,1\nEND\n", 3,
       "unknown control statement 'LISTBOX'"},
      {"1 DIALOGEX 0,0,1,1\nBEGIN\n  CONTROL \"\",5,\"SysListView32\",0,0,0,1,1\nEND\n", 3,
       "unsupported control class"},
      {"1 DIALOGEX 0,0,1,1\nSTYLE WS_BOGUS\nBEGIN\nEND\n", 2, "unknown name 'WS_BOGUS'"},
      {"1 DIALOGEX 0,0,1,1\nCAPTION \"open\nBEGIN\nEND\n", 2, "string is not closed"},
      {"1 DIALOGEX 0,0,1,1\nBEGIN\n  LTEXT \"a\",1,0,0,1,1\n", 4, "dialog has no END"},
      {"/* never closed\n1 DIALOGEX 0,0,1,1\n", 1, "comment is not closed"},
      {"1 DLGINIT\nBEGIN\n 5, 0x403, 8, 0\n 0x4141,\nEND\n", 5, "init data ends before its 8"},
      {"1 DIALOGEX 0,0,1,1\nBEGIN\nEND\n1 DLGINIT\nBEGIN\n 5, 0x403, 2, 0, 0x41\nEND\n", 7,
       "must end with 0"},
      {"IDD_UNKNOWN DIALOGEX 0,0,1,1\nBEGIN\nEND\n", 1, "neither a number nor a #define"},
      {"1 DIALOGEX 0,0,1,0x1FFFFFFFF\n", 1, "bad number"},
      {"1 DIALOGEX 0,0,1,1 @\n", 1, "unexpected character '@'"},
      {"1 VERSIONINFO\n FILEVERSION 1,0\n", 1, "resource has no BEGIN block"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    try {
      ResourceScript::Parse(c.text, "bad.rc");
      ADD_FAILURE() << "parsed";
    } catch (const ResourceScriptError& error) {
      EXPECT_EQ(error.line(), c.line) << error.what();
      std::string what = error.what();
      EXPECT_EQ(what.rfind("bad.rc:" + std::to_string(c.line) + ": ", 0), 0u) << what;
      EXPECT_NE(what.find(c.message), std::string::npos) << what;
    }
  }
}

// Mutated scripts either parse or fail with a ResourceScriptError; none crashes or hangs (the
// sanitizer build checks the memory side).
TEST(FrameworkResourceScript, MutatedScriptsNeverCrash) {
  std::mt19937 random(20261211);
  const std::string original = kScript;
  const std::string alphabet = "\"\\,|(){}-+/*#\n 0123456789xABEGINDLOGEXNOT";
  int parsed = 0;
  for (int round = 0; round < 3000; ++round) {
    std::string text = original;
    for (int edits = 1 + static_cast<int>(random() % 4); edits > 0; --edits) {
      std::size_t at = random() % text.size();
      switch (random() % 3) {
        case 0:
          text.erase(at, 1 + random() % 8);
          break;
        case 1:
          text.insert(at, 1, alphabet[random() % alphabet.size()]);
          break;
        default:
          text[at] = static_cast<char>(random() % 256);
          break;
      }
      if (text.empty()) text = "x";
    }
    try {
      ResourceScript::Parse(text, "mutant.rc");
      ++parsed;
    } catch (const ResourceScriptError&) {
    }
  }
  EXPECT_GT(parsed, 0) << "some mutations (inside comments or strings) still parse";
}

TEST(FrameworkResourceScript, DeepNestingIsAnErrorNotARecursion) {
  std::string deep = "1 DIALOGEX 0,0,1,1\nSTYLE " + std::string(100000, '(') + "1\n";
  EXPECT_THROW(ResourceScript::Parse(deep, "deep.rc"), ResourceScriptError);
  std::string minus = "1 DIALOGEX 0,0,1," + std::string(100000, '-') + "1\n";
  EXPECT_THROW(ResourceScript::Parse(minus, "deep.rc"), ResourceScriptError);
}

}  // namespace
