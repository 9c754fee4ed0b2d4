#include "app/CommandLineUserIO.h"

#include <charconv>
#include <cmath>
#include <map>
#include <unordered_map>

#include "DbBlockTableRecord.h"
#include "DbGenericEntity.h"
#include "DbObjectIterator.h"
#include "DbSSet.h"
#include "RxObjectImpl.h"
#include "app/EntityExtents.h"
#include "app/SelectionSpec.h"
#include "app/Utf8.h"

namespace app {
namespace {

// Class names of the runtime's own entity classes and the DXF types they come from.
const std::map<std::wstring, std::wstring>& DxfTypesOfClasses() {
  static const std::map<std::wstring, std::wstring> types = {
      {L"AcDbPoint", L"POINT"},
      {L"AcDbLine", L"LINE"},
      {L"AcDbCircle", L"CIRCLE"},
      {L"AcDbArc", L"ARC"},
      {L"AcDbEllipse", L"ELLIPSE"},
      {L"AcDbSpline", L"SPLINE"},
      {L"AcDbFace", L"3DFACE"},
      {L"AcDbPolyline", L"LWPOLYLINE"},
      {L"AcDb3dPolyline", L"POLYLINE"},
      {L"AcDbPolygonMesh", L"POLYLINE"},
      {L"AcDbPolyFaceMesh", L"POLYLINE"},
      {L"AcDb2dPolyline", L"POLYLINE"},
      {L"AcDbText", L"TEXT"},
      {L"AcDbSolid", L"SOLID"},
  };
  return types;
}

// Appends the model-space entities that `picks` accepts, in drawing order (each id once), and
// returns how many it accepted, those already selected included.
template <typename Picks>
unsigned AddFromModelSpace(OdDbDatabase* database, OdDbSelectionSet& selection, Picks picks) {
  if (database == nullptr) return 0;
  unsigned found = 0;
  OdDbObjectIteratorPtr it = OdDbObjectIterator::createObject(database->getModelSpaceId());
  for (; !it->done(); it->step()) {
    OdDbEntityPtr entity = it->entity();
    if (entity.isNull() || !picks(*entity)) continue;
    selection.append(it->objectId());
    ++found;
  }
  return found;
}

// Layer and type names are looked up once per layer and per class, not once per entity: a
// whole drawing of points sits on a few layers and is of one class.
class TraitMatcher {
 public:
  explicit TraitMatcher(const SelectionSpec& spec) : spec_(spec) {}

  bool operator()(const OdDbEntity& entity) {
    switch (spec_.kind()) {
      case SelectionSpec::Kind::kAll:
        return true;
      case SelectionSpec::Kind::kNone:
        return false;
      case SelectionSpec::Kind::kLayer:
        return LayerMatches(entity);
      case SelectionSpec::Kind::kType:
        return TypeMatches(entity);
      case SelectionSpec::Kind::kHandle:
        return spec_.MatchesHandle(entity.getDbHandle().value());
    }
    return false;
  }

 private:
  bool LayerMatches(const OdDbEntity& entity) {
    const OdDbStub* layer = entity.layerId().stub();
    const auto known = layers_.find(layer);
    if (known != layers_.end()) return known->second;
    return layers_.emplace(layer, spec_.MatchesLayer(entity.layer().wide())).first->second;
  }
  // A generic entity keeps its own DXF name, which its class does not decide.
  bool TypeMatches(const OdDbEntity& entity) {
    const OdRxClass* cls = entity.isA();
    if (cls->isDerivedFrom(OdDbGenericEntity::desc())) {
      return spec_.MatchesType(DxfTypeName(entity));
    }
    const auto known = types_.find(cls);
    if (known != types_.end()) return known->second;
    return types_.emplace(cls, spec_.MatchesType(DxfTypeName(entity))).first->second;
  }

  const SelectionSpec& spec_;
  std::unordered_map<const OdDbStub*, bool> layers_;
  std::unordered_map<const OdRxClass*, bool> types_;
};

unsigned AddMatching(OdDbDatabase* database, OdDbSelectionSet& selection,
                     const SelectionSpec& spec) {
  if (spec.kind() == SelectionSpec::Kind::kNone) return 0;
  return AddFromModelSpace(database, selection, TraitMatcher(spec));
}

unsigned AddInWindow(OdDbDatabase* database, OdDbSelectionSet& selection, const PlanWindow& window,
                     bool crossing) {
  return AddFromModelSpace(database, selection, [&](OdDbEntity& entity) {
    const std::optional<Extents> extents = EntityExtents(entity);
    return extents && (crossing ? window.Meets(*extents) : window.Encloses(*extents));
  });
}

std::wstring Trimmed(const std::wstring& text) {
  const size_t first = text.find_first_not_of(L" \t");
  if (first == std::wstring::npos) return L"";
  return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

template <typename Number>
bool ParseNumber(const std::wstring& text, Number& value) {
  const std::string narrow = EncodeUtf8(text);
  const auto result = std::from_chars(narrow.data(), narrow.data() + narrow.size(), value);
  return result.ec == std::errc() && result.ptr == narrow.data() + narrow.size();
}

// "x,y" or "x,y,z".
bool ParsePoint(const std::wstring& text, OdGePoint3d& point) {
  double values[3] = {0.0, 0.0, 0.0};
  size_t start = 0;
  int count = 0;
  for (; count < 3; ++count) {
    const size_t comma = text.find(L',', start);
    if (!ParseNumber(text.substr(start, comma - start), values[count])) return false;
    if (!std::isfinite(values[count])) return false;
    if (comma == std::wstring::npos) break;
    start = comma + 1;
  }
  if (count < 1 || count > 2) return false;
  point = OdGePoint3d(values[0], values[1], values[2]);
  return true;
}

}  // namespace

std::wstring DxfTypeName(const OdDbEntity& entity) {
  OdDbGenericEntityPtr generic = OdDbGenericEntity::cast(&entity);
  if (!generic.isNull()) return generic->dxfName().wide();
  const OdRxClass* cls = entity.isA();
  const auto known = DxfTypesOfClasses().find(cls->name().wide());
  if (known != DxfTypesOfClasses().end()) return known->second;
  return cls->dxfName().wide();
}

OdSmartPtr<CommandLineUserIO> CommandLineUserIO::createObject(CommandLineOutput& output,
                                                              PromptAnswers& answers,
                                                              OdDbDatabase* database) {
  // The count starts at 0; the smart pointer adds the first reference.
  return OdSmartPtr<CommandLineUserIO>(static_cast<CommandLineUserIO*>(
      new OdRxObjectImpl<CommandLineUserIO>(output, answers, database)));
}

std::wstring CommandLineUserIO::Ask(const OdString& prompt) {
  const bool shown = answers_.ShowsPrompts();
  if (shown) output_.Finish();
  const std::optional<std::string> answer =
      shown ? answers_.AnswerPrompt(prompt.wide()) : answers_.NextAnswer();
  if (!answer) {
    if (!shown) output_.Prompt(prompt.wide(), L"*Cancel*");
    cancelShown_ = true;
    throw OdEdCancel();
  }
  const std::wstring text = DecodeUtf8(*answer).value_or(std::wstring());
  if (!shown) output_.Prompt(prompt.wide(), text);
  return text;
}

// A script answers "Select objects:" once; a person at the terminal adds to the selection until
// an empty answer ends it, and a malformed answer asks again instead of cancelling.
OdDbSelectionSetPtr CommandLineUserIO::select(const OdString& prompt, int, const OdDbSelectionSet*,
                                              const OdString&, OdSSetTracker*) {
  OdDbSelectionSetPtr selection = OdDbSelectionSet::createObject(database_);
  const bool person = answers_.ShowsPrompts();
  for (;;) {
    const std::wstring answer = Trimmed(Ask(prompt));
    if (person && answer.empty()) return selection;
    const unsigned int before = selection->numEntities();
    const std::optional<unsigned> found = AddToSelection(*selection, answer);
    if (!found) {
      if (person) continue;
      output_.Line(L"*Cancel*");
      cancelShown_ = true;
      throw OdEdCancel();
    }
    if (!person) return selection;
    const unsigned int duplicates = *found - (selection->numEntities() - before);
    output_.Line(std::to_wstring(*found) + L" found" +
                 (duplicates ? L" (" + std::to_wstring(duplicates) + L" duplicate)" : L"") + L", " +
                 std::to_wstring(selection->numEntities()) + L" total");
  }
}

std::optional<unsigned> CommandLineUserIO::AddToSelection(OdDbSelectionSet& selection,
                                                          const std::wstring& answer) {
  const std::wstring keyword = AsciiUpper(answer);
  if (keyword == L"W" || keyword == L"C") {
    const OdGePoint3d first = getPoint(L"Specify first corner:");
    const OdGePoint3d second = getPoint(L"Specify opposite corner:");
    return AddInWindow(database_, selection, PlanWindow::FromCorners(first, second),
                       keyword == L"C");
  }
  try {
    return AddMatching(database_, selection, SelectionSpec::Parse(EncodeUtf8(answer)));
  } catch (const SelectionSpecError& error) {
    output_.Line(L"Invalid selection: " + DecodeUtf8(error.what()).value_or(L"?"));
    return std::nullopt;
  }
}

OdString CommandLineUserIO::getString(const OdString& prompt, int, const OdString& defaultValue,
                                      const OdString&) {
  const std::wstring answer = Ask(prompt);
  return answer.empty() ? defaultValue : OdString(answer);
}

int CommandLineUserIO::getInt(const OdString& prompt, int, int defaultValue, const OdString&) {
  for (;;) {
    const std::wstring answer = Ask(prompt);
    int value = 0;
    if (answer.empty()) return defaultValue;
    if (ParseNumber(answer, value)) return value;
    output_.Line(L"Requires an integer value.");
  }
}

double CommandLineUserIO::getReal(const OdString& prompt, int, double defaultValue,
                                  const OdString&) {
  for (;;) {
    const std::wstring answer = Ask(prompt);
    double value = 0.0;
    if (answer.empty()) return defaultValue;
    if (ParseNumber(answer, value) && std::isfinite(value)) return value;
    output_.Line(L"Requires a number.");
  }
}

OdGePoint3d CommandLineUserIO::getPoint(const OdString& prompt, int,
                                        const OdGePoint3d* defaultValue, const OdString&) {
  for (;;) {
    const std::wstring answer = Ask(prompt);
    OdGePoint3d point;
    if (answer.empty() && defaultValue != nullptr) return *defaultValue;
    if (ParsePoint(answer, point)) return point;
    output_.Line(L"Requires a point: x,y or x,y,z.");
  }
}

void CommandLineUserIO::putString(const OdString& text) { output_.Print(text.wide()); }

}  // namespace app
