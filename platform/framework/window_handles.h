// The window handles behind HWND: which window object is attached, which dialog model and
// control a handle stands for, and the enabled state of windows without a model. Private to the
// framework.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "afxwnd.h"
#include "ui/dialog_model.h"

struct HWND__ {
  CWnd* attached = nullptr;           // the permanent window object, if any
  std::unique_ptr<CWnd> temporary;    // made by CWnd::FromHandle when none is attached
  HWND owner = nullptr;               // dialogs: the window that owns them
  HWND parent = nullptr;              // controls: their dialog
  ui::DialogModel* dialog = nullptr;  // dialogs and their controls
  int controlIndex = -1;              // controls: index into dialog->controls
  std::wstring caption;               // top-level windows
  bool enabled = true;                // windows that are not controls
  std::vector<HWND> children;
};

class WindowHandles {
 public:
  static HWND CreateTopLevel(std::wstring caption);
  // A dialog's handle with one child handle per control of `model`.
  static HWND CreateDialogWindow(ui::DialogModel* model, HWND owner);
  static void Destroy(HWND handle);
  static bool IsLive(HWND handle);
  static void Attach(CWnd* window, HWND handle);
  static HWND Child(HWND dialog, int id);
  // The control a handle stands for, or null for windows that are not controls.
  static ui::Control* ControlOf(HWND handle);
  // The caption a person sees on a window (for message-box owners).
  static std::wstring CaptionOf(HWND handle);

  // The innermost modal dialog that is running, which owns message boxes shown meanwhile.
  static void PushModal(HWND dialog);
  static void PopModal(HWND dialog);
  static HWND ActiveModal();
};
