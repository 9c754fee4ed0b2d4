// DrawingLoader: walks the sections of a DXF file and fills an empty runtime database: header
// variables that matter ($ACADVER, $DWGCODEPAGE, $HANDSEED, $HANDLING), layers and block records
// of TABLES, block definitions of BLOCKS, the entities of ENTITIES (model or paper space, in file
// order), and the SourceRecord a lossless save needs. Other sections are read over.
#pragma once

#include <atomic>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

#include "DbDatabase.h"
#include "EntityKinds.h"
#include "EntityRecord.h"
#include "SourceRecord.h"
#include "TextDecoder.h"
#include "dxf/DxfReader.h"
#include "dxf/DxfTagReader.h"

namespace dxf {

class DrawingLoader {
 public:
  DrawingLoader(const std::string& path, const ReadOptions& options);
  // Reads the whole file; throws DxfError (OdError) on malformed input.
  OdDbDatabasePtr load();
  ~DrawingLoader();

 private:
  bool nextTag();
  // The next tag, which must exist: the end of the data inside a section is a cut file.
  bool requireNext();
  [[noreturn]] void failAtEnd(const char* what) const;
  bool atZero(std::string_view keyword) const;
  [[noreturn]] void unexpected(const std::string& expected) const;
  void readSection();
  void readHeader();
  void readHeaderVariable(std::string_view name);
  void readTables();
  void readTableEntry(std::string_view table);
  void readBlocks();
  void readBlock();
  void readEntities(OdDbObjectId owner, bool topLevel, std::string_view endKeyword);
  void readEntity(OdDbObjectId owner, bool topLevel);
  OdDbEntityPtr makeEntity(const std::string& type, const KindSpec* kind);
  OdDbEntityPtr makeVertex(PolylineKind kind);
  void readCommonTag(bool& inGroup, bool& skipRest);
  void readEntityTags(const KindSpec* kind);
  void readPolylineVertices(OdDbObjectId polyline, PolylineKind kind);
  void readFollowers();
  void skipToZero();
  void startDecoder();
  void checkMeshCounts(OdDbObjectId polyline, PolylineKind kind, std::size_t vertices,
                       std::size_t faces, DxfLocation where);
  OdDbObjectId add(OdDbObjectId owner, OdDbObject* object, std::uint64_t handle, DxfLocation where);
  OdDbObjectId layerFor(const std::string& rawName, std::uint64_t handle = 0);
  OdDbObjectId findOrAddLayer(const std::string& rawName, std::uint64_t handle);
  OdDbObjectId blockRecord(const std::string& rawName, std::uint64_t handle, DxfLocation where);
  OdDbObjectId spaceRecord(bool paper);
  void noteHandle(std::uint64_t h) { source_->maxHandle = std::max(source_->maxHandle, h); }
  OdDbObjectId place(OdDbObjectId owner, bool paper, bool vertex, const OdDbEntityPtr& entity);

  // A large ENTITIES section of an ASCII file is read on two threads: a worker loader reads from
  // an entity boundary near the middle to the section's end and keeps what it builds; when this
  // loader reaches that boundary it enters the worker's objects in file order, as if it had read
  // them itself, and goes on after them. A worker that fails, or a boundary this loader does not
  // land on exactly, is dropped and the rest is read here, so results and errors are those of
  // one thread (DrawingLoaderSplit.cpp).
  enum class PendingOwner : std::uint8_t { kModelSpace, kPaperSpace, kPolyline };
  struct PendingObject {
    OdDbEntityPtr entity;
    std::uint64_t handle;     // 0: none in the file
    std::uint64_t maxHandle;  // greatest handle of the worker's part read by then
    std::uint64_t offset;     // of the entity's first tag
    std::uint32_t layer;      // index into pendingLayers_
    PendingOwner owner;       // kPolyline: the last entity before it that is not a vertex
  };
  struct Split;
  void startSplit();
  std::uint64_t splitOffset() const;
  void takeSplit();
  void endSplit();
  bool readWorkerPart(std::uint64_t at, DxfLocation& end) noexcept;
  void checkCancelled() const;
  void defer(bool paper, bool vertex, const OdDbEntityPtr& entity);
  std::uint32_t pendingLayer(const std::string& rawName);
  void mergePending(DrawingLoader& worker, std::uint64_t maxAtSplit);
  DxfLocation resolveLine(DxfLocation where) const;
  void finish();

  std::string path_;
  ReadOptions options_;
  DxfTagReader reader_;
  OdDbDatabasePtr db_;
  std::shared_ptr<SourceRecord> source_;
  std::optional<TextDecoder> decoder_;
  std::string codePage_;
  EntityRecord record_;
  std::unordered_map<std::string, OdDbObjectId> layers_;
  std::string lastLayerName_;
  OdDbObjectId lastLayer_;
  std::string lastType_;
  const KindSpec* lastKind_ = nullptr;

  // Common values of the entity being read.
  std::uint64_t handle_ = 0;
  bool paperSpace_ = false;
  bool hasHandle_ = false;
  std::string layerName_;
  DxfLocation entityStart_;

  std::uint64_t headerHandseed_ = 0;
  std::uint64_t nextOwnHandle_ = 0;
  bool handling_ = false;
  bool sawEof_ = false;
  bool topLevelDialect_ =
      false;  // reading an entity of ENTITIES, whose habits appended ones follow
  std::uint64_t tagsSinceProgress_ = 0;

  std::unique_ptr<Split> split_;
  DxfLocation mergeBase_{0, -1};  // while merging: the boundary's offset and line
  bool worker_ = false;
  const std::atomic<bool>* cancel_ = nullptr;
  std::deque<PendingObject> pending_;
  std::vector<std::string> pendingLayers_;
  std::unordered_map<std::string, std::uint32_t> pendingLayerIndex_;
  std::uint32_t lastPendingLayer_ = 0;
};

}  // namespace dxf
