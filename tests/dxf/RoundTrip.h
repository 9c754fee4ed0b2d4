// Round-trip helpers: append points to a loaded drawing's model space, and take a saved file
// apart again (found by the tokenizer, not by the writer) into the original bytes, the appended
// entities and the $HANDSEED value, so that tests can compare the rest byte for byte.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "DbDatabase.h"
#include "Ge/GePoint3d.h"

namespace dxftest {

// Appends a point entity at each position to model space; gives their handles.
std::vector<std::uint64_t> appendPoints(OdDbDatabase* db, const std::vector<OdGePoint3d>& at);

struct SavedParts {
  std::string rest;                // the file without the appended entities and $HANDSEED's value
  std::vector<std::string> added;  // the appended entities' group code 0 values, in order
  std::vector<OdGePoint3d> addedPoints;
  std::vector<std::uint64_t> addedHandles;  // empty for a file without handles
  std::uint64_t handseed = 0;
  std::uint64_t maxHandle = 0;  // greatest group code 5 handle of the file
};

// Splits a DXF file: the last `appended` entities of ENTITIES and the $HANDSEED value are taken
// out of `rest`. With appended 0 it describes an original file the same way.
SavedParts splitSaved(const std::string& path, std::size_t appended);

}  // namespace dxftest
