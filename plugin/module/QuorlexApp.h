// CQuorlexApp: the module's application object. Its one static instance gives the module its own
// framework module state (instance handle, resources), in which the module's dialogs and the help
// command run; no product logic lives here.
#pragma once

#include "afxwin.h"

class CQuorlexApp : public CWinApp {
 public:
  CQuorlexApp();
  BOOL InitInstance() override;

  DECLARE_MESSAGE_MAP()
};
