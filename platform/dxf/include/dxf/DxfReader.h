// Reading DXF drawings (ASCII or binary, R12 to R2018) into a runtime database.
//
// Every entity of model space and paper space is added in file order with its handle and layer;
// block definitions are kept as block table records (their entities are not in model space).
// Object coordinates become world coordinates as the runtime's accessors expect. The database
// remembers where it came from (OdDbDatabase::sourceData), so saveDxfFile can write it back
// losslessly.
//
// Malformed input throws dxf::DxfError (an OdError) whose description names the file, the line
// (or the byte offset of a binary file) and what was expected.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "DbDatabase.h"

namespace dxf {

struct ReadOptions {
  // The name error messages use for the file; the path when empty.
  std::string displayName;
  // Called now and then with the bytes read so far and the file size, for a progress bar.
  std::function<void(std::uint64_t done, std::uint64_t total)> progress;
  // An ASCII file whose entities may take this many bytes or more is read on two threads; 0: on
  // one thread always. The result is the same either way.
  std::uint64_t splitEntitiesFrom = std::uint64_t{8} << 20;
  // Told the offset where the second thread's part began, once its objects are in the database.
  std::function<void(std::uint64_t offset)> splitTaken;
};

OdDbDatabasePtr readDxfFile(const std::string& path, const ReadOptions& options = {});

}  // namespace dxf
