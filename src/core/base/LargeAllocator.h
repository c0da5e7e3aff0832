#pragma once

#include <cstddef>
#include <memory>
#include <new>

namespace tabulo {

// Memory for big tables. Blocks of 2 MiB and more come straight from the
// system, asking for transparent huge pages: touching a few hundred
// megabytes of fresh 4 KiB pages costs more page faults than the reading that
// fills them. Smaller blocks come from the ordinary heap.
void* AllocateLarge(std::size_t bytes);
void FreeLarge(void* block, std::size_t bytes) noexcept;

// A standard allocator over AllocateLarge, for the document's big vectors.
template <typename T>
struct LargeAllocator {
  using value_type = T;

  LargeAllocator() noexcept = default;
  template <typename U>
  LargeAllocator(const LargeAllocator<U>&) noexcept {}

  T* allocate(std::size_t count) {
    if (count > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_array_new_length();
    return static_cast<T*>(AllocateLarge(count * sizeof(T)));
  }
  void deallocate(T* block, std::size_t count) noexcept { FreeLarge(block, count * sizeof(T)); }

  template <typename U>
  friend bool operator==(const LargeAllocator&, const LargeAllocator<U>&) noexcept {
    return true;
  }
};

}  // namespace tabulo
