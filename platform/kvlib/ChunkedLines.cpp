#include "kvlib/ChunkedLines.h"

#include <algorithm>
#include <cassert>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

namespace kvlib {
namespace {

// The text of one chunk, kept from chunk to chunk. Its first room is the expected size of a
// chunk; it grows only when the next line might not fit, so only long coordinates cost more.
class ChunkText {
 public:
  explicit ChunkText(size_t expected) : expected_(expected) {}

  std::string_view text() const { return {data_.get(), size_}; }
  void Clear() { size_ = 0; }
  // Room for `length` more characters at the end; Extend then takes what was written there.
  char* Room(size_t length) {
    if (capacity_ - size_ < length) Grow(length);
    return data_.get() + size_;
  }
  void Extend(const char* end) { size_ = static_cast<size_t>(end - data_.get()); }

 private:
  void Grow(size_t length) {
    const size_t capacity = std::max({2 * capacity_, size_ + length, expected_});
    auto data = std::make_unique_for_overwrite<char[]>(capacity);
    if (size_ != 0) std::copy_n(data_.get(), size_, data.get());
    data_ = std::move(data);
    capacity_ = capacity;
  }

  size_t expected_;
  std::unique_ptr<char[]> data_;
  size_t capacity_ = 0;
  size_t size_ = 0;
};

// Points [chunk * lines, (chunk + 1) * lines) of the list, fewer in the last chunk.
std::span<const ON_3dPoint> Chunk(std::span<const ON_3dPoint> points, size_t chunk, size_t lines) {
  const size_t begin = chunk * lines;
  return points.subspan(begin, std::min(lines, points.size() - begin));
}

void FormatChunk(std::span<const ON_3dPoint> points, const LineFormat& format, ChunkText& text) {
  text.Clear();
  const size_t room = format.MaxLineLength();
  for (const ON_3dPoint& p : points) text.Extend(format.WriteLine(text.Room(room), p.x, p.y, p.z));
}

// The odd chunks, made on a helper thread into two slots that the calling thread hands over in
// turn: odd chunk 2j + 1 goes to slot j % 2 once the chunk that slot held was handed over.
class OddChunks {
 public:
  OddChunks(std::span<const ON_3dPoint> points, const LineFormat& format, size_t lines)
      : points_(points),
        format_(format),
        lines_(lines),
        slots_{ChunkText(lines * format.TypicalLineLength()),
               ChunkText(lines * format.TypicalLineLength())} {}
  // Stops the helper, if it runs, and waits for it.
  ~OddChunks();
  OddChunks(const OddChunks&) = delete;
  OddChunks& operator=(const OddChunks&) = delete;

  // False when no thread could be had.
  bool Start();
  // The text of odd chunk `chunk` once made; rethrows what the helper threw instead.
  std::string_view Wait(size_t chunk);
  // The chunk Wait returned last was handed over: its slot may take the next one.
  void Release();

 private:
  void Run();
  bool MakeChunk(size_t j);

  std::span<const ON_3dPoint> points_;
  const LineFormat& format_;
  size_t lines_;
  ChunkText slots_[2];
  std::mutex mutex_;
  std::condition_variable changed_;
  size_t made_ = 0;      // odd chunks made
  size_t released_ = 0;  // odd chunks handed over
  bool stop_ = false;
  std::exception_ptr failure_;
  std::thread thread_;
};

OddChunks::~OddChunks() {
  {
    const std::lock_guard lock(mutex_);
    stop_ = true;
  }
  changed_.notify_all();
  if (thread_.joinable()) thread_.join();
}

bool OddChunks::Start() {
  try {
    thread_ = std::thread(&OddChunks::Run, this);
  } catch (const std::system_error&) {
    return false;
  }
  return true;
}

std::string_view OddChunks::Wait(size_t chunk) {
  const size_t j = chunk / 2;
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return made_ > j || failure_ != nullptr; });
  if (made_ <= j) std::rethrow_exception(failure_);
  return slots_[j % 2].text();
}

void OddChunks::Release() {
  {
    const std::lock_guard lock(mutex_);
    ++released_;
  }
  changed_.notify_all();
}

void OddChunks::Run() {
  const size_t chunks = (points_.size() + lines_ - 1) / lines_;
  for (size_t j = 0; 2 * j + 1 < chunks; ++j) {
    if (!MakeChunk(j)) return;
  }
}

// False when told to stop or when making the chunk threw.
bool OddChunks::MakeChunk(size_t j) {
  {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return stop_ || j < released_ + 2; });
    if (stop_) return false;
  }
  std::exception_ptr failure;
  try {
    FormatChunk(Chunk(points_, 2 * j + 1, lines_), format_, slots_[j % 2]);
  } catch (...) {
    failure = std::current_exception();
  }
  {
    const std::lock_guard lock(mutex_);
    if (failure == nullptr) made_ = j + 1;
    failure_ = failure;
  }
  changed_.notify_all();
  return failure == nullptr;
}

}  // namespace

bool WriteLinesInChunks(std::span<const ON_3dPoint> points, const LineFormat& format,
                        const ChunkSink& sink, size_t chunkLines) {
  assert(chunkLines > 0 && "a chunk holds at least one line");
  const size_t chunks = (points.size() + chunkLines - 1) / chunkLines;
  ChunkText own(std::min(points.size(), chunkLines) * format.TypicalLineLength());
  OddChunks odd(points, format, chunkLines);
  const bool helped = chunks > 1 && odd.Start();
  for (size_t chunk = 0; chunk < chunks; ++chunk) {
    if (helped && chunk % 2 == 1) {
      if (!sink(odd.Wait(chunk))) return false;
      odd.Release();
      continue;
    }
    FormatChunk(Chunk(points, chunk, chunkLines), format, own);
    if (!sink(own.text())) return false;
  }
  return true;
}

}  // namespace kvlib
