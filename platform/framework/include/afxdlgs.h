// CFileDialog: the save (or open) file dialog, shown through the window-system backend.
#pragma once

#include "afxwin.h"

#define OFN_READONLY 0x00000001u
#define OFN_OVERWRITEPROMPT 0x00000002u
#define OFN_HIDEREADONLY 0x00000004u
#define OFN_NOCHANGEDIR 0x00000008u
#define OFN_PATHMUSTEXIST 0x00000800u
#define OFN_FILEMUSTEXIST 0x00001000u

class CFileDialog : public CDialog {
 public:
  // `filter` is "Description|pattern|...||"; `defaultExtension` is appended (with a dot) to a
  // chosen name that has no extension.
  explicit CFileDialog(BOOL openFileDialog, LPCTSTR defaultExtension = nullptr,
                       LPCTSTR fileName = nullptr,
                       DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       LPCTSTR filter = nullptr, CWnd* parent = nullptr, DWORD size = 0,
                       BOOL vistaStyle = TRUE);

  // IDOK with a path chosen, IDCANCEL when cancelled (also when no backend is installed). With
  // OFN_OVERWRITEPROMPT, choosing an existing file in save mode asks "<name> already exists.\nDo
  // you want to replace it?" (Yes/No, warning icon, caption "Confirm Save As"); No asks for a
  // file again. With OFN_FILEMUSTEXIST, a missing file is refused the same way.
  INT_PTR DoModal() override;

  CString GetPathName() const;   // absolute path of the chosen file
  CString GetFileName() const;   // name with extension
  CString GetFileExt() const;    // extension without the dot
  CString GetFileTitle() const;  // name without extension
  CString GetFolderPath() const;

 private:
  bool AcceptChoice(const CString& path);

  BOOL open_;
  CString defaultExtension_;
  CString fileName_;
  DWORD flags_;
  CString filter_;
  CString chosen_;
};
