#include "dxf/DxfWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cassert>
#include <cerrno>
#include <cstring>
#include <future>
#include <vector>

#include "AppendedEntities.h"
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

std::string closingSection(const SourceRecord& s) {
  if (s.hasEntitiesSection) return {};
  TagWriter w(dialectOf(s));
  w.text(0, "ENDSEC");
  return w.take();
}

// Reads bytes [begin, end) of the source again and hands them to write(bytes) in pieces.
template <class Write>
void readSpan(int from, std::uint64_t begin, std::uint64_t end, const std::string& source,
              Write&& write) {
  std::vector<char> buf(std::min<std::uint64_t>(end - begin, 1 << 20) + 1);
  while (begin < end) {
    std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(end - begin, buf.size()));
    ssize_t got = ::pread(from, buf.data(), want, static_cast<off_t>(begin));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) throw DxfError(source, "cannot read the drawing's source file again");
    write(std::string_view(buf.data(), static_cast<std::size_t>(got)));
    begin += static_cast<std::uint64_t>(got);
  }
}

// Copies source bytes [begin, end) to the file's sequential position, in the kernel where it can.
void copySpan(int from, std::uint64_t begin, std::uint64_t end, AtomicFile& to,
              const std::string& source) {
  begin = to.copyFrom(from, begin, end);
  readSpan(from, begin, end, source, [&](std::string_view bytes) { to.write(bytes); });
}

// The same to the file's bytes from `at` on, without moving its sequential position.
void copySpanAt(int from, std::uint64_t begin, std::uint64_t end, AtomicFile& to, std::uint64_t at,
                const std::string& source) {
  const std::uint64_t copied = to.copyFromAt(from, begin, end, at);
  at += copied - begin;
  readSpan(from, copied, end, source, [&](std::string_view bytes) {
    to.writeAt(bytes, at);
    at += bytes.size();
  });
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
  AppendedEntities appended(db, s, path);
  const bool appending = !appended.empty();
  bool newSeed = s.hasHandseed && appending && s.handseedEnd <= s.insertAt;
  std::string seed = newSeed ? db->handseed().asciiNarrow() : std::string();
  int from = ::open(s.path.c_str(), O_RDONLY | O_CLOEXEC);
  if (from < 0) throw DxfError(s.path, "cannot open the drawing's source file again");
  AtomicFile out(path);
  std::uint64_t added = 0;
  try {
    // The head (up to where the new entities go) is copied on another thread while they are
    // formatted and written after it: its length is known.
    const std::uint64_t cut = newSeed ? s.handseedBegin : s.insertAt;
    const std::uint64_t head = newSeed ? cut + seed.size() + (s.insertAt - s.handseedEnd) : cut;
    out.skipTo(head);
    std::future<void> headCopy = std::async(std::launch::async, [&] {
      copySpanAt(from, 0, cut, out, 0, s.path);
      if (!newSeed) return;
      out.writeAt(seed, cut);
      copySpanAt(from, s.handseedEnd, s.insertAt, out, cut + seed.size(), s.path);
    });
    added = appended.writeTo(out);
    if (appending) out.write(closingSection(s));
    copySpan(from, s.insertAt, s.size, out, s.path);
    headCopy.get();
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
