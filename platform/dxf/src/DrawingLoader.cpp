#include "DrawingLoader.h"

#include <sys/stat.h>

#include <algorithm>

#include "DbGenericEntity.h"
#include "DbPolyFaceMesh.h"
#include "DbPolygonMesh.h"
#include "dxf/DxfError.h"

namespace dxf {
namespace {

std::string describe(const DxfTagReader& r) {
  std::string v(r.trimmed().substr(0, 40));
  for (char& c : v) {
    if (static_cast<unsigned char>(c) < 0x20) c = '?';
  }
  return std::to_string(r.code()) + "/'" + v + "'";
}

bool isUtf8Version(std::string_view acadver) { return acadver >= "AC1021"; }

}  // namespace

bool DrawingLoader::nextTag() {
  if (!reader_.next()) return false;
  // Code 5 is no handle everywhere (an R12 DIMSTYLE's arrow block name): only hex text counts.
  OdDbHandle seen;
  if ((reader_.code() == 5 || reader_.code() == 105) &&
      OdDbHandle::parse(reader_.trimmed(), seen)) {
    noteHandle(seen.value());
  }
  if (options_.progress && ++tagsSinceProgress_ == 65536) {
    tagsSinceProgress_ = 0;
    options_.progress(reader_.tagEndOffset(), reader_.fileSize());
  }
  return true;
}

// Every construct but the file itself needs a next tag: the end of the data means the file was
// cut short.
bool DrawingLoader::atZero(std::string_view keyword) const {
  return reader_.code() == 0 && reader_.isValue(keyword);
}

void DrawingLoader::unexpected(const std::string& expected) const {
  reader_.failAtTag("expected " + expected + ", found " + describe(reader_));
}

void DrawingLoader::failAtEnd(const char* what) const {
  reader_.failAt({reader_.tagEndOffset(), reader_.binary() ? 0 : reader_.tagStart().line + 2},
                 what);
}

bool DrawingLoader::requireNext() {
  if (!nextTag()) failAtEnd("expected 0/EOF, found the end of the file");
  return true;
}

void DrawingLoader::skipToZero() {
  while (requireNext()) {
    if (reader_.code() == 0) return;
  }
}

OdDbDatabasePtr DrawingLoader::load() {
  db_ = OdDbDatabase::createEmpty();
  source_ = std::make_shared<SourceRecord>();
  if (!nextTag()) reader_.failAt({0, 1}, "expected 0/SECTION, found an empty file");
  for (;;) {
    if (atZero("EOF")) {
      sawEof_ = true;
      if (!source_->hasEntitiesSection) source_->insertAt = reader_.tagStart().offset;
      break;
    }
    if (atZero("SECTION")) {
      readSection();
      continue;
    }
    if (reader_.code() == 9) {
      // Some writers put header variables ($ACADVER) before the first section.
      while (reader_.code() == 9) readHeaderVariable(std::string(reader_.trimmed()));
      continue;
    }
    if (reader_.code() != 999) unexpected("0/SECTION or 0/EOF");
    skipToZero();
  }
  finish();
  return db_;
}

void DrawingLoader::readSection() {
  do {
    if (!nextTag()) reader_.failAtTag("expected a section name, found the end of the file");
  } while (reader_.code() == 999);
  if (reader_.code() != 2) unexpected("2/<section name>");
  std::string name(reader_.trimmed());
  if (!nextTag()) reader_.failAtTag("expected 0/ENDSEC, found the end of the file");
  if (name == "HEADER") {
    readHeader();
  } else if (name == "TABLES") {
    readTables();
  } else if (name == "BLOCKS") {
    readBlocks();
  } else if (name == "ENTITIES") {
    readEntities(spaceRecord(false), true, "ENDSEC");
    source_->hasEntitiesSection = true;
    source_->insertAt = reader_.tagStart().offset;
  } else {
    while (!atZero("ENDSEC")) skipToZero();
  }
  if (!atZero("ENDSEC")) unexpected("0/ENDSEC");
  if (!nextTag()) {
    reader_.failAt({reader_.tagEndOffset(), reader_.binary() ? 0 : reader_.tagStart().line + 2},
                   "expected 0/EOF after 0/ENDSEC, found the end of the file");
  }
}

void DrawingLoader::readHeader() {
  while (!atZero("ENDSEC")) {
    if (reader_.code() == 0) unexpected("0/ENDSEC");
    if (reader_.code() != 9) {
      skipToZero();
      continue;
    }
    std::string name(reader_.trimmed());
    readHeaderVariable(name);
  }
  startDecoder();
}

// The variable's name tag is current; reads its value tags up to the next variable or the end.
void DrawingLoader::readHeaderVariable(std::string_view name) {
  for (;;) {
    if (!nextTag()) reader_.failAtTag("expected 0/ENDSEC, found the end of the file");
    if (reader_.code() == 9 || reader_.code() == 0) return;
    if (name == "$ACADVER" && reader_.code() == 1) source_->acadver = reader_.trimmed();
    if (name == "$DWGCODEPAGE" && reader_.code() == 3) codePage_ = reader_.trimmed();
    if (name == "$HANDLING" && reader_.code() == 70) handling_ = reader_.integer() != 0;
    if (name == "$HANDSEED" && reader_.code() == 5) {
      headerHandseed_ = reader_.handle();
      source_->hasHandseed = true;
      source_->handseedBegin = reader_.valueStart().offset;
      source_->handseedEnd = reader_.valueEndOffset();
    }
  }
}

void DrawingLoader::startDecoder() {
  if (!decoder_) decoder_.emplace(isUtf8Version(source_->acadver), codePage_);
}

void DrawingLoader::readTables() {
  std::string table;
  while (!atZero("ENDSEC")) {
    if (reader_.code() == 0 && atZero("TABLE")) {
      if (!nextTag()) reader_.failAtTag("expected a table name, found the end of the file");
      table = reader_.code() == 2 ? std::string(reader_.trimmed()) : std::string();
      if (reader_.code() != 0) skipToZero();
      continue;
    }
    if (reader_.code() == 0 && !atZero("ENDTAB")) {
      readTableEntry(table);
      continue;
    }
    skipToZero();
  }
}

// A table entry (its 0/<TYPE> tag is current): layers and block records enter the database.
void DrawingLoader::readTableEntry(std::string_view table) {
  startDecoder();
  DxfLocation where = reader_.tagStart();
  std::string name;
  std::uint64_t handle = 0;
  while (requireNext() && reader_.code() != 0) {
    if (reader_.code() == 2 && name.empty()) name = reader_.trimmed();
    int handleCode = table == "DIMSTYLE" ? 105 : 5;
    if (reader_.code() == handleCode && !reader_.trimmed().empty()) handle = reader_.handle();
  }
  if (reader_.code() != 0) unexpected("0/ENDTAB");
  if (name.empty()) return;
  if (table == "LAYER") {
    layerFor(name, handle);
    return;
  }
  if (table == "BLOCK_RECORD") {
    OdDbObjectId id = blockRecord(name, handle, where);
    if (id == db_->getBlockTableRecordId(OdDbBlockTableRecord::modelSpaceName())) {
      source_->modelSpaceHandle = id.getHandle();
    }
  }
}

void DrawingLoader::readBlocks() {
  while (!atZero("ENDSEC")) {
    if (atZero("BLOCK")) {
      readBlock();
      continue;
    }
    skipToZero();
  }
}

void DrawingLoader::readBlock() {
  startDecoder();
  DxfLocation where = reader_.tagStart();
  std::string name;
  std::uint64_t handle = 0;
  while (requireNext() && reader_.code() != 0) {
    if (reader_.code() == 2) name = reader_.trimmed();
    if (reader_.code() == 5 && !reader_.trimmed().empty()) handle = reader_.handle();
  }
  if (reader_.code() != 0) unexpected("0/ENDBLK");
  if (name.empty()) reader_.failAt(where, "expected a block name (group code 2) in BLOCK");
  // Without a BLOCK_RECORD table (R12) the record takes the handle of its BLOCK, which no other
  // object of the file has, rather than a fresh one that a later object may have.
  OdDbObjectId record = blockRecord(name, handle, where);
  readEntities(record, false, "ENDBLK");
  skipToZero();  // the ENDBLK's own tags
}

void DrawingLoader::readEntities(OdDbObjectId owner, bool topLevel, std::string_view end) {
  if (topLevel && !worker_) startSplit();
  while (!atZero(end)) {
    if (split_ && reader_.tagStart().offset >= splitOffset()) {
      takeSplit();
      continue;
    }
    if (worker_) checkCancelled();
    if (atZero("ENDSEC") || atZero("EOF")) unexpected("0/" + std::string(end));
    if (reader_.code() != 0) unexpected("0/<entity type>");
    readEntity(owner, topLevel);
  }
  endSplit();  // the section ended before the place the other thread started at
}

// Values every entity may carry: handle, layer, space; reactor groups, extended data and
// embedded objects are read over.
void DrawingLoader::readCommonTag(bool& inGroup, bool& skipRest) {
  int code = reader_.code();
  if (code == 102) {
    inGroup = !reader_.trimmed().empty() && reader_.trimmed().front() == '{';
    return;
  }
  if (inGroup || skipRest) return;
  if (code == 101 || code >= 1000) {
    skipRest = true;
    return;
  }
  if (code == 5) {
    // Some R12 writers leave the handle empty: the entity then has none.
    hasHandle_ = !reader_.trimmed().empty();
    handle_ = hasHandle_ ? reader_.handle() : 0;
  } else if (code == 8) {
    layerName_ = reader_.text();
  } else if (code == 67) {
    paperSpace_ = reader_.integer() == 1;
  } else if (code == 100) {
    if (topLevelDialect_) source_->subclassMarkers = true;
  } else if (code == 330) {
    if (topLevelDialect_) source_->owners = true;
  } else {
    record_.accept(reader_);
  }
}

void DrawingLoader::readEntityTags(const KindSpec* kind) {
  record_.reset(kind);
  handle_ = 0;
  hasHandle_ = false;
  paperSpace_ = false;
  layerName_ = "0";
  entityStart_ = reader_.tagStart();
  bool inGroup = false;
  bool skipRest = false;
  for (;;) {
    requireNext();
    if (reader_.code() == 0) break;
    readCommonTag(inGroup, skipRest);
  }
  if (hasHandle_ && topLevelDialect_) source_->handles = true;
}

// The runtime entity of the record just read, on its layer. Values the runtime refuses (an
// OdError of its own) are refused as the file's, at the entity.
OdDbEntityPtr DrawingLoader::makeEntity(const std::string& type, const KindSpec* kind) {
  try {
    return kind != nullptr
               ? buildEntity(type, record_, *decoder_, reader_)
               : OdDbEntityPtr(OdDbGenericEntity::createObject(OdString::fromUtf8(type)));
  } catch (const DxfError&) {
    throw;
  } catch (const OdError& e) {
    reader_.failAt(entityStart_, "expected a valid " + type + ": " + e.description().toUtf8());
  }
}

void DrawingLoader::readEntity(OdDbObjectId owner, bool topLevel) {
  startDecoder();
  if (reader_.trimmed() != lastType_) {
    lastType_ = reader_.trimmed();
    lastKind_ = findKind(lastType_);
  }
  const std::string& type = lastType_;
  const KindSpec* kind = lastKind_;
  topLevelDialect_ = topLevel;
  readEntityTags(kind);
  topLevelDialect_ = false;
  if (type == "VERTEX" || type == "SEQEND" || type == "ATTRIB") return;  // stray followers
  const bool paper = topLevel && paperSpace_;
  OdDbEntityPtr entity = makeEntity(type, kind);
  if (type == "POLYLINE") {
    OdDbObjectId id = place(owner, paper, false, entity);
    entity = nullptr;  // the database holds it; vertices go in while it is closed
    readPolylineVertices(id, polylineKindOf(record_.integer(70)));
    return;
  }
  place(owner, paper, false, entity);
  if (type == "INSERT") readFollowers();
}

// Enters the entity just read, with its common values, into the database; a worker thread keeps
// it for the main thread to enter in file order.
OdDbObjectId DrawingLoader::place(OdDbObjectId owner, bool paper, bool vertex,
                                  const OdDbEntityPtr& entity) {
  if (worker_) {
    defer(paper, vertex, entity);
    return OdDbObjectId();
  }
  // In this order a file's paper space record and layers take their own handles as on one thread.
  if (paper) owner = spaceRecord(true);
  entity->setLayer(layerFor(layerName_));
  return add(owner, entity.get(), handle_, entityStart_);
}

void DrawingLoader::readPolylineVertices(OdDbObjectId polyline, PolylineKind kind) {
  const std::int64_t sizeM = record_.integer(71);
  const std::int64_t sizeN = record_.integer(72);
  DxfLocation where = entityStart_;
  std::size_t vertices = 0;
  std::size_t faces = 0;
  const KindSpec* vertexKind = findKind("VERTEX");
  while (atZero("VERTEX")) {
    readEntityTags(vertexKind);
    OdDbEntityPtr v = makeVertex(kind);
    bool isFace = kind == PolylineKind::kPolyFaceMesh && (record_.integer(70) & 64) == 0;
    (isFace ? faces : vertices) += 1;
    place(polyline, false, true, v);
  }
  if (atZero("SEQEND")) readEntityTags(nullptr);
  if (kind == PolylineKind::kPolygonMesh &&
      vertices < static_cast<std::size_t>(std::max<std::int64_t>(0, sizeM) *
                                          std::max<std::int64_t>(0, sizeN))) {
    reader_.failAt(where, "expected " + std::to_string(sizeM) + " x " + std::to_string(sizeN) +
                              " mesh vertices as group codes 71 and 72 say, found " +
                              std::to_string(vertices));
  }
  if (kind == PolylineKind::kPolyFaceMesh &&
      (vertices != static_cast<std::size_t>(std::max<std::int64_t>(0, sizeM)) ||
       faces != static_cast<std::size_t>(std::max<std::int64_t>(0, sizeN)))) {
    reader_.failAt(where, "expected " + std::to_string(sizeM) + " vertices and " +
                              std::to_string(sizeN) +
                              " faces as group codes 71 and 72 say, found " +
                              std::to_string(vertices) + " and " + std::to_string(faces));
  }
}

OdDbEntityPtr DrawingLoader::makeVertex(PolylineKind kind) {
  try {
    return buildVertex(kind, record_);
  } catch (const DxfError&) {
    throw;
  } catch (const OdError& e) {
    reader_.failAt(entityStart_, "expected a valid VERTEX: " + e.description().toUtf8());
  }
}

// The attributes after an INSERT belong to it, not to the block that holds the INSERT.
void DrawingLoader::readFollowers() {
  bool any = false;
  while (atZero("ATTRIB")) {
    readEntityTags(nullptr);
    any = true;
  }
  if (any && atZero("SEQEND")) readEntityTags(nullptr);
}

OdDbObjectId DrawingLoader::add(OdDbObjectId owner, OdDbObject* object, std::uint64_t handle,
                                DxfLocation where) {
  // Objects the file has no handle for (layers only entities name, R12 block records) take
  // handles from the file's $HANDSEED up, which no object of the file has; a fresh handle of the
  // database could be one that a later object of the file brings.
  if (handle == 0 && headerHandseed_ != 0) {
    nextOwnHandle_ = std::max({nextOwnHandle_, headerHandseed_, source_->maxHandle + 1});
    handle = nextOwnHandle_++;
  }
  try {
    return db_->addLoadedObject(owner, object, OdDbHandle(handle));
  } catch (const OdError& e) {
    // A handle used twice: the later object gets a fresh one, as CAD hosts repair such files.
    if (e.code() == eDuplicateHandle && handle != 0) return add(owner, object, 0, where);
    reader_.failAt(resolveLine(where), "expected a valid object: " + e.description().toUtf8());
  }
}

OdDbObjectId DrawingLoader::layerFor(const std::string& rawName, std::uint64_t handle) {
  // Runs of entities on one layer are the rule.
  if (!lastLayer_.isNull() && rawName == lastLayerName_) return lastLayer_;
  OdDbObjectId id = findOrAddLayer(rawName, handle);
  lastLayerName_ = rawName;
  lastLayer_ = id;
  return id;
}

OdDbObjectId DrawingLoader::findOrAddLayer(const std::string& rawName, std::uint64_t handle) {
  auto it = layers_.find(rawName);
  if (it != layers_.end()) return it->second;
  startDecoder();
  OdString name(decoder_->decode(rawName));
  OdDbObjectId id = db_->getLayerId(name);
  if (id.isNull()) {
    OdDbLayerTableRecordPtr layer = OdDbLayerTableRecord::createObject();
    layer->setName(name);
    id = add(OdDbObjectId::kNull, layer.get(), handle, reader_.tagStart());
  }
  layers_.emplace(rawName, id);
  return id;
}

OdDbObjectId DrawingLoader::blockRecord(const std::string& rawName, std::uint64_t handle,
                                        DxfLocation where) {
  startDecoder();
  OdString name(decoder_->decode(rawName));
  OdDbObjectId id = db_->getBlockTableRecordId(name);
  if (!id.isNull()) return id;
  OdDbBlockTableRecordPtr record = OdDbBlockTableRecord::createObject();
  record->setName(name);
  return add(OdDbObjectId::kNull, record.get(), handle, where);
}

OdDbObjectId DrawingLoader::spaceRecord(bool paper) {
  const OdString& name =
      paper ? OdDbBlockTableRecord::paperSpaceName() : OdDbBlockTableRecord::modelSpaceName();
  OdDbObjectId id = db_->getBlockTableRecordId(name);
  if (!id.isNull()) return id;
  OdDbBlockTableRecordPtr record = OdDbBlockTableRecord::createObject();
  record->setName(name);
  return add(OdDbObjectId::kNull, record.get(), 0, reader_.tagStart());
}

void DrawingLoader::finish() {
  if (!sawEof_) {
    reader_.failAt({reader_.fileSize(), reader_.binary() ? 0 : reader_.tagStart().line + 2},
                   "expected 0/EOF, found the end of the file");
  }
  SourceRecord& s = *source_;
  if (!s.handles && !s.subclassMarkers && !s.owners) {
    // No entity showed the dialect: the version decides.
    s.handles = s.acadver >= "AC1012" || handling_;
    s.subclassMarkers = s.acadver >= "AC1012";
    s.owners = s.acadver >= "AC1015";
  }
  db_->setHandseed(OdDbHandle(std::max(headerHandseed_, s.maxHandle + 1)));
  db_->completeLoad();
  s.path = path_;
  s.binary = reader_.binary();
  s.twoByteCodes = reader_.twoByteCodes();
  s.crlf = reader_.crlf();
  s.codeWidth = reader_.codeWidth();
  if (!snapshotFile(path_, s)) {
    reader_.failAt({0, 1}, "expected the file to stay readable while it is read");
  }
  db_->setFilename(OdString::fromUtf8(path_));
  db_->setSourceData(source_);
}

}  // namespace dxf
