// The host's main window as the plug-in reaches it: the owner of every window the plug-in shows.
#pragma once

#include "afxwin.h"

// The main window of the host's current thread; null when the host set no thread object or its
// thread has no main window (a host running without a window, as in batch use).
HWND FindHostMainWindow();

// The framework window object for *mainWindow, to be handed as the parent of a dialog; null when
// mainWindow is null or holds no window, which leaves the owner to the framework.
CWnd* OwnerWindow(HWND* mainWindow);
