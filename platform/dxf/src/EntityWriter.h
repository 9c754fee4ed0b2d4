// EntityWriter: writes runtime entities as DXF entity tags with the habits of the file they go
// into (handles, owner pointers, subclass markers; text as UTF-8 from R2007 on, else ASCII with
// \U+XXXX escapes). Points, lines and circles can be written; other kinds are refused.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

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

// The encoded text of each layer entities are written on, made once per layer. Learning a layer
// reads its record; with every layer of a batch learnt beforehand, writers on other threads only
// read the copy they are given.
class LayerTexts {
 public:
  explicit LayerTexts(bool utf8) : utf8_(utf8) {}
  const std::string& of(const OdDbEntity* entity);

 private:
  bool utf8_;
  std::vector<std::pair<OdDbObjectId, std::string>> texts_;
};

class EntityWriter {
 public:
  EntityWriter(TagWriter& out, EntityHabits habits)
      : out_(out), habits_(habits), layers_(habits.utf8) {}
  EntityWriter(TagWriter& out, EntityHabits habits, LayerTexts layers)
      : out_(out), habits_(habits), layers_(std::move(layers)) {}
  // Throws DxfError naming `file` for an entity kind it cannot write.
  void write(const OdDbEntity* entity, const std::string& file);

 private:
  void common(const OdDbEntity* entity, const char* dxfName, const char* subclass);
  TagWriter& out_;
  EntityHabits habits_;
  LayerTexts layers_;
};

// Text for a DXF string value: UTF-8, or ASCII with \U+XXXX for everything else.
std::string encodeText(const OdString& text, bool utf8);

}  // namespace dxf
