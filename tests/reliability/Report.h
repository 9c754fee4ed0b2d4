// The outcome table of the reliability tests: when $QUORLEX_RELIABILITY_REPORT names a file, each
// case appends one tab-separated row to it (what was done, and what the program answered), which
// scripts/reliability-report.sh turns into the tables of docs/reliability.md.
#pragma once

#include <string>

namespace reliability {

// `columns` are joined by tabs; tabs and line breaks inside them become blanks.
void ReportRow(const std::string& table, std::initializer_list<std::string> columns);

// The first line of `text` that contains `needle`, else the last non-empty line.
std::string LineWith(const std::string& text, const std::string& needle);

}  // namespace reliability
