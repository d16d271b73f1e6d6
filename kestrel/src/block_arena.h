#pragma once
// Memory for many small records that are freed together, carved from blocks that grow eightfold
// from 4 KB up to 2 MB. Blocks of 2 MB ask the kernel for a huge page: touching fresh memory
// page by page is much of what building a folder of a hundred thousand entries costs, while a
// small folder keeps small blocks (and large ones are only paid for as far as they are used).
#include <cstddef>
#include <vector>

namespace kestrel {

class BlockArena {
 public:
  BlockArena() = default;
  BlockArena(const BlockArena&) = delete;
  BlockArena& operator=(const BlockArena&) = delete;
  ~BlockArena() { clear(); }

  // Memory for `bytes` bytes at the given alignment (a power of two), valid until clear().
  void* allocate(std::size_t bytes, std::size_t alignment);
  // Frees every block.
  void clear();

 private:
  void grow(std::size_t atLeast);

  std::vector<void*> blocks_;
  unsigned char* next_ = nullptr;
  std::size_t left_ = 0;
  std::size_t nextSize_;
};

// Zeroed memory for a table, on huge pages from 2 MB on; free it with std::free. Throws
// std::bad_alloc when there is none.
void* allocateZeroed(std::size_t bytes);

}  // namespace kestrel
