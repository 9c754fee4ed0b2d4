#include <gtest/gtest.h>

#include "ZLKGUIUtils.h"
#include "afxwin.h"
#include "ui/scripted_backend.h"

namespace {

TEST(ZlkguiAbout, ShowsTheTitleAndProductTextWithAnOkButtonOwnedByTheWindow) {
  ui::ScriptedBackend script;
  ui::ScopedBackend installed(&script);
  CWnd main;
  main.CreateTopLevel(L"Host window");
  HWND handle = main.m_hWnd;
  ZLKGUIUtils::About(L"Quorlex for Bricscad 10 version 1.0", &handle);
  ZLKGUIUtils::About(L"Quorlex for Bricscad ???? version 1.0", nullptr);
  ASSERT_EQ(script.MessageBoxes().size(), 2u);
  const ui::MessageBoxRequest& box = script.MessageBoxes()[0].request;
  EXPECT_EQ(box.caption, L"Quorlex for Bricscad 10 version 1.0");
  EXPECT_EQ(box.text.rfind(L"Quorlex for Bricscad 10 version 1.0\n", 0), 0u);
  EXPECT_NE(box.text.find(L"delimited text files"), std::wstring::npos);
  EXPECT_EQ(box.buttons, ui::MessageButtons::Ok);
  EXPECT_EQ(box.icon, ui::MessageIcon::Information);
  EXPECT_EQ(box.owner, L"Host window");
  EXPECT_EQ(script.MessageBoxes()[1].request.owner, L"");
}

}  // namespace
