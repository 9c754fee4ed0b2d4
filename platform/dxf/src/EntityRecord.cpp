#include "EntityRecord.h"

#include <cassert>

namespace dxf {
namespace {

const std::vector<OdGePoint3d> kNoPoints;
const std::vector<double> kNoReals;
const std::string kNoText;

int components(FieldKind kind) {
  return kind == FieldKind::kPoint || kind == FieldKind::kPoints ? 3 : 1;
}

}  // namespace

void EntityRecord::reset(const KindSpec* kind) {
  if (kind != kind_) {
    map_.fill(0);
    kind_ = kind;
    if (kind != nullptr) {
      assert(kind->fields.size() <= kMaxFields && "field table too long");
      for (std::size_t f = 0; f < kind->fields.size(); ++f) {
        const FieldSpec& spec = kind->fields[f];
        for (int c = 0; c < components(spec.kind); ++c) {
          assert(spec.code + 10 * c < kMaxCode && "group code out of the table's range");
          map_[spec.code + 10 * c] = static_cast<std::int16_t>(f * 4 + c + 1);
        }
      }
    }
  }
  if (kind == nullptr) return;
  for (std::size_t f = 0; f < kind->fields.size(); ++f) {
    const FieldSpec& spec = kind->fields[f];
    scalar_[f] = {spec.defaultValue, spec.defaultValue, spec.defaultValue};
    if (spec.kind == FieldKind::kPoint) scalar_[f] = {0.0, 0.0, spec.defaultValue};
    present_[f] = false;
    points_[f].clear();
    reals_[f].clear();
    texts_[f].clear();
  }
}

int EntityRecord::fieldOf(int code) const {
  if (kind_ == nullptr || code < 0 || code >= kMaxCode || map_[code] == 0) return -1;
  return (map_[code] - 1) / 4;
}

void EntityRecord::acceptPoints(int field, int component, const DxfTagReader& reader) {
  auto& list = points_[field];
  if (component == 0) {
    list.emplace_back(reader.real(), 0.0, kind_->fields[field].defaultValue);
    // Values that belong to points grow with them, zero until given.
    for (std::size_t f = 0; f < kind_->fields.size(); ++f) {
      const FieldSpec& s = kind_->fields[f];
      if (s.kind == FieldKind::kPerPoint && s.ref == kind_->fields[field].code) {
        reals_[f].resize(list.size(), s.defaultValue);
      }
    }
    return;
  }
  if (list.empty()) {
    reader.failAtTag("expected group code " + std::to_string(kind_->fields[field].code) +
                     " before group code " + std::to_string(reader.code()));
  }
  (component == 1 ? list.back().y : list.back().z) = reader.real();
}

bool EntityRecord::accept(const DxfTagReader& reader) {
  int code = reader.code();
  int field = fieldOf(code);
  if (field < 0) return false;
  int component = (map_[code] - 1) % 4;
  const FieldSpec& spec = kind_->fields[field];
  present_[field] = true;
  where_[field] = reader.tagStart();
  switch (spec.kind) {
    case FieldKind::kReal:
    case FieldKind::kPoint:
      scalar_[field][component] = reader.real();
      return true;
    case FieldKind::kInt:
      scalar_[field][0] = static_cast<double>(reader.integer());
      return true;
    case FieldKind::kText:
      texts_[field].assign(reader.text());
      return true;
    case FieldKind::kPoints:
      acceptPoints(field, component, reader);
      return true;
    case FieldKind::kReals:
      reals_[field].push_back(reader.real());
      return true;
    case FieldKind::kPerPoint: {
      auto& values = reals_[field];
      if (values.empty()) {
        reader.failAtTag("expected group code " + std::to_string(spec.ref) + " before group code " +
                         std::to_string(code));
      }
      values.back() = reader.real();
      return true;
    }
  }
  return true;
}

double EntityRecord::real(int code) const {
  int f = fieldOf(code);
  assert(f >= 0 && "code not in the kind's table");
  return scalar_[f][(map_[code] - 1) % 4];
}

OdGePoint3d EntityRecord::point(int code) const {
  int f = fieldOf(code);
  assert(f >= 0 && "code not in the kind's table");
  return {scalar_[f][0], scalar_[f][1], scalar_[f][2]};
}

const std::vector<OdGePoint3d>& EntityRecord::points(int code) const {
  int f = fieldOf(code);
  return f < 0 ? kNoPoints : points_[f];
}

const std::vector<double>& EntityRecord::reals(int code) const {
  int f = fieldOf(code);
  return f < 0 ? kNoReals : reals_[f];
}

const std::string& EntityRecord::text(int code) const {
  int f = fieldOf(code);
  return f < 0 ? kNoText : texts_[f];
}

bool EntityRecord::has(int code) const {
  int f = fieldOf(code);
  return f >= 0 && present_[f];
}

DxfLocation EntityRecord::where(int code) const {
  int f = fieldOf(code);
  return f < 0 ? DxfLocation{} : where_[f];
}

}  // namespace dxf
