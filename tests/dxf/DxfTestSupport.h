// Helpers of the dxf tests: where fixtures and the corpus are, scratch folders, whole-file
// reading and writing, and running Debian's python3 with ezdxf.
#pragma once

#include <filesystem>
#include <string>

namespace dxftest {

std::filesystem::path fixture(const std::string& name);  // tests/data/dxf/<name>
std::filesystem::path corpusDir();                       // the shared DXF corpus
std::string readAll(const std::filesystem::path& path);
void writeAll(const std::filesystem::path& path, const std::string& bytes);

// A fresh folder under the system's temporary folder, removed with the object.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// True when /usr/bin/python3 can import ezdxf.
bool haveEzdxf();
// Runs /usr/bin/python3 with the script; gives its exit status and fills `output` with stdout.
int runPython(const std::string& script, std::string& output);

}  // namespace dxftest
