// Bytes as a resource script through the dialog template reader: templates or a
// ResourceScriptError, never a crash or a loop.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "framework/resource_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    framework::ResourceScript::Parse(std::string_view(reinterpret_cast<const char*>(data), size),
                                     "input.rc");
  } catch (const framework::ResourceScriptError&) {
  }
  return 0;
}
