// The two-thread reading of a large ENTITIES section (see DrawingLoader.h).
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <thread>
#include <vector>

#include "DrawingLoader.h"
#include "EntityBoundary.h"

namespace dxf {
namespace {

struct Cancelled {};

}  // namespace

struct DrawingLoader::Split {
  std::uint64_t at = 0;
  std::atomic<bool> cancel{false};
  std::unique_ptr<DrawingLoader> worker;
  bool ok = false;
  DxfLocation end;  // the worker's ENDSEC tag, its line counted from the boundary's as 1
  std::thread thread;

  ~Split() {
    cancel = true;
    if (thread.joinable()) thread.join();
  }
};

DrawingLoader::DrawingLoader(const std::string& path, const ReadOptions& options)
    : path_(path),
      options_(options),
      reader_(path, options.displayName.empty() ? path : options.displayName) {}

DrawingLoader::~DrawingLoader() = default;

void DrawingLoader::startSplit() {
  const std::uint64_t from = reader_.tagStart().offset;
  const std::uint64_t size = reader_.fileSize();
  if (reader_.binary() || options_.splitEntitiesFrom == 0 ||
      size - from < options_.splitEntitiesFrom || std::thread::hardware_concurrency() < 2) {
    return;
  }
  // The section's end is not known yet; the file's rest is mostly entities in large drawings. This
  // thread also enters the worker's objects (about a sixth of the cost of reading them), so it
  // takes a little less than half.
  std::optional<std::uint64_t> at =
      findEntityBoundary(path_, from + (size - from) * 46 / 100, size);
  if (!at) return;
  auto split = std::make_unique<Split>();
  split->at = *at;
  try {
    ReadOptions workerOptions;
    workerOptions.displayName = reader_.displayName();
    split->worker = std::make_unique<DrawingLoader>(path_, workerOptions);
  } catch (const std::exception&) {
    return;  // read on one thread; this reader reports what is wrong with the file
  }
  DrawingLoader& w = *split->worker;
  w.worker_ = true;
  w.cancel_ = &split->cancel;
  w.source_ = std::make_shared<SourceRecord>();
  w.source_->acadver = source_->acadver;
  w.codePage_ = codePage_;
  w.startDecoder();
  Split* s = split.get();
  s->thread = std::thread([s] { s->ok = s->worker->readWorkerPart(s->at, s->end); });
  split_ = std::move(split);
}

std::uint64_t DrawingLoader::splitOffset() const { return split_->at; }

void DrawingLoader::endSplit() { split_.reset(); }

bool DrawingLoader::readWorkerPart(std::uint64_t at, DxfLocation& end) noexcept {
  try {
    reader_.seek(at, 1);
    if (!nextTag()) return false;
    readEntities(OdDbObjectId(), true, "ENDSEC");
    end = reader_.tagStart();
    return true;
  } catch (...) {
    // Whatever went wrong (a malformed entity, cancellation, memory), the main thread reads
    // this part again and reports it with the file's own line numbers.
    return false;
  }
}

void DrawingLoader::checkCancelled() const {
  if (cancel_->load(std::memory_order_relaxed)) throw Cancelled{};
}

// At the boundary: the worker's objects are entered and reading goes on at its ENDSEC; a
// boundary passed over, or a worker that failed, leaves the rest to this thread.
void DrawingLoader::takeSplit() {
  std::unique_ptr<Split> split = std::move(split_);
  if (reader_.tagStart().offset != split->at) return;
  split->thread.join();
  if (!split->ok) return;
  mergeBase_ = reader_.tagStart();
  mergePending(*split->worker, source_->maxHandle);
  reader_.seek(split->end.offset, mergeBase_.line + split->end.line - 1);
  mergeBase_ = {0, -1};
  nextTag();  // the section's ENDSEC again, read by this reader
  if (options_.splitTaken) options_.splitTaken(split->at);
}

void DrawingLoader::defer(bool paper, bool vertex, const OdDbEntityPtr& entity) {
  PendingOwner owner = vertex  ? PendingOwner::kPolyline
                       : paper ? PendingOwner::kPaperSpace
                               : PendingOwner::kModelSpace;
  pending_.push_back(
      {entity, handle_, source_->maxHandle, entityStart_.offset, pendingLayer(layerName_), owner});
}

std::uint32_t DrawingLoader::pendingLayer(const std::string& rawName) {
  if (!pendingLayers_.empty() && pendingLayers_[lastPendingLayer_] == rawName) {
    return lastPendingLayer_;
  }
  auto [it, fresh] =
      pendingLayerIndex_.try_emplace(rawName, static_cast<std::uint32_t>(pendingLayers_.size()));
  if (fresh) pendingLayers_.push_back(rawName);
  lastPendingLayer_ = it->second;
  return it->second;
}

// Enters the worker's objects as place() would have on this thread: the greatest handle read so
// far is what it was at each entity, so own handles come out the same.
void DrawingLoader::mergePending(DrawingLoader& worker, std::uint64_t maxAtSplit) {
  const OdDbObjectId modelSpace = spaceRecord(false);
  OdDbObjectId lastOwner;
  std::vector<OdDbObjectId> layers(worker.pendingLayers_.size());
  std::deque<PendingObject>& pending = worker.pending_;
  while (!pending.empty()) {
    PendingObject& p = pending.front();
    source_->maxHandle = std::max(maxAtSplit, p.maxHandle);
    OdDbObjectId owner = p.owner == PendingOwner::kPolyline     ? lastOwner
                         : p.owner == PendingOwner::kPaperSpace ? spaceRecord(true)
                                                                : modelSpace;
    OdDbObjectId& layer = layers[p.layer];
    if (layer.isNull()) layer = layerFor(worker.pendingLayers_[p.layer]);
    p.entity->setLayer(layer);
    OdDbObjectId id = add(owner, p.entity.get(), p.handle, {p.offset, -1});
    if (p.owner != PendingOwner::kPolyline) lastOwner = id;
    pending.pop_front();  // the database holds the object now
  }
  const SourceRecord& w = *worker.source_;
  source_->maxHandle = std::max(maxAtSplit, w.maxHandle);
  source_->handles = source_->handles || w.handles;
  source_->subclassMarkers = source_->subclassMarkers || w.subclassMarkers;
  source_->owners = source_->owners || w.owners;
}

// A place in the worker's part carries no line: it is counted from the boundary, for a message.
DxfLocation DrawingLoader::resolveLine(DxfLocation where) const {
  if (where.line >= 0 || mergeBase_.line < 0) return where;
  int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return {where.offset, 0};
  std::int64_t line = mergeBase_.line;
  std::vector<char> buf(1 << 16);
  for (std::uint64_t at = mergeBase_.offset; at < where.offset;) {
    std::size_t want =
        static_cast<std::size_t>(std::min<std::uint64_t>(buf.size(), where.offset - at));
    ssize_t got = ::pread(fd, buf.data(), want, static_cast<off_t>(at));
    if (got <= 0) break;
    line += std::count(buf.data(), buf.data() + got, '\n');
    at += static_cast<std::uint64_t>(got);
  }
  ::close(fd);
  return {where.offset, line};
}

}  // namespace dxf
