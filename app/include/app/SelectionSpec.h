// SelectionSpec: how the host program answers "Select objects:" without a mouse.
//
//   ALL                every model-space entity, in drawing order
//   NONE               nothing (the empty selection)
//   LAYER=a,b          entities on any of the named layers (case-insensitive, as layer names are)
//   TYPE=LINE,ARC      entities of the named DXF types (case-insensitive; POLYLINE covers 2D and
//                      3D polylines and both meshes, as in the file)
//   HANDLE=1F,2A       entities with the given hexadecimal handles (case-insensitive)
//
// The keywords are case-insensitive, spaces around list items are ignored, and a list item may
// not be empty. A spec that names nothing present gives an empty selection; a malformed one is
// refused by Parse.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace app {

class SelectionSpecError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What a spec looks at of one entity.
struct EntityTraits {
  std::wstring_view layer;
  std::wstring_view dxfType;  // as the file names it: "LINE", "LWPOLYLINE", "3DFACE", ...
  std::uint64_t handle = 0;
};

class SelectionSpec {
 public:
  enum class Kind { kAll, kNone, kLayer, kType, kHandle };

  SelectionSpec() = default;  // ALL
  // `text` is UTF-8. Throws SelectionSpecError with a message that quotes the bad part.
  static SelectionSpec Parse(std::string_view text);

  Kind kind() const { return kind_; }
  bool Matches(const EntityTraits& entity) const;
  // The parts of Matches for one trait, for callers that look a trait up only when the kind
  // needs it.
  bool MatchesLayer(std::wstring_view layer) const;
  bool MatchesType(std::wstring_view dxfType) const;
  bool MatchesHandle(std::uint64_t handle) const;

 private:
  Kind kind_ = Kind::kAll;
  std::vector<std::wstring> names_;  // upper-cased layer or type names
  std::vector<std::uint64_t> handles_;
};

}  // namespace app
