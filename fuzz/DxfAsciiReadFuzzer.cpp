// Bytes as an ASCII DXF file through the drawing reader. The reader's contract: any input gives a
// database or a dxf::DxfError; anything else escaping, a crash or a sanitizer report is a finding.
// Each input is read twice, on one thread and with the entities split between two wherever a
// boundary is found: both must give the same objects or the same error.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "MemoryFile.h"
#include "dxf/DxfError.h"
#include "dxf/DxfReader.h"
#include "dxf/DxfTagReader.h"

namespace {

std::string outcome(const std::string& path, bool twoThreads) {
  dxf::ReadOptions options;
  options.displayName = "input.dxf";
  options.splitEntitiesFrom = twoThreads ? 1 : 0;
  try {
    OdDbDatabasePtr db = dxf::readDxfFile(path, options);
    return "objects " + std::to_string(db->numObjects()) + ", handseed " +
           db->handseed().asciiNarrow();
  } catch (const dxf::DxfError& e) {
    return e.message();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view sentinel = dxf::kBinarySentinel;
  // Binary files have their own target; here the ASCII tokenizer and the loader are exercised.
  if (size >= sentinel.size() && std::memcmp(data, sentinel.data(), sentinel.size()) == 0) {
    return -1;
  }
  fuzz::MemoryFile file(data, size);
  if (outcome(file.path(), false) != outcome(file.path(), true)) std::abort();
  return 0;
}
