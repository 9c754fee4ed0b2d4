// Bytes as a menu file through the host's menu reader: a menu group or a MenuFileError.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/MenuFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    app::ParseMenuFile(std::string_view(reinterpret_cast<const char*>(data), size), "input.mnu");
  } catch (const app::MenuFileError&) {
  }
  return 0;
}
