#include "app/HostSystemVariables.h"

#include <cstdlib>
#include <filesystem>

#include "SdsHost.h"
#include "app/Utf8.h"

namespace app {
namespace {

// The drawing's folder as an absolute path with a trailing "/", as CAD hosts give DWGPREFIX.
std::wstring Folder(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  if (error) return L"";
  return DecodeUtf8(absolute.parent_path().string() + "/").value_or(L"");
}

std::wstring FileName(const std::string& path) {
  const size_t slash = path.rfind('/');
  return DecodeUtf8(slash == std::string::npos ? path : path.substr(slash + 1)).value_or(L"");
}

}  // namespace

HostSystemVariables::HostSystemVariables(std::wstring hostVersion, const std::string& drawingPath) {
  variables_[L"_VERNUM"] = Variable{std::move(hostVersion), true};
  SetDrawing(drawingPath);
  variables_[L"CMDECHO"] = Variable{short{1}, false};
  variables_[L"FILEDIA"] = Variable{short{1}, false};
}

void HostSystemVariables::SetDrawing(const std::string& drawingPath) {
  variables_[L"DWGNAME"] = Variable{FileName(drawingPath), true};
  variables_[L"DWGPREFIX"] = Variable{Folder(drawingPath), true};
}

const HostSystemVariables::Variable* HostSystemVariables::Find(const wchar_t* name) const {
  if (name == nullptr) return nullptr;
  const auto found = variables_.find(AsciiUpper(name));
  return found == variables_.end() ? nullptr : &found->second;
}

int HostSystemVariables::Get(const wchar_t* name, resbuf* result) const {
  const Variable* variable = Find(name);
  if (variable == nullptr || result == nullptr) return RTERROR;
  if (const auto* text = std::get_if<std::wstring>(&variable->value)) {
    if (odSdsSetString(result, text->c_str()) != RTNORM) return RTERROR;
    result->restype = RTSTR;
    return RTNORM;
  }
  if (result->restype == RTSTR) std::free(result->resval.rstring);
  result->restype = RTSHORT;
  result->resval.rint = std::get<short>(variable->value);
  return RTNORM;
}

int HostSystemVariables::Set(const wchar_t* name, const resbuf* value) {
  Variable* variable = Find(name);
  if (variable == nullptr || value == nullptr || variable->readOnly) return RTERROR;
  const bool isShort = std::holds_alternative<short>(variable->value);
  if (!isShort || value->restype != RTSHORT) return RTERROR;
  if (value->resval.rint != 0 && value->resval.rint != 1) return RTERROR;
  variable->value = value->resval.rint;
  return RTNORM;
}

}  // namespace app
