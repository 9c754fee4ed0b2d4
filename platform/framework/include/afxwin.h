// The framework subset's main header: strings, windows, dialogs with data exchange, message
// maps, threads and the application object, module state, and message boxes.
#pragma once

#include "afxdialog.h"
#include "afxmodule.h"
#include "afxobject.h"
#include "afxres.h"
#include "afxstr.h"
#include "afxthread.h"
#include "afxwnd.h"
#include "windows.h"

// A message box with the application's name as caption, owned by the running modal dialog or,
// when there is none, by the main window.
int AfxMessageBox(LPCTSTR text, UINT type = MB_OK, UINT helpId = 0);
