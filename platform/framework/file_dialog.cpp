#include <sys/stat.h>
#include <unistd.h>

#include "afxdlgs.h"
#include "ui/backend.h"
#include "window_handles.h"

namespace {

bool Exists(const CString& path) {
  struct stat info {};
  return ::stat(CW2A(path), &info) == 0;
}

CString Absolute(const std::wstring& path) {
  if (!path.empty() && path[0] == L'/') return CString(path);
  char buffer[4096];
  if (!::getcwd(buffer, sizeof buffer)) return CString(path);
  return CString(buffer) + L"/" + CString(path);
}

int LastSlash(const CString& path) { return path.ReverseFind(L'/'); }

CString NamePart(const CString& path) { return path.Mid(LastSlash(path) + 1); }

}  // namespace

CFileDialog::CFileDialog(BOOL openFileDialog, LPCTSTR defaultExtension, LPCTSTR fileName,
                         DWORD flags, LPCTSTR filter, CWnd* parent, DWORD, BOOL)
    : CDialog(0, parent),
      open_(openFileDialog),
      defaultExtension_(defaultExtension),
      fileName_(fileName),
      flags_(flags),
      filter_(filter) {}

INT_PTR CFileDialog::DoModal() {
  ui::Backend* backend = ui::CurrentBackend();
  if (!backend) return IDCANCEL;
  CWnd* owner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
  ui::FileDialogRequest request;
  request.save = !open_;
  request.initialName = fileName_.str();
  request.defaultExtension = defaultExtension_.str();
  request.filter = filter_.str();
  request.overwritePrompt = !open_ && (flags_ & OFN_OVERWRITEPROMPT) != 0;
  request.owner = WindowHandles::CaptionOf(owner ? owner->m_hWnd : nullptr);
  while (std::optional<std::wstring> answer = backend->ShowFileDialog(request)) {
    if (answer->empty()) continue;
    CString path = Absolute(*answer);
    if (!defaultExtension_.IsEmpty() && NamePart(path).Find(L'.') < 0) {
      path += L"." + defaultExtension_;
    }
    if (AcceptChoice(path)) {
      chosen_ = path;
      return IDOK;
    }
  }
  return IDCANCEL;
}

bool CFileDialog::AcceptChoice(const CString& path) {
  CWnd* owner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
  HWND handle = owner ? owner->m_hWnd : nullptr;
  bool exists = Exists(path);
  if (!open_ && exists && (flags_ & OFN_OVERWRITEPROMPT)) {
    CString text = NamePart(path) + L" already exists.\nDo you want to replace it?";
    return MessageBoxW(handle, text, L"Confirm Save As", MB_YESNO | MB_ICONWARNING) == IDYES;
  }
  if (open_ && !exists && (flags_ & OFN_FILEMUSTEXIST)) {
    CString text = NamePart(path) + L"\nFile not found.\nCheck the file name and try again.";
    MessageBoxW(handle, text, L"Open", MB_OK | MB_ICONWARNING);
    return false;
  }
  return true;
}

CString CFileDialog::GetPathName() const { return chosen_; }

CString CFileDialog::GetFileName() const { return NamePart(chosen_); }

CString CFileDialog::GetFileExt() const {
  CString name = GetFileName();
  int dot = name.ReverseFind(L'.');
  return dot < 0 ? CString() : name.Mid(dot + 1);
}

CString CFileDialog::GetFileTitle() const {
  CString name = GetFileName();
  int dot = name.ReverseFind(L'.');
  return dot < 0 ? name : name.Left(dot);
}

CString CFileDialog::GetFolderPath() const {
  int slash = LastSlash(chosen_);
  return slash <= 0 ? chosen_.Left(slash + 1) : chosen_.Left(slash);
}
