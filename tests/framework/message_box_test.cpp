#include <gtest/gtest.h>

#include "afxwin.h"
#include "ui/scripted_backend.h"

namespace {

TEST(FrameworkMessageBox, FlagsBecomeIconAndButtonsAndTheAnswerComesBack) {
  struct Case {
    UINT type;
    ui::MessageIcon icon;
    ui::MessageButtons buttons;
    int firstButton;
  };
  const Case cases[] = {
      {MB_OK, ui::MessageIcon::None, ui::MessageButtons::Ok, IDOK},
      {MB_ICONWARNING, ui::MessageIcon::Warning, ui::MessageButtons::Ok, IDOK},
      {MB_OKCANCEL | MB_ICONERROR, ui::MessageIcon::Error, ui::MessageButtons::OkCancel, IDOK},
      {MB_YESNO | MB_ICONQUESTION, ui::MessageIcon::Question, ui::MessageButtons::YesNo, IDYES},
      {MB_YESNOCANCEL | MB_ICONINFORMATION, ui::MessageIcon::Information,
       ui::MessageButtons::YesNoCancel, IDYES},
      {MB_RETRYCANCEL, ui::MessageIcon::None, ui::MessageButtons::RetryCancel, IDRETRY},
      {MB_ABORTRETRYIGNORE, ui::MessageIcon::None, ui::MessageButtons::AbortRetryIgnore, IDABORT},
  };
  ui::ScriptedBackend script;
  ui::ScopedBackend installed(&script);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    EXPECT_EQ(MessageBoxW(nullptr, L"text", L"caption", c.type), c.firstButton);
    const ui::MessageBoxRequest& shown = script.MessageBoxes().back().request;
    EXPECT_EQ(shown.icon, c.icon);
    EXPECT_EQ(shown.buttons, c.buttons);
  }
  script.AnswerMessageBox(ui::Answer::Cancel);
  EXPECT_EQ(MessageBoxW(nullptr, L"t", nullptr, MB_OKCANCEL), IDCANCEL);
  EXPECT_EQ(script.MessageBoxes().back().request.caption, L"Error") << "the default caption";
}

TEST(FrameworkMessageBox, OwnersAndCaptionsFollowTheCallingWindow) {
  ui::ScriptedBackend script;
  ui::ScopedBackend installed(&script);
  CWnd main;
  main.CreateTopLevel(L"Host window");
  CWinThread thread;
  thread.m_pMainWnd = &main;
  CWinThread* previous = AfxSetThread(&thread);
  AfxMessageBox(L"This command needs an active drawing", MB_ICONWARNING);
  main.MessageBox(L"Error displaying help file", L"Quorlex for Bricscad 10 version 1.0",
                  MB_ICONWARNING);
  AfxSetThread(previous);
  ASSERT_EQ(script.MessageBoxes().size(), 2u);
  EXPECT_EQ(script.MessageBoxes()[0].request.owner, L"Host window");
  EXPECT_EQ(script.MessageBoxes()[0].request.caption, std::wstring(AfxGetAppName()));
  EXPECT_EQ(script.MessageBoxes()[1].request.caption, L"Quorlex for Bricscad 10 version 1.0");
  EXPECT_EQ(script.MessageBoxes()[1].request.text, L"Error displaying help file");
}

TEST(FrameworkMessageBox, NothingIsShownWithoutABackend) {
  ui::ScopedBackend none(nullptr);
  EXPECT_EQ(MessageBoxW(nullptr, L"lost", L"caption", MB_OK), 0);
  EXPECT_EQ(AfxMessageBox(L"lost"), 0);
}

}  // namespace
