// Bytes as a settings file through the settings store's parser, and what it parses serialized and
// parsed again: the store writes what it serializes, so that text must always parse.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "registry_document.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zlk::RegistryDocument document;
  try {
    document = zlk::RegistryDocument::Parse(std::string(reinterpret_cast<const char*>(data), size));
  } catch (const zlk::RegistryParseError&) {
    return 0;
  }
  const std::string written = document.Serialize();
  try {
    zlk::RegistryDocument::Parse(written);
  } catch (const zlk::RegistryParseError&) {
    std::abort();  // the store would write a file it cannot read back
  }
  return 0;
}
