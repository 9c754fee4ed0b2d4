// EntityBoundary: finds a place in the ENTITIES section of an ASCII DXF file where a second
// reader can take it up, so that a large section is read on two threads.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace dxf {

// The offset of the first line at or after `from` (and before `limit`) that is a group code 0
// starting a top-level entity: a line "0" (blanks allowed) followed by an entity name that is
// not a follower (VERTEX, SEQEND, ATTRIB) or a structure keyword. In a well-formed file a name
// line cannot be a group code, so the "0" before it is one; the caller still confirms the place
// by reaching it with its own reader. Empty when there is none or the file cannot be read.
std::optional<std::uint64_t> findEntityBoundary(const std::string& path, std::uint64_t from,
                                                std::uint64_t limit);

}  // namespace dxf
