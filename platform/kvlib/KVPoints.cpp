#include "KVPoints.h"

#include <cmath>
#include <span>
#include <string>
#include <string_view>

#include "kvlib/AtomicFile.h"
#include "kvlib/ChunkedLines.h"
#include "kvlib/PointText.h"

namespace {

CString& LastError() {
  static CString error;
  return error;
}

// The index of the first point with a coordinate that is not finite, or -1. Checked before
// anything is written, so a refused list leaves no file behind and names the first bad point.
int FirstNonFinitePoint(const ON_3dPointArray& points) {
  for (int i = 0; i < points.Count(); ++i) {
    const ON_3dPoint& p = points[i];
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) return i;
  }
  return -1;
}

// The checks, in the order their refusals are reported.
bool CheckInput(const ON_3dPointArray& points, const CString& path, const wchar_t* delimiter,
                std::string& separator, std::string& utf8Path, std::string& error) {
  if (!kvlib::EncodeDelimiter(delimiter != nullptr ? delimiter : L"", separator, error)) {
    return false;
  }
  if (const int bad = FirstNonFinitePoint(points); bad >= 0) {
    error = "Point " + std::to_string(bad + 1) + " has a coordinate that is not a finite number";
    return false;
  }
  if (kvlib::EncodeUtf8(path.str(), utf8Path)) return true;
  error = "Path is not valid Unicode text";
  return false;
}

// The text goes to the temporary chunk by chunk as it is made, never whole in memory.
bool WritePoints(const ON_3dPointArray& points, const std::string& path,
                 const std::string& separator, std::string& error) {
  kvlib::AtomicFile file;
  const std::span<const ON_3dPoint> list(points.Array(), static_cast<size_t>(points.Count()));
  const bool written =
      file.Open(path) &&
      kvlib::WriteLinesInChunks(list, kvlib::LineFormat(separator),
                                [&](std::string_view text) { return file.Append(text); }) &&
      file.Commit();
  if (!written) error = file.error();
  return written;
}

}  // namespace

int KVPoints::Write(const ON_3dPointArray& points, const CString& path, const wchar_t* delimiter) {
  LastError().Empty();
  std::string separator;
  std::string utf8Path;
  std::string error;
  if (CheckInput(points, path, delimiter, separator, utf8Path, error) &&
      WritePoints(points, utf8Path, separator, error)) {
    return 1;
  }
  LastError() = CString(error.c_str());
  return 0;
}

CString KVPoints::GetError() { return LastError(); }
