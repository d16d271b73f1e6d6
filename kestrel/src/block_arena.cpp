#include "block_arena.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

namespace kestrel {
namespace {

constexpr std::size_t kFirstBlock = 4096;
constexpr std::size_t kHugePage = std::size_t{2} << 20;

std::size_t roundUp(std::size_t n, std::size_t unit) { return (n + unit - 1) / unit * unit; }

}  // namespace

void* allocateZeroed(std::size_t bytes) {
  if (bytes < kHugePage) {
    void* memory = std::calloc(1, bytes);  // fresh pages come zeroed: no second clearing
    if (!memory) throw std::bad_alloc();
    return memory;
  }
  const std::size_t size = roundUp(bytes, kHugePage);
  void* memory = std::aligned_alloc(kHugePage, size);
  if (!memory) throw std::bad_alloc();
  ::madvise(memory, size, MADV_HUGEPAGE);
  std::memset(memory, 0, bytes);
  return memory;
}

void* BlockArena::allocate(std::size_t bytes, std::size_t alignment) {
  auto padding = [&] { return (alignment - reinterpret_cast<std::uintptr_t>(next_) % alignment) % alignment; };
  if (!next_ || padding() + bytes > left_) grow(bytes + alignment);
  const std::size_t pad = padding();
  void* memory = next_ + pad;
  next_ += pad + bytes;
  left_ -= pad + bytes;
  return memory;
}

void BlockArena::grow(std::size_t atLeast) {
  if (blocks_.empty()) nextSize_ = kFirstBlock;
  std::size_t size = std::max(nextSize_, atLeast);
  blocks_.reserve(blocks_.size() + 1);  // so that recording the block cannot fail
  void* memory = nullptr;
  if (size >= kHugePage) {
    size = roundUp(size, kHugePage);
    memory = std::aligned_alloc(kHugePage, size);
    if (memory) ::madvise(memory, size, MADV_HUGEPAGE);  // only a hint: small pages still work
  } else {
    memory = std::malloc(size);
  }
  if (!memory) throw std::bad_alloc();
  blocks_.push_back(memory);
  next_ = static_cast<unsigned char*>(memory);
  left_ = size;
  nextSize_ = std::min(8 * nextSize_, kHugePage);
}

void BlockArena::clear() {
  for (void* block : blocks_) std::free(block);
  blocks_.clear();
  next_ = nullptr;
  left_ = 0;
}

}  // namespace kestrel
