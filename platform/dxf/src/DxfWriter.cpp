#include "dxf/DxfWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cassert>
#include <cerrno>
#include <cstring>
#include <deque>
#include <future>
#include <vector>

#include "AtomicFile.h"
#include "EntityWriter.h"
#include "NewDrawing.h"
#include "SourceRecord.h"
#include "TagWriter.h"
#include "dxf/DxfError.h"

namespace dxf {
namespace {

std::shared_ptr<SourceRecord> sourceOf(OdDbDatabase* db) {
  auto raw = std::static_pointer_cast<SourceRecord>(db->sourceData());
  if (raw == nullptr || raw->magic != SourceRecord::kMagic) return nullptr;
  return raw;
}

Dialect dialectOf(const SourceRecord& s) { return {s.binary, s.twoByteCodes, s.crlf, s.codeWidth}; }

EntityHabits habitsOf(const SourceRecord& s) {
  return {s.handles, s.subclassMarkers, s.owners && s.modelSpaceHandle != 0, s.modelSpaceHandle,
          s.acadver.empty() || s.acadver >= "AC1021"};
}

// Entities formatted per task: large enough to keep both cores busy, small enough to stream.
constexpr std::size_t kEntitiesPerTask = 8192;

// Opens the appended entities ids[begin, end) for a formatting task (opening is for one thread)
// and learns their layers; refuses entities outside model space.
std::vector<OdDbEntityPtr> openForWriting(OdDbDatabase* db, const std::vector<OdDbObjectId>& ids,
                                          std::size_t begin, std::size_t end, LayerTexts& layers,
                                          const std::string& path) {
  const OdDbObjectId modelSpace = db->getModelSpaceId();
  std::vector<OdDbEntityPtr> entities;
  entities.reserve(end - begin);
  for (std::size_t i = begin; i < end; ++i) {
    OdDbEntityPtr e = ids[i].safeOpenObject();
    if (e->ownerId() != modelSpace) {
      throw DxfError(path, "cannot save entity " + ids[i].getHandle().asciiNarrow() +
                               ": only entities appended to model space are saved");
    }
    layers.of(e.get());
    entities.push_back(std::move(e));
  }
  return entities;
}

// Writes the appended entities in the file's dialect, formatted on worker threads in order, and
// gives the number of bytes written; refuses kinds and places it cannot write.
std::uint64_t writeAppended(OdDbDatabase* db, const SourceRecord& s, const std::string& path,
                            AtomicFile& out) {
  const std::vector<OdDbObjectId>& ids = db->appendedSinceLoad();
  if (ids.empty()) return 0;
  std::uint64_t written = 0;
  auto emit = [&](const std::string& bytes) {
    out.write(bytes);
    written += bytes.size();
  };
  if (!s.hasEntitiesSection) {
    TagWriter section(dialectOf(s));
    section.text(0, "SECTION");
    section.text(2, "ENTITIES");
    emit(section.bytes());
  }
  const Dialect dialect = dialectOf(s);
  const EntityHabits habits = habitsOf(s);
  std::deque<std::future<std::string>> tasks;
  for (std::size_t begin = 0; begin < ids.size(); begin += kEntitiesPerTask) {
    std::size_t end = std::min(ids.size(), begin + kEntitiesPerTask);
    LayerTexts layers(habits.utf8);
    std::vector<OdDbEntityPtr> entities = openForWriting(db, ids, begin, end, layers, path);
    // The task only reads its own entities (and releases them): no object is shared.
    tasks.push_back(
        std::async(std::launch::async, [&path, dialect, habits, layers = std::move(layers),
                                        entities = std::move(entities)]() mutable {
          TagWriter w(dialect);
          w.reserve(entities.size() * 128);
          EntityWriter writer(w, habits, std::move(layers));
          for (const OdDbEntityPtr& e : entities) writer.write(e.get(), path);
          entities.clear();
          return w.take();
        }));
    if (tasks.size() > 2) {
      emit(tasks.front().get());
      tasks.pop_front();
    }
  }
  for (; !tasks.empty(); tasks.pop_front()) emit(tasks.front().get());
  return written;
}

std::string closingSection(const SourceRecord& s) {
  if (s.hasEntitiesSection) return {};
  TagWriter w(dialectOf(s));
  w.text(0, "ENDSEC");
  return w.take();
}

void copySpan(int from, std::uint64_t begin, std::uint64_t end, AtomicFile& to,
              const std::string& source) {
  begin = to.copyFrom(from, begin, end);
  if (begin == end) return;
  std::vector<char> buf(std::min<std::uint64_t>(end - begin, 1 << 20) + 1);
  while (begin < end) {
    std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(end - begin, buf.size()));
    ssize_t got = ::pread(from, buf.data(), want, static_cast<off_t>(begin));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) throw DxfError(source, "cannot read the drawing's source file again");
    to.write(std::string_view(buf.data(), static_cast<std::size_t>(got)));
    begin += static_cast<std::uint64_t>(got);
  }
}

void checkUnchanged(const SourceRecord& s) {
  SourceRecord now;
  if (!snapshotFile(s.path, now)) {
    throw DxfError(s.path, "cannot read the drawing's source file again: it was moved or removed");
  }
  if (now.size != s.size || now.mtimeNs != s.mtimeNs || now.checksum != s.checksum) {
    throw DxfError(s.path, "the drawing's source file changed since it was read; not saved");
  }
}

void saveLossless(OdDbDatabase* db, SourceRecord& s, const std::string& path) {
  checkUnchanged(s);
  const bool appending = !db->appendedSinceLoad().empty();
  bool newSeed = s.hasHandseed && appending && s.handseedEnd <= s.insertAt;
  std::string seed = newSeed ? db->handseed().asciiNarrow() : std::string();
  int from = ::open(s.path.c_str(), O_RDONLY | O_CLOEXEC);
  if (from < 0) throw DxfError(s.path, "cannot open the drawing's source file again");
  AtomicFile out(path);
  std::uint64_t added = 0;
  try {
    std::uint64_t cut = newSeed ? s.handseedBegin : s.insertAt;
    copySpan(from, 0, cut, out, s.path);
    if (newSeed) {
      out.write(seed);
      copySpan(from, s.handseedEnd, s.insertAt, out, s.path);
    }
    added = writeAppended(db, s, path, out);
    if (appending) out.write(closingSection(s));
    copySpan(from, s.insertAt, s.size, out, s.path);
  } catch (...) {
    ::close(from);
    throw;
  }
  ::close(from);
  out.commit();
  // The saved file is the drawing's source from now on.
  std::int64_t seedDelta = newSeed ? static_cast<std::int64_t>(seed.size()) -
                                         static_cast<std::int64_t>(s.handseedEnd - s.handseedBegin)
                                   : 0;
  if (newSeed) s.handseedEnd = s.handseedBegin + seed.size();
  s.insertAt += seedDelta + added;
  s.hasEntitiesSection = s.hasEntitiesSection || appending;
  s.path = path;
  if (!snapshotFile(path, s)) throw DxfError(path, "cannot read the saved file back");
  db->clearAppendedSinceLoad();
}

}  // namespace

void saveDxfFile(OdDbDatabase* database, const std::string& path) {
  assert(database != nullptr && "saving needs a database");
  std::shared_ptr<SourceRecord> source = sourceOf(database);
  if (source) return saveLossless(database, *source, path);
  AtomicFile out(path);
  out.write(writeNewDrawing(database, path));
  out.commit();
}

}  // namespace dxf
