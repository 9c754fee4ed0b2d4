#include "app/HostSds.h"

#include <string>

#include "app/Utf8.h"

namespace app {
namespace {

std::wstring CommandName(const wchar_t* text) {
  std::wstring_view name = text;
  while (!name.empty() && (name.front() == L'_' || name.front() == L'.')) name.remove_prefix(1);
  return AsciiUpper(name);
}

std::wstring Wide(const std::string& utf8) { return DecodeUtf8(utf8).value_or(L"?"); }

}  // namespace

int HostSds::getVar(const wchar_t* name, resbuf* result) { return variables_.Get(name, result); }

int HostSds::setVar(const wchar_t* name, const resbuf* value) {
  return variables_.Set(name, value);
}

int HostSds::command(const resbuf* arguments) {
  if (arguments == nullptr || arguments->restype != RTSTR || arguments->resval.rstring == nullptr) {
    return RTERROR;
  }
  const std::wstring name = CommandName(arguments->resval.rstring);
  if (name == L"MENULOAD") return LoadMenu(arguments->rbnext);
  output_.Line(L"Unknown command \"" + std::wstring(arguments->resval.rstring) + L"\".");
  return RTERROR;
}

int HostSds::LoadMenu(const resbuf* arguments) {
  if (arguments == nullptr || arguments->restype != RTSTR || arguments->resval.rstring == nullptr) {
    output_.Line(L"MENULOAD needs the name of a menu file.");
    return RTERROR;
  }
  std::string error;
  try {
    if (menus_.LoadGroup(LoadMenuFile(EncodeUtf8(arguments->resval.rstring)), error)) return RTNORM;
  } catch (const MenuFileError& failure) {
    error = failure.what();
  }
  output_.Line(L"Menu not loaded: " + Wide(error));
  return RTERROR;
}

int HostSds::menuCmd(const wchar_t* command) {
  std::string error;
  if (command != nullptr && menus_.Run(command, error)) return RTNORM;
  output_.Line(L"Menu command failed: " + Wide(command == nullptr ? "no command" : error));
  return RTERROR;
}

}  // namespace app
