// EntityWriter: writes runtime entities as DXF entity tags with the habits of the file they go
// into (handles, owner pointers, subclass markers; text as UTF-8 from R2007 on, else ASCII with
// \U+XXXX escapes). Points, lines and circles can be written; other kinds are refused.
#pragma once

#include <cstdint>
#include <string>

#include "DbEntity.h"
#include "TagWriter.h"

namespace dxf {

struct EntityHabits {
  bool handles = true;
  bool subclassMarkers = true;
  bool owners = true;
  std::uint64_t ownerHandle = 0;
  bool utf8 = true;
};

class EntityWriter {
 public:
  EntityWriter(TagWriter& out, EntityHabits habits) : out_(out), habits_(habits) {}
  // Throws DxfError naming `file` for an entity kind it cannot write.
  void write(const OdDbEntity* entity, const std::string& file);

 private:
  void common(const OdDbEntity* entity, const char* dxfName, const char* subclass);
  TagWriter& out_;
  EntityHabits habits_;
};

// Text for a DXF string value: UTF-8, or ASCII with \U+XXXX for everything else.
std::string encodeText(const OdString& text, bool utf8);

}  // namespace dxf
