#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "afxdlgs.h"
#include "ui/scripted_backend.h"

namespace {

namespace fs = std::filesystem;

class FrameworkFileDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() / ("framework-file-dialog-" + std::to_string(getpid()));
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }

  // The export command's save dialog.
  static CFileDialog SaveDialog(CWnd* owner = nullptr) {
    return CFileDialog(FALSE, L"txt", L"Export.txt", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       L"Points Text Files (*.txt)|*.txt||", owner);
  }

  fs::path folder;
  ui::ScriptedBackend script;
  ui::ScopedBackend installed{&script};
};

TEST_F(FrameworkFileDialog, HandsTheRequestToTheBackendAndGivesThePath) {
  CWnd main;
  main.CreateTopLevel(L"Host window");
  CFileDialog dialog = SaveDialog(&main);
  script.AnswerFileDialog((folder / "points.txt").wstring());
  ASSERT_EQ(dialog.DoModal(), IDOK);
  const ui::FileDialogRequest& request = script.FileDialogs().at(0);
  EXPECT_TRUE(request.save);
  EXPECT_EQ(request.initialName, L"Export.txt");
  EXPECT_EQ(request.defaultExtension, L"txt");
  EXPECT_EQ(request.filter, L"Points Text Files (*.txt)|*.txt||");
  EXPECT_TRUE(request.overwritePrompt);
  EXPECT_EQ(request.owner, L"Host window");
  EXPECT_EQ(dialog.GetPathName(), CString((folder / "points.txt").wstring()));
  EXPECT_EQ(dialog.GetFileName(), L"points.txt");
  EXPECT_EQ(dialog.GetFileTitle(), L"points");
  EXPECT_EQ(dialog.GetFileExt(), L"txt");
  EXPECT_EQ(dialog.GetFolderPath(), CString(folder.wstring()));
}

TEST_F(FrameworkFileDialog, AddsTheDefaultExtensionAndMakesThePathAbsolute) {
  fs::path before = fs::current_path();
  fs::current_path(folder);
  CFileDialog dialog = SaveDialog();
  script.AnswerFileDialog(L"site.survey/pts");
  EXPECT_EQ(dialog.DoModal(), IDOK);
  fs::current_path(before);
  EXPECT_EQ(dialog.GetPathName(), CString((folder / "site.survey/pts.txt").wstring()))
      << "the folder's dot is no extension of the file";
}

TEST_F(FrameworkFileDialog, AnExistingFileIsReplacedOnlyAfterYes) {
  std::ofstream(folder / "old.txt") << "keep";
  CFileDialog dialog = SaveDialog();
  script.AnswerFileDialog((folder / "old.txt").wstring()).AnswerMessageBox(ui::Answer::No);
  script.AnswerFileDialog((folder / "old").wstring()).AnswerMessageBox(ui::Answer::Yes);
  ASSERT_EQ(dialog.DoModal(), IDOK);
  ASSERT_EQ(script.MessageBoxes().size(), 2u);
  const ui::MessageBoxRequest& prompt = script.MessageBoxes()[0].request;
  EXPECT_EQ(prompt.text, L"old.txt already exists.\nDo you want to replace it?");
  EXPECT_EQ(prompt.caption, L"Confirm Save As");
  EXPECT_EQ(prompt.buttons, ui::MessageButtons::YesNo);
  EXPECT_EQ(prompt.icon, ui::MessageIcon::Warning);
  EXPECT_EQ(dialog.GetFileName(), L"old.txt");
}

TEST_F(FrameworkFileDialog, CancelAndNoBackendGiveIdCancel) {
  std::ofstream(folder / "old.txt") << "keep";
  CFileDialog declined = SaveDialog();
  script.AnswerFileDialog((folder / "old.txt").wstring()).AnswerMessageBox(ui::Answer::No);
  EXPECT_EQ(declined.DoModal(), IDCANCEL) << "No, then nothing more chosen";
  EXPECT_TRUE(declined.GetPathName().IsEmpty());
  ui::ScopedBackend none(nullptr);
  CFileDialog dialog = SaveDialog();
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(FrameworkFileDialog, AnOpenDialogRefusesAMissingFileWhenItMustExist) {
  CFileDialog dialog(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST);
  std::ofstream(folder / "there.txt") << "x";
  script.AnswerFileDialog((folder / "missing.txt").wstring())
      .AnswerFileDialog((folder / "there.txt").wstring());
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.GetFileName(), L"there.txt");
  ASSERT_EQ(script.MessageBoxes().size(), 1u);
  EXPECT_EQ(script.MessageBoxes()[0].request.text,
            L"missing.txt\nFile not found.\nCheck the file name and try again.");
}

}  // namespace
