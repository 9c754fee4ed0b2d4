// Read benchmark: loads each drawing named on the command line once and prints its size, the
// reading speed and the process's peak memory. Make the drawings with gen_drawing.py and run it
// by hand; the tests never run it.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "dxf/DxfError.h"
#include "dxf/DxfReader.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s drawing.dxf...\n", argv[0]);
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
    } catch (const OdError& e) {
      std::fprintf(stderr, "%s\n", e.description().toUtf8().c_str());
      return 1;
    }
  }
  return 0;
}
