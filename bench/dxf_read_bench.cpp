// Read benchmark: loads the drawing named on the command line once and prints its size, the
// reading speed and the process's peak memory, then the speed of the tokenizer alone (every tag,
// numbers parsed), which tells the reader's share from the runtime's object creation. Make the
// drawings with gen_drawing.py and run it by hand, one drawing per run (the peak is the process's);
// the tests never run it.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "dxf/DxfError.h"
#include "dxf/DxfReader.h"
#include "dxf/DxfTagReader.h"

namespace {

// Seconds to tokenize the whole file, parsing every number as the loader does.
double tokenizeSeconds(const char* path) {
  auto start = std::chrono::steady_clock::now();
  dxf::DxfTagReader reader(path, path);
  double sum = 0.0;
  while (reader.next()) {
    if (reader.code() == 0 && reader.isValue("EOF")) break;
    if (dxf::valueTypeOf(reader.code()) == dxf::ValueType::kDouble) sum += reader.real();
  }
  if (sum == 0.12345) std::puts("");  // keeps the parse from being optimised away
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s drawing.dxf\n", argv[0]);
    return 2;
  }
  for (int i = 1; i < argc; ++i) {
    double mb = static_cast<double>(std::filesystem::file_size(argv[i])) / 1e6;
    auto start = std::chrono::steady_clock::now();
    try {
      OdDbDatabasePtr db = dxf::readDxfFile(argv[i]);
      double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      rusage use{};
      getrusage(RUSAGE_SELF, &use);
      double peak = static_cast<double>(use.ru_maxrss) / 1e3;
      std::printf("%s: %.1f MB, %zu objects, %.2f s, %.0f MB/s, peak RSS %.0f MB (%.2f x file)\n",
                  argv[i], mb, db->numObjects(), s, mb / s, peak, peak / mb);
      std::printf("  tokenizer alone: %.0f MB/s\n", mb / tokenizeSeconds(argv[i]));
    } catch (const OdError& e) {
      std::fprintf(stderr, "%s\n", e.description().toUtf8().c_str());
      return 1;
    }
  }
  return 0;
}
