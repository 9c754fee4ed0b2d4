#include "dxf/DxfError.h"

namespace dxf {
namespace {

std::string placed(const std::string& file, DxfLocation where, const std::string& what) {
  if (where.line > 0) return file + ", line " + std::to_string(where.line) + ": " + what;
  return file + ", byte offset " + std::to_string(where.offset) + ": " + what;
}

}  // namespace

DxfError::DxfError(const std::string& file, const std::string& what)
    : OdError(eInvalidInput, OdString::fromUtf8(file + ": " + what)),
      file_(file),
      message_(file + ": " + what) {}

DxfError::DxfError(const std::string& file, DxfLocation where, const std::string& what)
    : OdError(eInvalidInput, OdString::fromUtf8(placed(file, where, what))),
      file_(file),
      where_(where),
      message_(placed(file, where, what)) {}

}  // namespace dxf
