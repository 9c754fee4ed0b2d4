// DxfError: the one error type of the drawing reader and writer. Its description names the file,
// the place in it (line for ASCII DXF, byte offset for binary DXF, none for whole-file problems)
// and what was expected, e.g. "site.dxf, line 1234: expected a group code, found 'abc'".
#pragma once

#include <cstdint>
#include <string>

#include "OdError.h"
#include "dxf/DxfTagReader.h"

namespace dxf {

class DxfError : public OdError {
 public:
  // A problem of the whole file (cannot open, cannot rename, ...).
  DxfError(const std::string& file, const std::string& what);
  // A problem at a place in the file; `where.line` 0 means a binary file's byte offset.
  DxfError(const std::string& file, DxfLocation where, const std::string& what);

  // The description as UTF-8, as built.
  const std::string& message() const { return message_; }
  const std::string& file() const { return file_; }
  DxfLocation location() const { return where_; }

 private:
  std::string file_;
  DxfLocation where_;
  std::string message_;
};

}  // namespace dxf
