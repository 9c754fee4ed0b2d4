// Saving a runtime database as a DXF file.
//
// A database read by readDxfFile is saved losslessly: every byte of the source file is written
// back as it was read, the entities appended since the load (OdDbDatabase::appendedSinceLoad)
// are added at the end of the ENTITIES section in the file's own dialect (ASCII or binary, its
// line ends and padding, handles, owners and subclass markers where the file has them), and
// $HANDSEED becomes greater than every handle. The source file must not have changed since it
// was read (size, time and a sampled checksum are compared); otherwise the save is refused.
// Appended entities must be points, lines or circles in model space; others are refused before
// anything is written.
//
// A database that did not come from a file is written as a new, minimal R2000 drawing.
//
// The file is written to a temporary beside `path` and renamed over it; a previous file at
// `path` is kept as `path` + ".bak". Failures throw dxf::DxfError; the target is then untouched.
#pragma once

#include <string>

#include "DbDatabase.h"

namespace dxf {

void saveDxfFile(OdDbDatabase* database, const std::string& path);

}  // namespace dxf
