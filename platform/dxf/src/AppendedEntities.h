// AppendedEntities: the entities appended to a drawing since it was read, formatted as DXF in the
// file's dialect for a save. Batches are formatted by worker tasks while the caller copies the
// file's unchanged bytes, and written in order; the main thread opens each batch's entities
// (opening is not thread-safe) and learns their layers' texts, so a task only reads its own
// entities.
#pragma once

#include <cstdint>
#include <deque>
#include <future>
#include <string>
#include <vector>

#include "AtomicFile.h"
#include "DbDatabase.h"
#include "EntityWriter.h"
#include "SourceRecord.h"
#include "TagWriter.h"

namespace dxf {

class AppendedEntities {
 public:
  AppendedEntities(OdDbDatabase* db, const SourceRecord& source, std::string path);
  bool empty() const { return ids_.empty(); }
  // Hands the first batches to worker tasks. Throws DxfError for an entity outside model space.
  void start();
  // Writes every appended entity, in order, and gives the number of bytes written. Throws
  // DxfError for an entity it cannot write or place; then nothing more is written.
  std::uint64_t writeTo(AtomicFile& out);

 private:
  void submitNext();

  OdDbDatabase* db_;
  const std::vector<OdDbObjectId> ids_;
  const std::string path_;
  const Dialect dialect_;
  const EntityHabits habits_;
  const bool sectionHeader_;  // the file has no ENTITIES section to put them in
  std::size_t next_ = 0;
  std::deque<std::future<std::string>> tasks_;  // last: finished before what they read goes
};

Dialect dialectOf(const SourceRecord& s);
EntityHabits habitsOf(const SourceRecord& s);

}  // namespace dxf
