#include "AppendedEntities.h"

#include <algorithm>

#include "dxf/DxfError.h"

namespace dxf {
namespace {

// Entities per task: enough to keep both cores busy, few enough to stream.
constexpr std::size_t kEntitiesPerTask = 8192;
constexpr std::size_t kTasksInFlight = 3;

std::string formatBatch(const std::string& path, Dialect dialect, EntityHabits habits,
                        LayerTexts layers, std::vector<OdDbEntityPtr> entities) {
  TagWriter w(dialect);
  w.reserve(entities.size() * 128);
  EntityWriter writer(w, habits, std::move(layers));
  for (const OdDbEntityPtr& e : entities) writer.write(e.get(), path);
  entities.clear();  // closed here, where they were read
  return w.take();
}

}  // namespace

Dialect dialectOf(const SourceRecord& s) { return {s.binary, s.twoByteCodes, s.crlf, s.codeWidth}; }

EntityHabits habitsOf(const SourceRecord& s) {
  return {s.handles, s.subclassMarkers, s.owners && s.modelSpaceHandle != 0, s.modelSpaceHandle,
          s.acadver.empty() || s.acadver >= "AC1021"};
}

AppendedEntities::AppendedEntities(OdDbDatabase* db, const SourceRecord& source, std::string path)
    : db_(db),
      ids_(db->appendedSinceLoad()),
      path_(std::move(path)),
      dialect_(dialectOf(source)),
      habits_(habitsOf(source)),
      sectionHeader_(!source.hasEntitiesSection) {}

void AppendedEntities::start() {
  while (tasks_.size() < kTasksInFlight && next_ < ids_.size()) submitNext();
}

void AppendedEntities::submitNext() {
  const OdDbObjectId modelSpace = db_->getModelSpaceId();
  const std::size_t end = std::min(ids_.size(), next_ + kEntitiesPerTask);
  LayerTexts layers(habits_.utf8);
  std::vector<OdDbEntityPtr> entities;
  entities.reserve(end - next_);
  for (; next_ < end; ++next_) {
    OdDbEntityPtr e = ids_[next_].safeOpenObject();
    if (e->ownerId() != modelSpace) {
      throw DxfError(path_, "cannot save entity " + ids_[next_].getHandle().asciiNarrow() +
                                ": only entities appended to model space are saved");
    }
    layers.of(e.get());
    entities.push_back(std::move(e));
  }
  tasks_.push_back(std::async(std::launch::async, formatBatch, std::cref(path_), dialect_, habits_,
                              std::move(layers), std::move(entities)));
}

std::uint64_t AppendedEntities::writeTo(AtomicFile& out) {
  if (ids_.empty()) return 0;
  std::uint64_t written = 0;
  auto emit = [&](const std::string& bytes) {
    out.write(bytes);
    written += bytes.size();
  };
  if (sectionHeader_) {
    TagWriter section(dialect_);
    section.text(0, "SECTION");
    section.text(2, "ENTITIES");
    emit(section.bytes());
  }
  start();
  while (!tasks_.empty()) {
    std::string batch = tasks_.front().get();
    tasks_.pop_front();
    if (next_ < ids_.size()) submitNext();
    emit(batch);
  }
  return written;
}

}  // namespace dxf
