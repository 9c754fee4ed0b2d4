#include <gtest/gtest.h>

#include "options/options_dialog.h"
#include "options_fixture.h"

namespace {

using OptionsDialog = OptionsTest;
using ui::ControlKind;
using ui::DialogModel;
using ui::Key;

const int kSubOptions[] = {206, 207, 208, 210, 209, 211};
const wchar_t kPrompt[] = L"Please enter no more than 1 characters.";

// Shows the dialog with the caller's record pre-set to a sentinel, so that what comes back (or
// stays) can be told apart from anything the dialog might produce.
struct Shown {
  bool accepted;
  ExportOptions options;
};

Shown Show(HWND* parent = nullptr) {
  ExportOptions options;
  options.other = L"untouched";
  options.format = 99;
  bool accepted = ShowOptionsDialog(parent, options);
  return {accepted, options};
}

ExportOptions Untouched() {
  ExportOptions options;
  options.other = L"untouched";
  options.format = 99;
  return options;
}

TEST_F(OptionsDialog, FirstRunShowsTheDefaultsAndOkWritesAllTwelveValues) {
  script.Observe([](const DialogModel& m) {
    EXPECT_EQ(m.caption, L"Quorlex Options");
    for (int id : {204, 205, 206, 207, 208, 209, 210, 211}) {
      EXPECT_EQ(m.Find(id)->checked, 1) << id;
      EXPECT_TRUE(m.Find(id)->enabled) << id;
    }
    EXPECT_EQ(m.Find(224)->checked, 0);
    EXPECT_EQ(m.Find(212)->items, (std::vector<std::wstring>{L"X, Y, Z", L"Y, X, Z"}));
    EXPECT_EQ(m.Find(212)->selected, 0);
    for (int id : {219, 220, 222, 223}) EXPECT_EQ(m.Find(id)->checked, 0) << id;
    EXPECT_EQ(m.Find(221)->checked, 1);
    EXPECT_FALSE(m.Find(218)->enabled);
    EXPECT_EQ(m.Find(218)->text, L"");
    EXPECT_EQ(m.Find(218)->textLimit, 1u);
    EXPECT_EQ(m.Focused()->id, 204);
  });
  script.Press(Key::Enter);
  Shown shown = Show();
  EXPECT_TRUE(shown.accepted);
  EXPECT_EQ(shown.options, FirstRunDefaults());
  EXPECT_EQ(FileBytes(),
            "Windows Registry Editor Version 5.00\n\n"
            "[HKEY_CURRENT_USER\\Software\\ZELKOR\\Quorlex for IntelliCAD]\n"
            "\"Points\"=dword:00000001\n\"Extract\"=dword:00000001\n"
            "\"End Point\"=dword:00000001\n\"Mid Point\"=dword:00000001\n"
            "\"Center Point\"=dword:00000001\n\"Control Point\"=dword:00000001\n"
            "\"Vertex\"=dword:00000001\n\"Text\"=dword:00000001\n"
            "\"Format\"=dword:00000000\n\"Delimiter\"=dword:00000002\n"
            "\"Other\"=\"\"\n\"Create Points\"=dword:00000000\n\n");
  EXPECT_TRUE(script.MessageBoxes().empty());
}

TEST_F(OptionsDialog, TheTemplateHasTheControlsInTabOrder) {
  struct Row {
    int id;
    ControlKind kind;
    const wchar_t* text;
    ui::Rect rect;
    bool tabStop;
    bool group;
  };
  using K = ControlKind;
  const Row rows[] = {
      {204, K::CheckBox, L"Export point objects", {7, 7, 78, 10}, true, false},
      {205,
       K::CheckBox,
       L"Extract and export point data from other objects",
       {7, 21, 165, 10},
       true,
       false},
      {206, K::CheckBox, L"End points of curve objects", {21, 35, 102, 10}, true, false},
      {207, K::CheckBox, L"Mid points of curve objects", {21, 49, 101, 10}, true, false},
      {208,
       K::CheckBox,
       L"Center points of arc, circle and ellipse objects",
       {21, 63, 158, 10},
       true,
       false},
      {210, K::CheckBox, L"Control points of spline objects", {21, 77, 111, 10}, true, false},
      {209,
       K::CheckBox,
       L"Vertices of polyline, multiline, mesh, 2d solid and 3d face objects",
       {21, 91, 217, 10},
       true,
       false},
      {211, K::CheckBox, L"Start points of text objects", {21, 105, 97, 10}, true, false},
      {212, K::ComboBox, L"", {40, 122, 50, 72}, true, false},
      {219, K::RadioButton, L"Tab", {40, 140, 29, 10}, false, true},
      {220, K::RadioButton, L"Semicolon", {70, 140, 49, 10}, false, false},
      {221, K::RadioButton, L"Comma", {120, 140, 39, 10}, false, false},
      {222, K::RadioButton, L"Space", {160, 140, 37, 10}, false, false},
      {223, K::RadioButton, L"Other", {198, 140, 33, 10}, false, false},
      {218, K::Edit, L"", {232, 139, 18, 12}, true, false},
      {224, K::CheckBox, L"Create point objects", {7, 157, 79, 10}, true, false},
      {1, K::PushButton, L"&OK", {75, 183, 50, 14}, true, false},
      {2, K::PushButton, L"&Cancel", {133, 183, 50, 14}, true, false},
      {-1, K::Line, L"", {7, 174, 242, 1}, false, false},
      {-1, K::Static, L"Format", {7, 124, 22, 8}, false, true},
      {-1, K::Static, L"Delimiter", {7, 140, 28, 8}, false, true},
  };
  script.Press(Key::Escape);
  Show();
  const DialogModel& m = script.Dialogs().at(0).opened;
  EXPECT_EQ(m.rect.width, 257);
  EXPECT_EQ(m.rect.height, 204);
  EXPECT_EQ(m.fontName, L"MS Sans Serif");
  EXPECT_EQ(m.fontSize, 8);
  ASSERT_EQ(m.controls.size(), std::size(rows));
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE(i);
    const ui::Control& c = m.controls[i];
    EXPECT_EQ(c.id, rows[i].id);
    EXPECT_EQ(c.kind, rows[i].kind);
    EXPECT_EQ(c.text, rows[i].text);
    EXPECT_EQ(c.rect.x, rows[i].rect.x);
    EXPECT_EQ(c.rect.y, rows[i].rect.y);
    EXPECT_EQ(c.rect.width, rows[i].rect.width);
    EXPECT_EQ(c.rect.height, rows[i].rect.height);
    EXPECT_EQ(c.tabStop, rows[i].tabStop);
    EXPECT_EQ(c.group, rows[i].group);
  }
  EXPECT_TRUE(m.Find(1)->defaultButton);
}

TEST_F(OptionsDialog, CancelEscapeAndTheCloseBoxLeaveTheStoreAsItWas) {
  StoreInt(L"Format", 1);
  StoreString(L"Other", L"#");
  const std::string before = FileBytes();
  struct Case {
    const char* name;
    std::function<void(ui::ScriptedBackend&)> close;
  };
  const Case cases[] = {
      {"Cancel", [](auto& s) { s.Click(IDCANCEL); }},
      {"Escape", [](auto& s) { s.Press(Key::Escape); }},
      {"close box", [](auto& s) { s.Press(Key::CloseBox); }},
      {"Tab to Cancel, Enter",
       [](auto& s) { s.Press(Key::Tab).Press(Key::Tab).Press(Key::Enter); }},  // from 224
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    script.Click(204).Click(205).Choose(212, 0).Click(223).Type(218, L"x").Click(224);
    c.close(script);
    Shown shown = Show();
    EXPECT_FALSE(shown.accepted);
    EXPECT_EQ(shown.options, Untouched());
    EXPECT_EQ(FileBytes(), before);
  }
}

TEST_F(OptionsDialog, EveryFieldSurvivesSaveAndReload) {
  script.Click(204).Click(206).Click(209).Choose(212, L"Y, X, Z").Click(223).Type(218, L"|");
  script.Click(224).Click(IDOK);
  Shown first = Show();
  ASSERT_TRUE(first.accepted);
  ExportOptions expected = FirstRunDefaults();
  expected.points = expected.endPoint = expected.vertex = 0;
  expected.format = 1;
  expected.delimiter = 4;
  expected.other = L"|";
  expected.createPoints = 1;
  EXPECT_EQ(first.options, expected);
  EXPECT_EQ(Stored(), expected);

  script.Observe([](const DialogModel& m) {
    EXPECT_EQ(m.Find(204)->checked, 0);
    EXPECT_EQ(m.Find(206)->checked, 0);
    EXPECT_EQ(m.Find(209)->checked, 0);
    EXPECT_EQ(m.Find(207)->checked, 1);
    EXPECT_EQ(m.Find(212)->selected, 1);
    EXPECT_EQ(m.Find(223)->checked, 1);
    EXPECT_TRUE(m.Find(218)->enabled);
    EXPECT_EQ(m.Find(218)->text, L"|");
    EXPECT_EQ(m.Find(224)->checked, 1);
  });
  script.Press(Key::Enter);
  Shown second = Show();
  EXPECT_TRUE(second.accepted);
  EXPECT_EQ(second.options, expected) << "the second opening shows what the first OK saved";
}

TEST_F(OptionsDialog, StoredIndexesOutOfRangeShowNoSelectionAndSaveMinusOne) {
  StoreInt(L"Format", 5);
  StoreInt(L"Delimiter", 7);
  script.Observe([](const DialogModel& m) {
    EXPECT_EQ(m.Find(212)->selected, -1);
    for (int id : {219, 220, 221, 222, 223}) EXPECT_EQ(m.Find(id)->checked, 0) << id;
    EXPECT_FALSE(m.Find(218)->enabled);
  });
  script.Click(IDOK);
  Shown shown = Show();
  ASSERT_TRUE(shown.accepted);
  EXPECT_EQ(shown.options.format, -1);
  EXPECT_EQ(shown.options.delimiter, -1);
  ZLKRegistry store;
  store.SetKey(kOptionsKey, 1);
  EXPECT_EQ(store.ReadInt(L"Format", 0), -1);
  EXPECT_EQ(store.ReadInt(L"Delimiter", 0), -1);
}

TEST_F(OptionsDialog, AStoredOtherOfTwoCharactersIsRefusedUntilItIsOne) {
  StoreInt(L"Delimiter", 4);
  StoreString(L"Other", L"ab");
  script.Observe([this](const DialogModel& m) {
    ASSERT_EQ(script.MessageBoxes().size(), 1u) << "the prompt shows as the dialog opens";
    EXPECT_EQ(m.Find(218)->text, L"ab") << "shown in full";
    EXPECT_TRUE(m.Find(218)->enabled);
  });
  script.Click(IDOK).Observe([this](const DialogModel& m) {
    EXPECT_FALSE(m.ended) << "OK is refused";
    EXPECT_EQ(script.MessageBoxes().size(), 2u);
    EXPECT_EQ(m.Focused()->id, 218);
  });
  script.Click(221).Observe([this](const DialogModel& m) {
    EXPECT_EQ(script.MessageBoxes().size(), 3u) << "again at a click on a watched control";
    EXPECT_TRUE(m.Find(218)->enabled) << "the delimiter after the failed field is not read back";
  });
  script.Type(218, L"cd").Click(221).Observe([](const DialogModel& m) {
    EXPECT_FALSE(m.Find(218)->enabled);
    EXPECT_EQ(m.Find(218)->text, L"c") << "typing stops at one character";
  });
  script.Click(IDOK);
  Shown shown = Show();
  ASSERT_TRUE(shown.accepted);
  EXPECT_EQ(shown.options.other, L"c");
  EXPECT_EQ(shown.options.delimiter, 2);
  EXPECT_EQ(Stored().other, L"c");
  ASSERT_EQ(script.MessageBoxes().size(), 3u);
  for (const auto& box : script.MessageBoxes()) {
    EXPECT_EQ(box.request.text, kPrompt);
    EXPECT_EQ(box.request.icon, ui::MessageIcon::Warning);
    EXPECT_EQ(box.request.owner, L"Quorlex Options");
  }
}

TEST_F(OptionsDialog, ClearingExtractGreysTheSubOptionsAndKeepsTheirMarks) {
  script.Click(207).Click(205).Observe([](const DialogModel& m) {
    for (int id : kSubOptions) {
      EXPECT_FALSE(m.Find(id)->enabled) << id;
      EXPECT_EQ(m.Find(id)->checked, id == 207 ? 0 : 1) << id;
    }
    for (int id : {204, 205, 212, 219, 220, 221, 222, 223, 224, IDOK, IDCANCEL}) {
      EXPECT_TRUE(m.Find(id)->enabled) << id;
    }
  });
  script.Click(205).Observe([](const DialogModel& m) {
    for (int id : kSubOptions) EXPECT_TRUE(m.Find(id)->enabled) << id;
  });
  script.Click(205).Click(IDOK);
  Shown shown = Show();
  ExportOptions expected = FirstRunDefaults();
  expected.extract = 0;
  expected.midPoint = 0;
  EXPECT_EQ(shown.options, expected);
  EXPECT_EQ(Stored(), expected);
}

TEST_F(OptionsDialog, OtherEnablesTheEditFieldAndAnotherDelimiterKeepsItsText) {
  script.Click(223).Observe([](const DialogModel& m) { EXPECT_TRUE(m.Find(218)->enabled); });
  script.Type(218, L";").Click(219).Observe([](const DialogModel& m) {
    EXPECT_FALSE(m.Find(218)->enabled);
    EXPECT_EQ(m.Find(218)->text, L";");
  });
  script.Click(IDOK);
  Shown shown = Show();
  EXPECT_EQ(shown.options.delimiter, 0);
  EXPECT_EQ(shown.options.other, L";");
  EXPECT_EQ(Stored().other, L";");
}

TEST_F(OptionsDialog, AnEmptyOtherIsAccepted) {
  StoreString(L"Other", L"x");
  script.Click(223).Type(218, L"").Click(IDOK);
  Shown shown = Show();
  ASSERT_TRUE(shown.accepted);
  EXPECT_EQ(shown.options.delimiter, 4);
  EXPECT_EQ(shown.options.other, L"");
  EXPECT_EQ(Stored().other, L"");
}

TEST_F(OptionsDialog, TabDoesNotStopOnTheRadioButtons) {
  struct Case {
    int delimiter;
    std::vector<int> order;
  };
  const Case cases[] = {
      {2, {205, 206, 207, 208, 210, 209, 211, 212, 224, 1, 2, 204}},
      {4, {205, 206, 207, 208, 210, 209, 211, 212, 218, 224, 1, 2, 204}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.delimiter);
    StoreInt(L"Delimiter", c.delimiter);
    std::vector<int> visited;
    for (std::size_t i = 0; i < c.order.size(); ++i) {
      script.Press(Key::Tab).Observe(
          [&](const DialogModel& m) { visited.push_back(m.Focused()->id); });
    }
    script.Press(Key::Escape);
    Show();
    EXPECT_EQ(visited, c.order);
  }
}

TEST_F(OptionsDialog, ADialogThatCannotBeShownIsNoAcceptance) {
  {
    AFX_MAINTAIN_STATE2 own(AfxGetStaticModuleState());
    AfxGetStaticModuleState()->RemoveResourceScripts();
  }
  Shown missing = Show();
  ASSERT_TRUE(RegisterOptionsDialogResources());
  EXPECT_FALSE(missing.accepted) << "template 200 is not among the module's resources";
  EXPECT_EQ(missing.options, Untouched());

  ui::ScopedBackend none(nullptr);
  Shown noWindows = Show();
  EXPECT_FALSE(noWindows.accepted);
  EXPECT_EQ(noWindows.options, Untouched());
  EXPECT_TRUE(script.Dialogs().empty());
  EXPECT_FALSE(std::filesystem::exists(file)) << "nothing was saved";
}

TEST_F(OptionsDialog, TheParentWindowOwnsTheDialogAndIsDisabledMeanwhile) {
  CWnd main;
  main.CreateTopLevel(L"Host window");
  HWND handle = main.m_hWnd;
  script.Observe([&](const DialogModel&) { EXPECT_FALSE(main.IsWindowEnabled()); });
  script.Press(Key::Enter);
  EXPECT_TRUE(Show(&handle).accepted);
  EXPECT_TRUE(main.IsWindowEnabled());
  EXPECT_EQ(AfxGetModuleState(), AfxGetAppModuleState()) << "the module state is restored";
}

TEST_F(OptionsDialog, AScriptThatRunsOutCancels) {
  script.Click(204);
  EXPECT_FALSE(Show().accepted);
  EXPECT_TRUE(script.Dialogs().at(0).scriptRanOut);
  EXPECT_FALSE(std::filesystem::exists(file));
}

}  // namespace
