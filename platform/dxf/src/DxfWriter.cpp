#include "dxf/DxfWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cassert>
#include <cerrno>
#include <cstring>
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

// The appended entities, in the file's dialect; refuses kinds and places it cannot write.
std::string appendedEntities(OdDbDatabase* db, const SourceRecord& s, const std::string& path) {
  TagWriter w(dialectOf(s));
  EntityWriter entities(w, habitsOf(s));
  for (const OdDbObjectId& id : db->appendedSinceLoad()) {
    OdDbEntityPtr e = id.safeOpenObject();
    if (e->ownerId() != db->getModelSpaceId()) {
      throw DxfError(path, "cannot save entity " + id.getHandle().asciiNarrow() +
                               ": only entities appended to model space are saved");
    }
    entities.write(e.get(), path);
  }
  if (s.hasEntitiesSection || w.bytes().empty()) return w.take();
  TagWriter section(dialectOf(s));
  section.text(0, "SECTION");
  section.text(2, "ENTITIES");
  return section.take() + w.take();
}

std::string closingSection(const SourceRecord& s) {
  if (s.hasEntitiesSection) return {};
  TagWriter w(dialectOf(s));
  w.text(0, "ENDSEC");
  return w.take();
}

void copySpan(int from, std::uint64_t begin, std::uint64_t end, AtomicFile& to,
              const std::string& source) {
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
  std::string added = appendedEntities(db, s, path);
  std::string closing = added.empty() ? std::string() : closingSection(s);
  bool newSeed = s.hasHandseed && !added.empty() && s.handseedEnd <= s.insertAt;
  std::string seed = newSeed ? db->handseed().asciiNarrow() : std::string();
  int from = ::open(s.path.c_str(), O_RDONLY | O_CLOEXEC);
  if (from < 0) throw DxfError(s.path, "cannot open the drawing's source file again");
  AtomicFile out(path);
  try {
    std::uint64_t cut = newSeed ? s.handseedBegin : s.insertAt;
    copySpan(from, 0, cut, out, s.path);
    if (newSeed) {
      out.write(seed);
      copySpan(from, s.handseedEnd, s.insertAt, out, s.path);
    }
    out.write(added);
    out.write(closing);
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
  s.insertAt += seedDelta + added.size();
  s.hasEntitiesSection = s.hasEntitiesSection || !added.empty();
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
