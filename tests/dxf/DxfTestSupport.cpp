#include "DxfTestSupport.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace dxftest {
namespace fs = std::filesystem;

namespace {
std::string env(const char* name, const char* fallback) {
  const char* v = std::getenv(name);
  return v != nullptr && *v != '\0' ? v : fallback;
}
}  // namespace

fs::path fixture(const std::string& name) {
  return fs::path(env("QUORLEX_SOURCE_DIR", QUORLEX_SOURCE_DIR)) / "tests/data/dxf" / name;
}

fs::path corpusDir() {
  return fs::path(env("QUORLEX_SHARED_DIR", QUORLEX_SHARED_DIR)) / "dxf-corpus";
}

std::string readAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void writeAll(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

ScratchDir::ScratchDir() {
  std::string pattern = (fs::temp_directory_path() / "dxftest-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

ScratchDir::~ScratchDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

bool haveEzdxf() {
  std::string out;
  return runPython("import ezdxf\n", out) == 0;
}

int runPython(const std::string& script, std::string& output) {
  ScratchDir dir;
  writeAll(dir / "script.py", script);
  std::string cmd = "/usr/bin/python3 '" + (dir / "script.py").string() + "' 2>&1";
  FILE* p = ::popen(cmd.c_str(), "r");
  if (p == nullptr) return -1;
  char buf[4096];
  output.clear();
  for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) output.append(buf, n);
  int status = ::pclose(p);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace dxftest
