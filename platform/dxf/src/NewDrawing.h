// writeNewDrawing: a database that did not come from a file, as a new, minimal R2000 DXF drawing:
// the header, the tables a reader needs (line types, layers, text style, application ids,
// dimension style, block records), the two layout blocks, the model space entities and the root
// dictionary. Entity kinds that EntityWriter cannot write are refused (DxfError naming `path`).
#pragma once

#include <string>

#include "DbDatabase.h"

namespace dxf {

std::string writeNewDrawing(OdDbDatabase* database, const std::string& path);

}  // namespace dxf
