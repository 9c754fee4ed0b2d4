// Bytes as a binary DXF file through the drawing reader: the binary sentinel is put in front of
// inputs that lack it, so every mutation reaches the binary tag decoder. Any input must give a
// database or a dxf::DxfError.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "MemoryFile.h"
#include "dxf/DxfError.h"
#include "dxf/DxfReader.h"
#include "dxf/DxfTagReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view sentinel = dxf::kBinarySentinel;
  std::string bytes(reinterpret_cast<const char*>(data), size);
  if (!bytes.starts_with(sentinel)) bytes.insert(0, sentinel);
  fuzz::MemoryFile file(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  try {
    dxf::readDxfFile(
        file.path(),
        {.displayName = "input.dxf", .progress = {}, .splitEntitiesFrom = 0, .splitTaken = {}});
  } catch (const dxf::DxfError&) {
  }
  return 0;
}
