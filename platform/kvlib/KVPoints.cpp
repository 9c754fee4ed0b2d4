#include "KVPoints.h"

#include <string>

#include "kvlib/AtomicFile.h"
#include "kvlib/PointText.h"

namespace {

CString& LastError() {
  static CString error;
  return error;
}

bool FormatPoints(const ON_3dPointArray& points, const wchar_t* delimiter, std::string& text,
                  std::string& error) {
  std::string separator;
  if (!kvlib::EncodeDelimiter(delimiter != nullptr ? delimiter : L"", separator, error)) {
    return false;
  }
  kvlib::PointLines lines(separator);
  lines.Reserve(static_cast<size_t>(points.Count()));
  for (int i = 0; i < points.Count(); ++i) {
    const ON_3dPoint& point = points[i];
    if (lines.Add(point.x, point.y, point.z)) continue;
    error = "Point " + std::to_string(i + 1) + " has a coordinate that is not a finite number";
    return false;
  }
  text = lines.Take();
  return true;
}

bool WriteText(const CString& path, const std::string& text, std::string& error) {
  std::string utf8Path;
  if (!kvlib::EncodeUtf8(path.str(), utf8Path)) {
    error = "Path is not valid Unicode text";
    return false;
  }
  return kvlib::WriteFileAtomically(utf8Path, text, error);
}

}  // namespace

int KVPoints::Write(const ON_3dPointArray& points, const CString& path, const wchar_t* delimiter) {
  LastError().Empty();
  std::string text;
  std::string error;
  if (FormatPoints(points, delimiter, text, error) && WriteText(path, text, error)) return 1;
  LastError() = CString(error.c_str());
  return 0;
}

CString KVPoints::GetError() { return LastError(); }
