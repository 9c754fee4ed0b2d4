#include "ObjectPool.h"

#include <cstdlib>
#include <mutex>
#include <new>

// Under the address sanitizer (GCC says so by a macro, clang by a feature) the pool is off.
#if defined(__SANITIZE_ADDRESS__)
#define QUORLEX_POOL_OFF 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUORLEX_POOL_OFF 1
#endif
#endif

namespace odpool {

#if defined(QUORLEX_POOL_OFF)
// Under the address sanitizer each object is its own allocation, so that use after free and
// overruns of database objects are still caught.
void* allocate(std::size_t size) { return ::operator new(size); }
void deallocate(void* block, std::size_t) noexcept { ::operator delete(block); }
#else
namespace {

constexpr std::size_t kGranule = 8;
constexpr std::size_t kClasses = kMaxPooled / kGranule + 1;
constexpr std::size_t kSlabBytes = std::size_t{1} << 20;

struct FreeBlock {
  FreeBlock* next;
};

// Plain data, so that it needs no destructor: objects freed while threads end or the process
// exits still find it. A block freed on a thread goes to that thread's lists; blocks left on a
// thread that ends stay unused (only a drawing reader's worker that gives up frees objects).
struct ThreadCache {
  FreeBlock* free[kClasses];
  char* next;
  char* end;
};

thread_local constinit ThreadCache cache{};

// Every slab starts with a link to the one taken before, from a plain pointer: they stay
// reachable to leak checkers and are never freed.
std::mutex slabMutex;
void* lastSlab = nullptr;

void takeSlab(ThreadCache& c) {
  void* slab = std::malloc(kSlabBytes);
  if (slab == nullptr) throw std::bad_alloc();
  {
    std::lock_guard<std::mutex> lock(slabMutex);
    *static_cast<void**>(slab) = lastSlab;
    lastSlab = slab;
  }
  c.next = static_cast<char*>(slab) + kGranule;
  c.end = static_cast<char*>(slab) + kSlabBytes;
}

std::size_t classOf(std::size_t size) { return (size + kGranule - 1) / kGranule; }

}  // namespace

void* allocate(std::size_t size) {
  if (size > kMaxPooled) return ::operator new(size);
  const std::size_t k = classOf(size);
  ThreadCache& c = cache;
  if (FreeBlock* block = c.free[k]) {
    c.free[k] = block->next;
    return block;
  }
  const std::size_t bytes = k * kGranule;
  if (static_cast<std::size_t>(c.end - c.next) < bytes) takeSlab(c);
  void* block = c.next;
  c.next += bytes;
  return block;
}

void deallocate(void* block, std::size_t size) noexcept {
  if (block == nullptr) return;
  if (size > kMaxPooled) return ::operator delete(block);
  const std::size_t k = classOf(size);
  auto* b = static_cast<FreeBlock*>(block);
  b->next = cache.free[k];
  cache.free[k] = b;
}
#endif

}  // namespace odpool
