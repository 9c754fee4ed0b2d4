// HostSystemVariables: the system variables the host answers sds_getvar and sds_setvar with.
//
//   _VERNUM    the host's version text ("10.3.1" unless --host-version gives another); read-only
//   DWGNAME    the drawing's file name; read-only
//   DWGPREFIX  the drawing's folder, absolute, with a trailing "/"; read-only
//   CMDECHO    1; settable (0 or 1)
//   FILEDIA    1; settable (0 or 1). At 0 the shell asks for file names on the command line
//              instead of showing the save-file dialog (app/ShellBackend.h)
// Names are case-insensitive. A variable keeps its type: setting one from a buffer of another
// type, or setting a read-only one, is refused.
#pragma once

#include <map>
#include <string>
#include <variant>

#include "sds.h"

namespace app {

inline constexpr wchar_t kDefaultHostVersion[] = L"10.3.1";

class HostSystemVariables {
 public:
  HostSystemVariables(std::wstring hostVersion, const std::string& drawingPath);

  // As sds_getvar / sds_setvar: RTNORM or RTERROR.
  int Get(const wchar_t* name, resbuf* result) const;
  int Set(const wchar_t* name, const resbuf* value);
  // DWGNAME and DWGPREFIX for another open drawing.
  void SetDrawing(const std::string& drawingPath);

 private:
  struct Variable {
    std::variant<std::wstring, short> value;
    bool readOnly = true;
  };
  const Variable* Find(const wchar_t* name) const;
  Variable* Find(const wchar_t* name) {
    return const_cast<Variable*>(static_cast<const HostSystemVariables*>(this)->Find(name));
  }

  std::map<std::wstring, Variable> variables_;  // by upper-case name
};

}  // namespace app
