// ObjectPool: the memory of database objects. A drawing holds millions of small objects of a few
// sizes; blocks of a size class carved from large slabs cost no allocator header and take a few
// instructions. Thread-safe: each thread keeps its own free lists and slab; only taking a new
// slab locks. Slabs are kept for reuse and never returned.
#pragma once

#include <cstddef>

namespace odpool {

// Blocks of up to kMaxPooled bytes come from the pool, larger ones from operator new. Blocks are
// aligned to 8 bytes, which is what database objects need.
inline constexpr std::size_t kMaxPooled = 256;

void* allocate(std::size_t size);
// `size` is the one given to allocate.
void deallocate(void* block, std::size_t size) noexcept;

}  // namespace odpool
