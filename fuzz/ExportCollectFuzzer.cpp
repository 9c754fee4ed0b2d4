// Bytes as a drawing (ASCII or binary), then the export's point collection, with every option on,
// over every entity of model and paper space: every converter runs on whatever entity data the
// reader accepts. The reader may refuse the file with a dxf::DxfError; once a drawing is loaded,
// no error may escape the collection.
#include <cstddef>
#include <cstdint>

#include "DbBlockTableRecord.h"
#include "DbObjectIterator.h"
#include "MemoryFile.h"
#include "dxf/DxfError.h"
#include "dxf/DxfReader.h"
#include "export/PointCollector.h"

namespace {

ExportOptions EveryOption() {
  ExportOptions options;
  options.points = options.extract = options.endPoint = options.midPoint = 1;
  options.centerPoint = options.controlPoint = options.vertex = options.text = 1;
  options.format = 0;
  options.delimiter = 2;
  return options;
}

void CollectSpace(const OdDbObjectId& space, PointCollector& collector) {
  OdDbBlockTableRecordPtr record = space.safeOpenObject();
  for (OdDbObjectIteratorPtr it = record->newIterator(); !it->done(); it->step()) {
    collector.CollectObject(it->objectId());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::MemoryFile file(data, size);
  OdDbDatabasePtr database;
  try {
    database = dxf::readDxfFile(
        file.path(),
        {.displayName = "input.dxf", .progress = {}, .splitEntitiesFrom = 0, .splitTaken = {}});
  } catch (const dxf::DxfError&) {
    return 0;
  }
  const ExportOptions options = EveryOption();
  ON_3dPointArray points;
  PointCollector collector(options, points);
  CollectSpace(database->getModelSpaceId(), collector);
  CollectSpace(database->getPaperSpaceId(), collector);
  return 0;
}
