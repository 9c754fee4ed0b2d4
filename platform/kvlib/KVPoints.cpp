#include "KVPoints.h"

#include <functional>
#include <future>
#include <string>
#include <system_error>
#include <utility>

#include "kvlib/AtomicFile.h"
#include "kvlib/PointText.h"

namespace {

CString& LastError() {
  static CString error;
  return error;
}

// The lines of points [begin, end); on a non-finite coordinate, `bad` is its point's index.
struct LineBlock {
  std::string text;
  int bad = -1;
};

LineBlock FormatRange(const ON_3dPointArray& points, int begin, int end,
                      const std::string& separator) {
  kvlib::PointLines lines(separator);
  lines.Reserve(static_cast<size_t>(end - begin));
  LineBlock block;
  for (int i = begin; i < end; ++i) {
    const ON_3dPoint& point = points[i];
    if (lines.Add(point.x, point.y, point.z)) continue;
    block.bad = i;
    break;
  }
  block.text = lines.Take();
  return block;
}

// Long lists are formatted in two halves at once, the second on its own thread, and joined in
// order: the text, and the first bad point named, are those of one pass.
constexpr int kTwoThreadsFrom = 1 << 16;

bool FormatPoints(const ON_3dPointArray& points, const wchar_t* delimiter, std::string& text,
                  std::string& error) {
  std::string separator;
  if (!kvlib::EncodeDelimiter(delimiter != nullptr ? delimiter : L"", separator, error)) {
    return false;
  }
  const int count = points.Count();
  int half = count >= kTwoThreadsFrom ? count / 2 : count;
  std::future<LineBlock> second;
  if (half < count) {
    try {
      second = std::async(std::launch::async, FormatRange, std::cref(points), half, count,
                          std::cref(separator));
    } catch (const std::system_error&) {
      half = count;  // no thread to be had: one pass
    }
  }
  LineBlock first = FormatRange(points, 0, half, separator);
  LineBlock rest = second.valid() ? second.get() : LineBlock{};
  const int bad = first.bad >= 0 ? first.bad : rest.bad;
  if (bad >= 0) {
    error = "Point " + std::to_string(bad + 1) + " has a coordinate that is not a finite number";
    return false;
  }
  text = std::move(first.text);
  text += rest.text;
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
