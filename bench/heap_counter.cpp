// The bench program's global operator new and delete: the C heap underneath, one count per call.
#include "bench/heap_counter.h"

#include <cstdlib>
#include <new>

namespace {

// Per thread, so the llvmpipe workers' allocations never land in a frame of the main thread.
thread_local uint64_t threadAllocations = 0;

// Null when the heap has no room, for the nothrow forms.
void* AllocateOrNull(std::size_t bytes) noexcept {
  ++threadAllocations;
  return std::malloc(bytes == 0 ? 1 : bytes);
}

void* Allocate(std::size_t bytes) {
  void* block = AllocateOrNull(bytes);
  if (block == nullptr) throw std::bad_alloc();
  return block;
}

void* AllocateAligned(std::size_t bytes, std::align_val_t alignment) {
  ++threadAllocations;
  void* block = nullptr;
  const auto align = static_cast<std::size_t>(alignment);
  const std::size_t minimum = align < sizeof(void*) ? sizeof(void*) : align;
  if (posix_memalign(&block, minimum, bytes == 0 ? 1 : bytes) != 0) throw std::bad_alloc();
  return block;
}

void* AllocateAlignedOrNull(std::size_t bytes, std::align_val_t alignment) noexcept {
  try {
    return AllocateAligned(bytes, alignment);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

}  // namespace

namespace brisa_bench {

uint64_t ThreadHeapAllocations() { return threadAllocations; }

}  // namespace brisa_bench

void* operator new(std::size_t bytes) { return Allocate(bytes); }
void* operator new[](std::size_t bytes) { return Allocate(bytes); }
void* operator new(std::size_t bytes, std::align_val_t alignment) { return AllocateAligned(bytes, alignment); }
void* operator new[](std::size_t bytes, std::align_val_t alignment) { return AllocateAligned(bytes, alignment); }

void* operator new(std::size_t bytes, const std::nothrow_t&) noexcept { return AllocateOrNull(bytes); }
void* operator new[](std::size_t bytes, const std::nothrow_t&) noexcept { return AllocateOrNull(bytes); }
void* operator new(std::size_t bytes, std::align_val_t alignment, const std::nothrow_t&) noexcept {
  return AllocateAlignedOrNull(bytes, alignment);
}
void* operator new[](std::size_t bytes, std::align_val_t alignment, const std::nothrow_t&) noexcept {
  return AllocateAlignedOrNull(bytes, alignment);
}

void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
void operator delete(void* block, std::align_val_t) noexcept { std::free(block); }
void operator delete[](void* block, std::align_val_t) noexcept { std::free(block); }
void operator delete(void* block, std::size_t, std::align_val_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t, std::align_val_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete(void* block, std::align_val_t, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, std::align_val_t, const std::nothrow_t&) noexcept { std::free(block); }
