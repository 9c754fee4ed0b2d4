// SourceRecord: what the reader keeps about the file a database came from, so that a save can
// write every unchanged byte back as it was read. It holds no file contents: at save time the
// unchanged spans are copied from the source file again, after checking that the file is still the
// one that was read (size, modification time and a checksum of sampled blocks).
#pragma once

#include <cstdint>
#include <string>

namespace dxf {

struct SourceRecord {
  static constexpr std::uint32_t kMagic = 0x44584652;  // tells this record in the opaque slot
  std::uint32_t magic = kMagic;

  std::string path;
  std::uint64_t size = 0;
  std::int64_t mtimeNs = 0;
  std::uint64_t checksum = 0;

  // Dialect of the file, followed by appended entities.
  std::string acadver;  // "AC1009" ... "AC1032"; empty when the file has none
  bool binary = false;
  bool twoByteCodes = true;  // binary: two-byte group codes (R13 on)
  bool crlf = false;
  int codeWidth = 3;  // ASCII: width the group codes are right-aligned to
  bool handles = false;
  bool subclassMarkers = false;
  bool owners = false;
  std::uint64_t modelSpaceHandle = 0;  // 0 when the file has no model space block record

  // Spans, as byte offsets into the source file.
  bool hasHandseed = false;
  std::uint64_t handseedBegin = 0;  // the $HANDSEED value's bytes
  std::uint64_t handseedEnd = 0;
  bool hasEntitiesSection = false;
  std::uint64_t insertAt = 0;   // the ENDSEC tag of ENTITIES, or the EOF tag without ENTITIES
  std::uint64_t maxHandle = 0;  // greatest handle anywhere in the file
};

// Fills size, modification time and checksum of `record` from the file at `path`; false when
// it cannot be read.
bool snapshotFile(const std::string& path, SourceRecord& record);

// A checksum of sampled blocks of an open file (first and last 64 KiB and 4 KiB every 1/16 of the
// file); cheap enough for every save, and it changes with any rewrite that keeps size and time.
std::uint64_t sampledChecksum(int fd, std::uint64_t size);

}  // namespace dxf
