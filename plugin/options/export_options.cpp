#include "options/export_options.h"
#include "ZLKRegistry.h"

namespace {

// A fixed path, whatever host version runs the module: stored settings rely on it.
const wchar_t kOptionsKey[] = L"Software\\ZELKOR\\Quorlex for IntelliCAD";
constexpr int kCurrentUser = 1;

}  // namespace

bool operator==(const ExportOptions& a, const ExportOptions& b) {
  return a.points == b.points && a.extract == b.extract && a.endPoint == b.endPoint &&
         a.midPoint == b.midPoint && a.centerPoint == b.centerPoint &&
         a.controlPoint == b.controlPoint && a.vertex == b.vertex && a.text == b.text &&
         a.format == b.format && a.delimiter == b.delimiter && a.other == b.other &&
         a.createPoints == b.createPoints;
}

void LoadExportOptions(ExportOptions& options) {
  ZLKRegistry store;
  store.SetKey(kOptionsKey, kCurrentUser);
  options.points = store.ReadBool(L"Points", 1);
  options.extract = store.ReadBool(L"Extract", 1);
  options.endPoint = store.ReadBool(L"End Point", 1);
  options.midPoint = store.ReadBool(L"Mid Point", 1);
  options.centerPoint = store.ReadBool(L"Center Point", 1);
  options.controlPoint = store.ReadBool(L"Control Point", 1);
  options.vertex = store.ReadBool(L"Vertex", 1);
  options.text = store.ReadBool(L"Text", 1);
  options.format = store.ReadInt(L"Format", 0);
  options.delimiter = store.ReadInt(L"Delimiter", 2);
  options.other = store.ReadString(L"Other", L"");
  options.createPoints = store.ReadBool(L"Create Points", 0);
}

void SaveExportOptions(const ExportOptions& options) {
  ZLKRegistry store;
  store.SetKey(kOptionsKey, kCurrentUser);
  store.WriteBool(L"Points", options.points);
  store.WriteBool(L"Extract", options.extract);
  store.WriteBool(L"End Point", options.endPoint);
  store.WriteBool(L"Mid Point", options.midPoint);
  store.WriteBool(L"Center Point", options.centerPoint);
  store.WriteBool(L"Control Point", options.controlPoint);
  store.WriteBool(L"Vertex", options.vertex);
  store.WriteBool(L"Text", options.text);
  store.WriteInt(L"Format", options.format);
  store.WriteInt(L"Delimiter", options.delimiter);
  store.WriteString(L"Other", options.other);
  store.WriteBool(L"Create Points", options.createPoints);
}
