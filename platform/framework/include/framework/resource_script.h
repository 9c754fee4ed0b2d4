// The resource script reader: parses the dialog part of a resource script (.rc text) into dialog
// templates. Understood: DIALOGEX / DIALOG blocks with STYLE, EXSTYLE, CAPTION, FONT and
// BEGIN/END (or { }) with CONTROL, PUSHBUTTON, DEFPUSHBUTTON, CHECKBOX, AUTOCHECKBOX,
// RADIOBUTTON, AUTORADIOBUTTON, GROUPBOX, EDITTEXT, COMBOBOX, LTEXT, CTEXT, RTEXT; DLGINIT
// blocks (a control's init data: id, message, byte length, 0, then the bytes as 16-bit
// little-endian words or quoted strings, ending with 0); `#define NAME number` lines and the
// style and id names of afxres.h; `//` and `/* */` comments. Other preprocessor lines and other
// resource types (with their BEGIN/END block) are skipped.
//
// Strings are quoted with "" for a quote inside; \\, \", \n, \t and \ooo octal escapes are read.
// Text is UTF-8; init-data bytes are single-byte text as resource compilers write them (read as
// Latin-1). Any input gives either templates or a ResourceScriptError naming the line; none
// crashes or loops.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "windows.h"

namespace framework {

struct ControlTemplate {
  int id = -1;
  std::wstring className;  // "Button", "Edit", "Static" or "ComboBox"
  std::wstring text;
  DWORD style = 0;  // includes the statement's default styles, WS_CHILD and WS_VISIBLE
  DWORD exStyle = 0;
  int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
  int line = 0;                      // where the statement stands
};

struct InitDataEntry {
  int controlId = 0;
  UINT message = 0;  // CB_ADDSTRING for a drop-down list's entry
  std::wstring text;
};

struct DialogTemplate {
  int id = 0;
  bool extended = false;  // DIALOGEX
  int x = 0, y = 0, cx = 0, cy = 0;
  DWORD style = 0;
  DWORD exStyle = 0;
  std::wstring caption;
  int fontSize = 0;
  std::wstring fontName;
  std::vector<ControlTemplate> controls;  // template order
  std::vector<InitDataEntry> initData;    // from the DLGINIT block of the same id
};

class ResourceScriptError : public std::runtime_error {
 public:
  ResourceScriptError(const std::string& origin, int line, const std::string& what);
  int line() const { return line_; }

 private:
  int line_;
};

class ResourceScript {
 public:
  // Throws ResourceScriptError ("origin:line: what was expected").
  static ResourceScript Parse(std::string_view text, const std::string& origin);

  const DialogTemplate* FindDialog(int id) const;
  const std::vector<DialogTemplate>& Dialogs() const { return dialogs_; }

 private:
  std::vector<DialogTemplate> dialogs_;
};

}  // namespace framework
