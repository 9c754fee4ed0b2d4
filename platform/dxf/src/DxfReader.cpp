#include "dxf/DxfReader.h"

#include "DrawingLoader.h"

namespace dxf {

OdDbDatabasePtr readDxfFile(const std::string& path, const ReadOptions& options) {
  DrawingLoader loader(path, options);
  return loader.load();
}

}  // namespace dxf
