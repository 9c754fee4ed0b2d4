#include "app/SelectionSpec.h"

#include <algorithm>
#include <charconv>

#include "app/Utf8.h"

namespace app {
namespace {

std::wstring_view Trim(std::wstring_view text) {
  while (!text.empty() && text.front() == L' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == L' ') text.remove_suffix(1);
  return text;
}

std::string Quote(std::wstring_view text) { return "'" + EncodeUtf8(text) + "'"; }

// Splits "a, b,c" into trimmed items; an empty item is an error.
std::vector<std::wstring> SplitList(std::wstring_view list, std::wstring_view whole) {
  std::vector<std::wstring> items;
  for (;;) {
    const size_t comma = list.find(L',');
    const std::wstring_view item = Trim(list.substr(0, comma));
    if (item.empty()) throw SelectionSpecError("empty name in selection " + Quote(whole));
    items.emplace_back(item);
    if (comma == std::wstring_view::npos) return items;
    list.remove_prefix(comma + 1);
  }
}

std::uint64_t ParseHandle(const std::wstring& item) {
  const std::string text = EncodeUtf8(item);
  std::uint64_t value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
    throw SelectionSpecError(Quote(item) + " is not a hexadecimal handle");
  }
  return value;
}

}  // namespace

SelectionSpec SelectionSpec::Parse(std::string_view utf8) {
  const std::optional<std::wstring> decoded = DecodeUtf8(utf8);
  if (!decoded) throw SelectionSpecError("selection is not valid UTF-8");
  const std::wstring_view text = *decoded;
  const std::wstring upper = AsciiUpper(Trim(text));
  SelectionSpec spec;
  if (upper == L"ALL") return spec;
  spec.kind_ = Kind::kNone;
  if (upper == L"NONE") return spec;
  const size_t equals = text.find(L'=');
  const std::wstring key = AsciiUpper(Trim(text.substr(0, equals)));
  if (equals == std::wstring_view::npos ||
      (key != L"LAYER" && key != L"TYPE" && key != L"HANDLE")) {
    throw SelectionSpecError("unknown selection " + Quote(text) +
                             " (use ALL, NONE, LAYER=..., TYPE=... or HANDLE=...)");
  }
  const std::vector<std::wstring> items = SplitList(text.substr(equals + 1), text);
  spec.kind_ = key == L"LAYER" ? Kind::kLayer : key == L"TYPE" ? Kind::kType : Kind::kHandle;
  for (const std::wstring& item : items) {
    if (spec.kind_ == Kind::kHandle) {
      spec.handles_.push_back(ParseHandle(item));
    } else {
      spec.names_.push_back(AsciiUpper(item));
    }
  }
  return spec;
}

bool SelectionSpec::Matches(const EntityTraits& entity) const {
  switch (kind_) {
    case Kind::kAll:
      return true;
    case Kind::kNone:
      return false;
    case Kind::kLayer:
      return MatchesLayer(entity.layer);
    case Kind::kType:
      return MatchesType(entity.dxfType);
    case Kind::kHandle:
      return MatchesHandle(entity.handle);
  }
  return false;
}

bool SelectionSpec::MatchesLayer(std::wstring_view layer) const {
  return kind_ == Kind::kLayer &&
         std::find(names_.begin(), names_.end(), AsciiUpper(layer)) != names_.end();
}

bool SelectionSpec::MatchesType(std::wstring_view dxfType) const {
  return kind_ == Kind::kType &&
         std::find(names_.begin(), names_.end(), AsciiUpper(dxfType)) != names_.end();
}

bool SelectionSpec::MatchesHandle(std::uint64_t handle) const {
  return kind_ == Kind::kHandle &&
         std::find(handles_.begin(), handles_.end(), handle) != handles_.end();
}

}  // namespace app
