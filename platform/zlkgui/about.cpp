#include "ZLKGUIUtils.h"
#include "afxwin.h"

void ZLKGUIUtils::About(CString title, HWND* owner) {
  CWnd* main = AfxGetMainWnd();
  HWND window = owner ? *owner : (main ? main->m_hWnd : nullptr);
  CString text = title + L"\n\nExports the 3D points of drawing entities to delimited text files.";
  MessageBoxW(window, text, title, MB_OK | MB_ICONINFORMATION);
}
