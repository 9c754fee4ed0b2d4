// WriteLinesInChunks: formats a point list as the lines of a point file, a chunk of lines at a
// time on two threads, and hands the chunks to a sink in order.
//
// The calling thread formats the even chunks and hands every chunk to the sink; one helper
// thread formats the odd chunks, up to two ahead. So the text of the next chunk is being made
// while one is handed over, and the memory held is a few chunks' text, whatever the length of
// the list. Without a thread to be had, all chunks are made on the calling thread; the text is
// the same either way.
#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string_view>

#include "kvlib/PointText.h"
#include "opennurbs_point.h"

namespace kvlib {

// Lines of one chunk: about 2 MB of text for survey coordinates.
constexpr size_t kChunkLines = size_t{1} << 16;

// Takes the text of the next chunk (never empty); false stops the writing.
using ChunkSink = std::function<bool(std::string_view text)>;

// Returns true when every chunk was taken; false as soon as the sink refuses one, and then no
// later chunk is handed over. The coordinates must be finite. An exception thrown while making
// a chunk (out of memory) reaches the caller after the helper has stopped.
bool WriteLinesInChunks(std::span<const ON_3dPoint> points, const LineFormat& format,
                        const ChunkSink& sink, size_t chunkLines = kChunkLines);

}  // namespace kvlib
