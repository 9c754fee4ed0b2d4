// Bytes as an ASCII DXF file through the drawing reader. The reader's contract: any input gives a
// database or a dxf::DxfError; anything else escaping, a crash or a sanitizer report is a finding.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "MemoryFile.h"
#include "dxf/DxfError.h"
#include "dxf/DxfReader.h"
#include "dxf/DxfTagReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view sentinel = dxf::kBinarySentinel;
  // Binary files have their own target; here the ASCII tokenizer and the loader are exercised.
  if (size >= sentinel.size() && std::memcmp(data, sentinel.data(), sentinel.size()) == 0) {
    return -1;
  }
  fuzz::MemoryFile file(data, size);
  try {
    dxf::readDxfFile(file.path(), {.displayName = "input.dxf", .progress = {}});
  } catch (const dxf::DxfError&) {
  }
  return 0;
}
