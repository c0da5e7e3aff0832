#include "core/base/LargeAllocator.h"

#include <sys/mman.h>

#include <cstdlib>

namespace tabulo {
namespace {

constexpr std::size_t kLargeBlock = std::size_t{2} << 20;

}  // namespace

void* AllocateLarge(std::size_t bytes) {
  if (bytes < kLargeBlock) {
    void* block = std::malloc(bytes == 0 ? 1 : bytes);
    if (block == nullptr) throw std::bad_alloc();
    return block;
  }
  void* block = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (block == MAP_FAILED) throw std::bad_alloc();
  ::madvise(block, bytes, MADV_HUGEPAGE);  // a hint; without huge pages the memory works the same
  return block;
}

void FreeLarge(void* block, std::size_t bytes) noexcept {
  if (block == nullptr) return;
  if (bytes < kLargeBlock) {
    std::free(block);
  } else {
    ::munmap(block, bytes);
  }
}

}  // namespace tabulo
