#include "RoundTrip.h"

#include <algorithm>

#include "DbBlockTableRecord.h"
#include "DbPoint.h"
#include "DxfTestSupport.h"
#include "dxf/DxfTagReader.h"

namespace dxftest {

std::vector<std::uint64_t> appendPoints(OdDbDatabase* db, const std::vector<OdGePoint3d>& at) {
  std::vector<std::uint64_t> handles;
  OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
  for (const OdGePoint3d& p : at) {
    OdDbPointPtr point = OdDbPoint::createObject();
    point->setPosition(p);
    handles.push_back(ms->appendOdDbEntity(point.get()).getHandle().value());
  }
  return handles;
}

namespace {

struct Span {
  std::uint64_t begin, end;
};

struct Entity {
  std::uint64_t begin = 0, end = 0;
  std::string type;
  OdGePoint3d position;
  std::uint64_t handle = 0;
};

}  // namespace

SavedParts splitSaved(const std::string& path, std::size_t appended) {
  SavedParts parts;
  dxf::DxfTagReader r(path, path);
  std::vector<Entity> entities;  // top-level entities of ENTITIES
  Span seed{0, 0};
  bool inEntities = false, afterHandseed = false;
  std::string section;
  bool expectSectionName = false;
  while (r.next()) {
    int code = r.code();
    if (code == 9) afterHandseed = r.isValue("$HANDSEED");
    if (afterHandseed && code == 5) {
      seed = {r.valueStart().offset, r.valueEndOffset()};
      parts.handseed = r.handle();
      afterHandseed = false;
      continue;
    }
    OdDbHandle h;
    if (code == 5 && OdDbHandle::parse(r.trimmed(), h))
      parts.maxHandle = std::max(parts.maxHandle, h.value());
    if (code == 0 && r.isValue("EOF")) break;  // bytes after EOF are no tags
    if (expectSectionName && code == 2) inEntities = r.isValue("ENTITIES");
    expectSectionName = code == 0 && r.isValue("SECTION");
    if (!inEntities) continue;
    if (code == 0) {
      if (!entities.empty() && entities.back().end == 0) entities.back().end = r.tagStart().offset;
      if (r.isValue("ENDSEC")) {
        inEntities = false;
        continue;
      }
      if (!r.isValue("VERTEX") && !r.isValue("SEQEND") && !r.isValue("ATTRIB")) {
        entities.push_back({r.tagStart().offset, 0, std::string(r.trimmed()), {}, 0});
      } else {
        entities.back().end = 0;  // followers belong to the entity before
      }
      continue;
    }
    if (entities.empty()) continue;
    Entity& e = entities.back();
    if (code == 5) e.handle = r.handle();
    if (code == 10) e.position.x = r.real();
    if (code == 20) e.position.y = r.real();
    if (code == 30) e.position.z = r.real();
  }
  std::vector<Span> cuts;
  if (seed.end > seed.begin) cuts.push_back(seed);
  std::size_t first = entities.size() >= appended ? entities.size() - appended : 0;
  for (std::size_t i = first; i < entities.size(); ++i) {
    cuts.push_back({entities[i].begin, entities[i].end});
    parts.added.push_back(entities[i].type);
    parts.addedPoints.push_back(entities[i].position);
    if (entities[i].handle != 0) parts.addedHandles.push_back(entities[i].handle);
  }
  std::string bytes = readAll(path);
  std::uint64_t at = 0;
  for (const Span& c : cuts) {
    parts.rest.append(bytes, at, c.begin - at);
    at = c.end;
  }
  parts.rest.append(bytes, at, std::string::npos);
  return parts;
}

}  // namespace dxftest
