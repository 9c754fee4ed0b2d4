#include "Report.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace reliability {

void ReportRow(const std::string& table, std::initializer_list<std::string> columns) {
  const char* path = std::getenv("QUORLEX_RELIABILITY_REPORT");
  if (path == nullptr || *path == '\0') return;
  std::string row = table;
  for (std::string column : columns) {
    std::replace_if(
        column.begin(), column.end(), [](char c) { return c == '\t' || c == '\n'; }, ' ');
    row += "\t" + column;
  }
  std::ofstream(path, std::ios::app) << row << "\n";
}

std::string LineWith(const std::string& text, const std::string& needle) {
  std::istringstream lines(text);
  std::string last, line;
  while (std::getline(lines, line)) {
    if (line.find(needle) != std::string::npos) return line;
    if (!line.empty()) last = line;
  }
  return last;
}

}  // namespace reliability
