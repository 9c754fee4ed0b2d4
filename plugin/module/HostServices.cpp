#include "HostServices.h"

#include <cwchar>
#include <string>

#include "ZLKGUIUtils.h"
#include "afxstr.h"
#include "host/ProductTitle.h"
#include "sds.h"

namespace {

// The module's folder with its trailing separator (drive and directory of its path). False when
// the path is unknown or does not fit the platform's path buffers, which would cut it short and
// name another folder.
bool ModuleFolder(HINSTANCE moduleHandle, std::wstring& folder) {
  wchar_t path[MAX_PATH] = L"";
  const DWORD length = GetModuleFileNameW(moduleHandle, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH - 1) return false;
  wchar_t drive[_MAX_DRIVE], dir[_MAX_DIR], name[_MAX_FNAME], ext[_MAX_EXT];
  _wsplitpath(path, drive, dir, name, ext);
  const std::size_t parts =
      std::wcslen(drive) + std::wcslen(dir) + std::wcslen(name) + std::wcslen(ext);
  if (parts != length) return false;
  folder = std::wstring(drive) + dir;
  return true;
}

void ShowWarning(HWND* mainWindow, const wchar_t* text) {
  MessageBoxW(mainWindow ? *mainWindow : nullptr, text, ProductTitle(), MB_ICONWARNING);
}

}  // namespace

void LoadProductMenu(HINSTANCE moduleHandle) {
  std::wstring folder;
  if (!ModuleFolder(moduleHandle, folder)) return;
  const std::wstring menuPath = folder + L"Quorlex.mnu";
  sds_command(RTSTR, L"_menuload", RTSTR, menuPath.c_str(), RTNONE);
  sds_menucmd(L"P10=+Quorlex.pop1");
}

void ShowHelp(HINSTANCE moduleHandle, HWND* mainWindow) {
  BuildProductTitle();
  std::wstring folder;
  if (ModuleFolder(moduleHandle, folder)) {
    const std::wstring helpPath = folder + L"Quorlex_" + L"Bricscad" + L".chm";
    HINSTANCE result = ShellExecuteW(nullptr, L"open", helpPath.c_str(), L"", nullptr, SW_SHOW);
    if (reinterpret_cast<INT_PTR>(result) > 32) return;
  }
  ShowWarning(mainWindow, L"Error displaying help file");
}

void ShowAbout(HWND* mainWindow) {
  BuildProductTitle();
  ZLKGUIUtils::About(CString(ProductTitle()), mainWindow);
}
