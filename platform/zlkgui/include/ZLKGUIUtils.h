// ZLKGUIUtils: small user-interface services of the maker's library; the About box.
#pragma once

#include "afxstr.h"

class ZLKGUIUtils {
 public:
  // Shows the About box: `title` as its caption and first line, the product text and an OK
  // button, owned by *owner (or the main window when owner is null). Returns when it is closed.
  static void About(CString title, HWND* owner);
};
