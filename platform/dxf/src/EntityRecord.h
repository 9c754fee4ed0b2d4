// EntityRecord: the values of one DXF entity, collected by the generic loader according to the
// entity kind's field table (group code, member, kind of value, default). The builders of the
// runtime entities read them from here by group code, so every kind is described once, as data.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Ge/GePoint3d.h"
#include "dxf/DxfTagReader.h"

namespace dxf {

enum class FieldKind : std::uint8_t {
  kReal,      // one number
  kInt,       // one integer (flags, counts)
  kText,      // one string, raw bytes of the file
  kPoint,     // x at code, y at code + 10, z at code + 20 (z defaults to the field's default)
  kPoints,    // repeated point: x starts a new point, y and z fill the last one
  kReals,     // repeated number, in file order
  kPerPoint,  // a number that belongs to the last point of the kPoints field `ref` (bulges)
};

struct FieldSpec {
  int code;
  const char* member;
  FieldKind kind;
  double defaultValue = 0.0;
  int ref = 0;  // kPerPoint: the x code of its point list
};

struct KindSpec {
  std::string_view dxfName;
  std::span<const FieldSpec> fields;
};

class EntityRecord {
 public:
  // Starts a new entity of `kind` (null for kinds without a table: only common values are kept).
  void reset(const KindSpec* kind);
  // Takes the reader's current tag if the kind's table has its code; false otherwise.
  bool accept(const DxfTagReader& reader);

  double real(int code) const;
  std::int64_t integer(int code) const { return static_cast<std::int64_t>(real(code)); }
  OdGePoint3d point(int code) const;
  const std::vector<OdGePoint3d>& points(int code) const;
  const std::vector<double>& reals(int code) const;
  const std::string& text(int code) const;
  bool has(int code) const;
  // Where the field's (last) tag was read, for messages about contradicting values.
  DxfLocation where(int code) const;

 private:
  static constexpr int kMaxFields = 24;
  static constexpr int kMaxCode = 512;
  int fieldOf(int code) const;
  void acceptPoints(int field, int component, const DxfTagReader& reader);

  const KindSpec* kind_ = nullptr;
  std::array<std::array<double, 3>, kMaxFields> scalar_{};
  std::array<bool, kMaxFields> present_{};
  std::array<DxfLocation, kMaxFields> where_{};
  std::array<std::vector<OdGePoint3d>, kMaxFields> points_;
  std::array<std::vector<double>, kMaxFields> reals_;
  std::array<std::string, kMaxFields> texts_;
  // Per kind: code -> field index * 4 + component + 1 (0: not in the table).
  std::array<std::int16_t, kMaxCode> map_{};
};

}  // namespace dxf
